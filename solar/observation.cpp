// SPDX-License-Identifier: GPL-3.0-or-later
#include "solar/observation.h"

#include <cstdlib>

namespace solar {

std::optional<std::int16_t> FieldTextToInt16(std::string_view text, bool allowMinus)
{
    bool negative = false;
    if (allowMinus && !text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    const int limit = negative ? 32768 : 32767;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::int16_t>(negative ? -value : value);
}

std::optional<Observation> ReadObservation(const std::array<std::string_view, 10> &fieldTexts)
{
    constexpr std::size_t kLongitudeDegreesField = 6;
    std::array<std::int16_t, 10> values{};
    for (std::size_t i = 0; i < fieldTexts.size(); ++i) {
        const auto value = FieldTextToInt16(fieldTexts[i], i == kLongitudeDegreesField);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    Observation obs;
    obs.day = values[0];
    obs.month = values[1];
    obs.year = values[2];
    obs.latitudeDegrees = values[3];
    obs.latitudeMinutes = values[4];
    obs.latitudeSeconds = values[5];
    obs.longitudeDegrees = values[6];
    obs.longitudeMinutes = values[7];
    obs.longitudeSeconds = values[8];
    obs.heightMetres = values[9];
    obs.longitudeNegative = fieldTexts[kLongitudeDegreesField].starts_with('-');
    return obs;
}

double DecimalLatitude(const Observation &obs)
{
    return obs.latitudeMinutes / 60.0 + obs.latitudeDegrees + obs.latitudeSeconds / 3600.0;
}

double DecimalLongitude(const Observation &obs)
{
    const bool west = obs.longitudeNegative || obs.longitudeDegrees < 0;
    const double magnitude
        = obs.longitudeMinutes / 60.0 + std::abs(obs.longitudeDegrees) + obs.longitudeSeconds / 3600.0;
    return west ? -magnitude : magnitude;
}

}  // namespace solar
