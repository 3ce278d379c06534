// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The built-in gazetteer: 18 region lines and 232 place lines, constant data.
// Texts are UTF-8 and are compared exactly: case, every blank and every
// punctuation mark count, nothing is trimmed.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace gazetteer {

enum class RegionKind { BoroughGroup, TownGroup, Separator, County };

enum class PlaceKind {
    Borough,  // "Aegviidu"
    Town,  // "Abja-Paluoja  {1993}"
    TownHeading,  // "T a l l i n n  {1248} :", a town divided into districts; no values
    District,  // "-- Kesklinn", directly below its town heading
    Settlement,  // "Ardu (Kõue v.)", a settlement of a parish
    Parish,  // "Kiili v."
};

// Degrees as a number; minutes and seconds as the two characters written
// into the fields, leading zero kept ("07", "00").
struct DmsText {
    std::int16_t degrees;
    std::string_view minutes;
    std::string_view seconds;
};

// North latitude and east longitude; no sign is stored.
struct PlaceValues {
    DmsText latitude;
    DmsText longitude;
    std::int16_t heightMetres;
};

struct PlaceEntry {
    std::string_view listText;
    PlaceKind kind;
    std::optional<PlaceValues> values;  // empty for a town heading
};

struct RegionEntry {
    std::string_view text;
    RegionKind kind;
    std::string_view heading;  // the place combo's text after a pick of this region
    std::string_view tooltip;  // the place combo's tooltip; empty for the separator (left unchanged)
    std::span<const PlaceEntry> entries;
};

inline constexpr std::size_t kRegionCount = 18;

// The region lines in list order; the third is the empty separator.
std::span<const RegionEntry, kRegionCount> regions();

// The region texts in list order.
std::array<std::string_view, kRegionCount> regionTexts();

// The region whose text is exactly `regionText`; nothing for any other text.
std::optional<RegionEntry> findRegion(std::string_view regionText);

// The place combo's tooltip after a pick of `regionText`: the borough group and
// the town group have their own, any other text gets the settlements' tooltip.
std::string_view placeListTooltip(std::string_view regionText);

// The place whose list text is exactly `listText`; nothing for any other text.
// List texts are unique across all regions.
std::optional<PlaceEntry> findPlace(std::string_view listText);

// The region whose list holds `listText`; nothing for any other text.
std::optional<RegionEntry> regionOfPlace(std::string_view listText);

// A place's name as a title shows it: "Abja-Paluoja  {1993}" gives
// "Abja-Paluoja"; a district gets its town's name from the heading above it,
// so "-- Kesklinn" below "T a l l i n n  {1248} :" gives "Tallinn, Kesklinn".
// Any other text is returned as it is.
std::string placeName(std::string_view listText);

}  // namespace gazetteer
