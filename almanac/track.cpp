// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac/track.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "almanac/timescales.h"

namespace almanac {

SunTrack::SunTrack(std::int64_t firstDay, int count)
    : firstDay_(firstDay)
{
    samples_.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        samples_.push_back(sunApparentCirs(static_cast<double>(firstDay + i) - kUnixEpochToJ2000Days));
}

namespace {

// The right ascension of a neighbouring node made continuous with the
// node's own: the Sun moves about a degree a day, never half a turn.
double nearTo(double ra, double reference)
{
    constexpr double kTwoPi = 2 * std::numbers::pi;
    if (ra - reference > std::numbers::pi)
        return ra - kTwoPi;
    if (reference - ra > std::numbers::pi)
        return ra + kTwoPi;
    return ra;
}

}  // namespace

SunPlace SunTrack::at(double utDays) const
{
    // Whole days from 1970 and the fraction: from the instant alone, so that
    // every track holding the same days gives the same figures.
    const double unixDays = utDays + kUnixEpochToJ2000Days;
    const double whole = std::floor(unixDays);
    const double u = unixDays - whole;
    const auto last = static_cast<std::int64_t>(samples_.size()) - 3;
    const std::int64_t k = std::clamp(static_cast<std::int64_t>(whole) - firstDay_, std::int64_t{1}, last);
    const double x = u + static_cast<double>(static_cast<std::int64_t>(whole) - firstDay_ - k);

    // Lagrange weights of the nodes at -1, 0, 1, 2.
    const double wm1 = -x * (x - 1) * (x - 2) / 6;
    const double w0 = (x + 1) * (x - 1) * (x - 2) / 2;
    const double w1 = -(x + 1) * x * (x - 2) / 2;
    const double w2 = (x + 1) * x * (x - 1) / 6;
    const auto i = static_cast<std::size_t>(k);
    const SunPlace &a = samples_[i - 1];
    const SunPlace &b = samples_[i];
    const SunPlace &c = samples_[i + 1];
    const SunPlace &d = samples_[i + 2];
    const double ra0 = b.rightAscensionRadians;
    return {wm1 * nearTo(a.rightAscensionRadians, ra0) + w0 * ra0 + w1 * nearTo(c.rightAscensionRadians, ra0)
                + w2 * nearTo(d.rightAscensionRadians, ra0),
            wm1 * a.declinationRadians + w0 * b.declinationRadians + w1 * c.declinationRadians
                + w2 * d.declinationRadians,
            wm1 * a.distanceAu + w0 * b.distanceAu + w1 * c.distanceAu + w2 * d.distanceAu};
}

}  // namespace almanac
