// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Sun's apparent place computed once a day at 0h UT and interpolated
// between: four-point Lagrange interpolation of a smooth daily series is
// good to about 0.01'' here, far below what the events need.
#include <cstdint>
#include <vector>

#include "almanac/sun.h"

namespace almanac {

class SunTrack
{
public:
    // The places at 0h UT of `count` days from `firstDay` (days from 1970-01-01);
    // valid for instants from firstDay + 1 to firstDay + count - 2.
    SunTrack(std::int64_t firstDay, int count);

    SunPlace at(double utDays) const;

private:
    std::int64_t firstDay_;
    // Each interpolation reads only the four nodes around the instant, so every
    // track that holds those days gives the same figures.
    std::vector<SunPlace> samples_;
};

}  // namespace almanac
