// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac/sun.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "almanac/timescales.h"

namespace almanac {

namespace {

// Code that leaves the upper halves of the 256-bit vector registers in use
// (the toolkit does, once it has started) makes every later SSE instruction
// wait on them: ERFA's long series then run ten times slower. Clearing them
// before the series costs one instruction.
#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) void vzeroupper() { __builtin_ia32_vzeroupper(); }
void clearUpperVectorHalves()
{
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx)
        vzeroupper();
}
#else
void clearUpperVectorHalves() { }
#endif

}  // namespace

SunPlace sunApparentCirs(double utDays)
{
    clearUpperVectorHalves();
    const double ttDays = utDays + deltaTSeconds(decimalYearFromUtDays(utDays)) / kSecondsPerDay;

    // The Earth, heliocentric and barycentric, in AU and AU/day (TDB taken as TT).
    double pvh[2][3];
    double pvb[2][3];
    eraEpv00(kJ2000JulianDate, ttDays, pvh, pvb);

    // The Sun as seen from the Earth: where it was when the light left it.
    const double distance = std::sqrt(pvh[0][0] * pvh[0][0] + pvh[0][1] * pvh[0][1] + pvh[0][2] * pvh[0][2]);
    const double lightTimeDays = distance / ERFA_DC;
    double toSun[3];
    for (int i = 0; i < 3; ++i)
        toSun[i] = -pvh[0][i] - lightTimeDays * (pvb[1][i] - pvh[1][i]);
    double natural[3];
    double sunDistance = 0;
    eraPn(toSun, &sunDistance, natural);

    // Annual aberration from the Earth's barycentric velocity.
    double velocity[3];
    for (int i = 0; i < 3; ++i)
        velocity[i] = pvb[1][i] / ERFA_DC;
    const double v2 = velocity[0] * velocity[0] + velocity[1] * velocity[1] + velocity[2] * velocity[2];
    double apparent[3];
    eraAb(natural, velocity, sunDistance, std::sqrt(1.0 - v2), apparent);

    // GCRS -> CIRS.
    double rc2i[3][3];
    eraC2i00b(kJ2000JulianDate, ttDays, rc2i);
    double cirs[3];
    eraRxp(rc2i, apparent, cirs);

    double ra = 0;
    double dec = 0;
    eraC2s(cirs, &ra, &dec);
    return {eraAnp(ra), dec, sunDistance};
}

double earthRotationAngleRadians(double utDays) { return eraEra00(kJ2000JulianDate, utDays); }

double solarParallaxRadians(double distanceAu)
{
    constexpr double kEarthEquatorialRadiusMetres = 6378136.6;
    return std::asin(kEarthEquatorialRadiusMetres / (distanceAu * ERFA_DAU));
}

}  // namespace almanac
