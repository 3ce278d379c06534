// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace solar {

// One observation as typed into the ten input fields.
struct Observation {
    std::int16_t day = 0, month = 0, year = 0;
    std::int16_t latitudeDegrees = 0, latitudeMinutes = 0, latitudeSeconds = 0;
    std::int16_t longitudeDegrees = 0, longitudeMinutes = 0, longitudeSeconds = 0;
    std::int16_t heightMetres = 0;
    // The longitude degrees text carried a minus sign; "-0" and "-00" are west too.
    bool longitudeNegative = false;
};

// A field's text as a 16-bit number. The text must be one or more ASCII digits,
// after one leading '-' where allowMinus; anything else ("", "-", "5-", "--",
// "1.5", " 5") and anything beyond -32768..32767 gives no value.
std::optional<std::int16_t> FieldTextToInt16(std::string_view text, bool allowMinus = false);

// The ten field texts in row order: day, month, year, latitude degrees,
// minutes, seconds, longitude degrees, minutes, seconds, height. Only the
// longitude degrees may carry a minus. No value when any text is not a whole
// number of its field's form.
std::optional<Observation> ReadObservation(const std::array<std::string_view, 10> &fieldTexts);

// Decimal degrees, north positive: minutes / 60 + degrees + seconds / 3600.
double DecimalLatitude(const Observation &obs);

// Decimal degrees, east positive. West of Greenwich the minutes and seconds
// take the sign of the degrees: -5° 30' 00'' is -5.5.
double DecimalLongitude(const Observation &obs);

}  // namespace solar
