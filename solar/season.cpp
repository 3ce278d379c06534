// SPDX-License-Identifier: GPL-3.0-or-later
#include "solar/season.h"

namespace solar {

std::optional<Season> SeasonForMonth(int month)
{
    if (month == 0)
        return std::nullopt;
    return month >= 4 && month <= 9 ? Season::Summer : Season::Winter;
}

int OffsetSeconds(Season season)
{
    return season == Season::Summer ? kSummerTimeOffsetSeconds : kWinterTimeOffsetSeconds;
}

std::string_view SeasonCaption(Season season) { return season == Season::Summer ? "suveaeg" : "talveaeg"; }

}  // namespace solar
