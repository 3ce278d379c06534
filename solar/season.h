// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window's two clocks: summer time (GMT +3) from April to September,
// winter time (GMT +2) in the other months.
#include <optional>
#include <string_view>

namespace solar {

enum class Season { Summer, Winter };

// April to September: summer time; any other month but 0 (also above 12): winter time.
std::optional<Season> SeasonForMonth(int month);

inline constexpr int kSummerTimeOffsetHours = 3;  // GMT +3
inline constexpr int kWinterTimeOffsetHours = 2;  // GMT +2
inline constexpr int kSummerTimeOffsetSeconds = kSummerTimeOffsetHours * 3600;
inline constexpr int kWinterTimeOffsetSeconds = kWinterTimeOffsetHours * 3600;

// The season's clock ahead of UTC, in seconds.
int OffsetSeconds(Season season);

// "suveaeg", "talveaeg"
std::string_view SeasonCaption(Season season);

}  // namespace solar
