// SPDX-License-Identifier: GPL-3.0-or-later
// The place table and its three look-ups.
#include "gazetteer/places.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace gazetteer;
using namespace std::string_view_literals;

namespace {

bool isTwoDigitMinuteOrSecond(std::string_view text)
{
    return text.size() == 2 && text[0] >= '0' && text[0] <= '5' && text[1] >= '0' && text[1] <= '9';
}

bool endsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

}  // namespace

TEST(Regions, TextsKindsAndEntryCountsInListOrder)
{
    struct Expected {
        std::string_view text;
        RegionKind kind;
        std::size_t entries;
    };
    constexpr std::array<Expected, kRegionCount> expected{{
        {"A l e v i d", RegionKind::BoroughGroup, 9},
        {"L i n n a d", RegionKind::TownGroup, 62},
        {"", RegionKind::Separator, 0},
        {"Harjumaa", RegionKind::County, 13},
        {"Hiiumaa", RegionKind::County, 4},
        {"Ida-Virumaa", RegionKind::County, 12},
        {"Jõgevamaa", RegionKind::County, 8},
        {"Järvamaa", RegionKind::County, 11},
        {"Läänemaa", RegionKind::County, 9},
        {"Lääne-Virumaa", RegionKind::County, 12},
        {"Põlvamaa", RegionKind::County, 11},
        {"Pärnumaa", RegionKind::County, 13},
        {"Raplamaa", RegionKind::County, 7},
        {"Saaremaa", RegionKind::County, 14},
        {"Tartumaa", RegionKind::County, 19},
        {"Valgamaa", RegionKind::County, 9},
        {"Viljandimaa", RegionKind::County, 9},
        {"Võrumaa", RegionKind::County, 10},
    }};

    const auto texts = regionTexts();
    for (std::size_t i = 0; i < kRegionCount; ++i) {
        SCOPED_TRACE("region line " + std::to_string(i + 1));
        EXPECT_EQ(texts[i], expected[i].text);
        const auto region = findRegion(expected[i].text);
        ASSERT_TRUE(region);
        EXPECT_EQ(region->text, expected[i].text);
        EXPECT_EQ(region->kind, expected[i].kind);
        EXPECT_EQ(region->entries.size(), expected[i].entries);
    }
}

TEST(Regions, HeadingsAndTooltipsFollowTheKind)
{
    for (const RegionEntry &region : regions()) {
        SCOPED_TRACE(std::string(region.text));
        switch (region.kind) {
        case RegionKind::Separator:
            EXPECT_EQ(region.heading, "         ^ Vali piirkond ^");
            EXPECT_EQ(region.tooltip, "");
            continue;
        case RegionKind::BoroughGroup: EXPECT_EQ(region.tooltip, " Vali alev koordinaatidega "); break;
        case RegionKind::TownGroup: EXPECT_EQ(region.tooltip, " Vali linn/linnaosa koordinaatidega "); break;
        case RegionKind::County: EXPECT_EQ(region.tooltip, " Vali asula koordinaatidega "); break;
        }
        EXPECT_EQ(region.heading, "    >" + std::string(region.text) + "<");
    }
    EXPECT_EQ(findRegion("L i n n a d")->heading, "    >L i n n a d<");
}

TEST(Regions, PlaceListTooltipBySelectedText)
{
    EXPECT_EQ(placeListTooltip("A l e v i d"), " Vali alev koordinaatidega ");
    EXPECT_EQ(placeListTooltip("L i n n a d"), " Vali linn/linnaosa koordinaatidega ");
    for (std::string_view text : {"Harjumaa"sv, "Võrumaa"sv, "L i n n a d "sv, "Alevid"sv, ""sv})
        EXPECT_EQ(placeListTooltip(text), " Vali asula koordinaatidega ") << '"' << text << '"';
}

TEST(Regions, UnknownTextsYieldNothing)
{
    for (std::string_view text : {"Harjumaa "sv, " Harjumaa"sv, "harjumaa"sv, "Alevid"sv, "A l e v i d "sv,
                                  "         >Vali piirkond<"sv, "    >Harjumaa<"sv, "Kiili v."sv}) {
        EXPECT_FALSE(findRegion(text)) << '"' << text << '"';
    }
}

TEST(Places, KindCountsAndValuePresence)
{
    std::map<PlaceKind, int> perKind;
    int total = 0, withValues = 0;
    for (const RegionEntry &region : regions()) {
        for (const PlaceEntry &place : region.entries) {
            ++total;
            ++perKind[place.kind];
            EXPECT_EQ(place.values.has_value(), place.kind != PlaceKind::TownHeading) << place.listText;
            withValues += place.values.has_value();
        }
    }
    EXPECT_EQ(total, 232);
    EXPECT_EQ(withValues, 228);
    EXPECT_EQ(perKind[PlaceKind::Borough], 9);
    EXPECT_EQ(perKind[PlaceKind::Town], 43);
    EXPECT_EQ(perKind[PlaceKind::TownHeading], 4);
    EXPECT_EQ(perKind[PlaceKind::District], 15);
    EXPECT_EQ(perKind[PlaceKind::Settlement], 48);
    EXPECT_EQ(perKind[PlaceKind::Parish], 113);
}

TEST(Places, KindMatchesRegionAndFormOfText)
{
    for (const RegionEntry &region : regions()) {
        PlaceKind previous = PlaceKind::Borough;
        for (const PlaceEntry &place : region.entries) {
            SCOPED_TRACE(std::string(place.listText));
            const std::string_view t = place.listText;
            switch (place.kind) {
            case PlaceKind::Borough:
                EXPECT_EQ(region.kind, RegionKind::BoroughGroup);
                EXPECT_EQ(t.find(' '), std::string_view::npos);
                break;
            case PlaceKind::Town:
                EXPECT_EQ(region.kind, RegionKind::TownGroup);
                ASSERT_GE(t.size(), 9u);
                EXPECT_EQ(t.substr(t.size() - 8, 3), "  {"sv);  // "  {1993}"
                EXPECT_NE(t[t.size() - 9], ' ');
                EXPECT_EQ(t.back(), '}');
                break;
            case PlaceKind::TownHeading:
                EXPECT_EQ(region.kind, RegionKind::TownGroup);
                EXPECT_TRUE(endsWith(t, "} :"));
                EXPECT_EQ(t[1], ' ');  // letters spaced out
                break;
            case PlaceKind::District:
                EXPECT_EQ(region.kind, RegionKind::TownGroup);
                EXPECT_EQ(t.substr(0, 3), "-- ");
                // directly below its heading or another district of the same town
                EXPECT_TRUE(previous == PlaceKind::TownHeading || previous == PlaceKind::District);
                break;
            case PlaceKind::Settlement:
                EXPECT_EQ(region.kind, RegionKind::County);
                EXPECT_NE(t.find(" ("), std::string_view::npos);
                EXPECT_TRUE(endsWith(t, " v.)"));
                break;
            case PlaceKind::Parish:
                EXPECT_EQ(region.kind, RegionKind::County);
                EXPECT_EQ(t.find('('), std::string_view::npos);
                EXPECT_TRUE(endsWith(t, " v."));
                break;
            }
            if (previous == PlaceKind::TownHeading) {
                EXPECT_EQ(place.kind, PlaceKind::District);
            }
            previous = place.kind;
        }
    }
}

TEST(Places, EveryListTextIsUniqueAndFoundInItsOwnRegion)
{
    std::set<std::string_view> seen;
    for (const RegionEntry &region : regions()) {
        for (const PlaceEntry &place : region.entries) {
            EXPECT_TRUE(seen.insert(place.listText).second) << "twice: " << place.listText;
            EXPECT_FALSE(findRegion(place.listText)) << place.listText;
            const auto found = findPlace(place.listText);
            ASSERT_TRUE(found) << place.listText;
            EXPECT_EQ(found->listText, place.listText);
            EXPECT_EQ(found->kind, place.kind);
            int regionsHoldingIt = 0;
            for (const RegionEntry &other : regions())
                regionsHoldingIt += std::ranges::count(other.entries, place.listText, &PlaceEntry::listText);
            EXPECT_EQ(regionsHoldingIt, 1) << place.listText;
        }
    }
    EXPECT_EQ(seen.size(), 232u);
}

TEST(Places, ValuesWithinTheirRanges)
{
    int minHeight = 1000, maxHeight = -1;
    for (const RegionEntry &region : regions()) {
        for (const PlaceEntry &place : region.entries) {
            if (!place.values)
                continue;
            SCOPED_TRACE(std::string(place.listText));
            const PlaceValues &v = *place.values;
            EXPECT_GE(v.latitude.degrees, 57);
            EXPECT_LE(v.latitude.degrees, 59);
            EXPECT_GE(v.longitude.degrees, 22);
            EXPECT_LE(v.longitude.degrees, 28);
            for (std::string_view part :
                 {v.latitude.minutes, v.latitude.seconds, v.longitude.minutes, v.longitude.seconds})
                EXPECT_TRUE(isTwoDigitMinuteOrSecond(part)) << '"' << part << '"';
            minHeight = std::min<int>(minHeight, v.heightMetres);
            maxHeight = std::max<int>(maxHeight, v.heightMetres);
        }
    }
    EXPECT_EQ(minHeight, 2);
    EXPECT_EQ(maxHeight, 290);
}

struct PlaceCase {
    const char *name;
    std::string_view listText;
    PlaceKind kind;
    PlaceValues values;
};

class PlaceValuesTest : public ::testing::TestWithParam<PlaceCase>
{
};

TEST_P(PlaceValuesTest, LookUpGivesTheStoredTexts)
{
    const PlaceCase &c = GetParam();
    const auto found = findPlace(c.listText);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->kind, c.kind);
    ASSERT_TRUE(found->values);
    const PlaceValues &v = *found->values;
    EXPECT_EQ(v.latitude.degrees, c.values.latitude.degrees);
    EXPECT_EQ(v.latitude.minutes, c.values.latitude.minutes);
    EXPECT_EQ(v.latitude.seconds, c.values.latitude.seconds);
    EXPECT_EQ(v.longitude.degrees, c.values.longitude.degrees);
    EXPECT_EQ(v.longitude.minutes, c.values.longitude.minutes);
    EXPECT_EQ(v.longitude.seconds, c.values.longitude.seconds);
    EXPECT_EQ(v.heightMetres, c.values.heightMetres);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PlaceValuesTest,
    ::testing::Values(
        PlaceCase{"town_two_blanks_before_brace",
                  "Abja-Paluoja  {1993}",
                  PlaceKind::Town,
                  {{58, "07", "33"}, {25, "21", "31"}, 68}},
        PlaceCase{"zero_minutes_keep_both_digits",
                  "Alajõe v.",
                  PlaceKind::Parish,
                  {{59, "00", "43"}, {27, "25", "38"}, 35}},
        PlaceCase{
            "lowest_height", "-- Raeküla", PlaceKind::District, {{58, "21", "15"}, {24, "34", "04"}, 2}},
        PlaceCase{
            "highest_height", "Haanja v.", PlaceKind::Parish, {{57, "43", "08"}, {27, "03", "10"}, 290}},
        PlaceCase{"district_below_tallinn",
                  "-- Kesklinn",
                  PlaceKind::District,
                  {{59, "26", "00"}, {24, "44", "45"}, 6}},
        PlaceCase{"second_name_in_brackets",
                  "Tiheda (Kasepää [Raja] v.)",
                  PlaceKind::Settlement,
                  {{58, "47", "40"}, {26, "57", "31"}, 35}},
        PlaceCase{"first_settlement_of_a_county",
                  "Ardu (Kõue v.)",
                  PlaceKind::Settlement,
                  {{59, "06", "05"}, {25, "21", "29"}, 76}},
        PlaceCase{"last_line_of_the_table",
                  "Vastseliina v.",
                  PlaceKind::Parish,
                  {{57, "43", "56"}, {27, "16", "42"}, 123}},
        PlaceCase{"borough", "Vändra", PlaceKind::Borough, {{58, "38", "59"}, {25, "02", "18"}, 30}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Places, TownHeadingsHaveNoValues)
{
    for (std::string_view heading : {"M a a r d u  {1980} :"sv, "P ä r n u  {1318} :"sv,
                                     "T a l l i n n  {1248} :"sv, "T a r t u  {1262} :"sv}) {
        const auto found = findPlace(heading);
        ASSERT_TRUE(found) << heading;
        EXPECT_EQ(found->kind, PlaceKind::TownHeading);
        EXPECT_FALSE(found->values);
    }
}

TEST(Places, NearMissesYieldNothing)
{
    for (std::string_view text :
         {"Abja-Paluoja {1993}"sv, "Abja-Paluoja  {1993} "sv, " Abja-Paluoja  {1993}"sv,
          "abja-paluoja  {1993}"sv, "Abja-Paluoja"sv, "T a l l i n n {1248} :"sv, "T a l l i n n  {1248}:"sv,
          "Tallinn"sv, "--Kesklinn"sv, "-- Kesklinn "sv, "Kiili v"sv, "Tiheda (Kasepää v.)"sv, ""sv,
          "Harjumaa"sv, "    >Harjumaa<"sv}) {
        EXPECT_FALSE(findPlace(text)) << '"' << text << '"';
    }
}

TEST(Places, OrderWithinLists)
{
    const auto harjumaa = findRegion("Harjumaa");
    ASSERT_TRUE(harjumaa);
    EXPECT_EQ(harjumaa->entries.front().listText, "Ardu (Kõue v.)");
    EXPECT_EQ(harjumaa->entries.back().listText, "Vasalemma v.");

    const auto hiiumaa = findRegion("Hiiumaa");
    ASSERT_TRUE(hiiumaa);
    std::vector<std::string_view> texts;
    for (const PlaceEntry &p : hiiumaa->entries)
        texts.push_back(p.listText);
    EXPECT_EQ(texts,
              (std::vector<std::string_view>{"Emmaste v.", "Hellamaa (Pühalepa v.)", "Kõrgessaare v.",
                                             "Käina v."}));

    // The list is not strictly alphabetical: the given order holds.
    const auto towns = findRegion("L i n n a d");
    ASSERT_TRUE(towns);
    const auto at = [&](std::string_view text) {
        return std::ranges::find(towns->entries, text, &PlaceEntry::listText) - towns->entries.begin();
    };
    EXPECT_EQ(at("Türi  {1926}") + 1, at("Tõrva  {1926}"));
    EXPECT_EQ(at("T a l l i n n  {1248} :") + 1, at("-- Kesklinn"));
    EXPECT_EQ(towns->entries.front().listText, "Abja-Paluoja  {1993}");
    EXPECT_EQ(towns->entries.back().listText, "Võru  {1784}");

    EXPECT_TRUE(findRegion("")->entries.empty());
}

TEST(Places, NamesForTitles)
{
    const struct {
        const char *listText;
        const char *name;
        const char *region;
    } cases[] = {
        {"Abja-Paluoja  {1993}", "Abja-Paluoja", "L i n n a d"},
        {"-- Kesklinn", "Tallinn, Kesklinn", "L i n n a d"},
        {"Emmaste v.", "Emmaste v.", "Hiiumaa"},
        {"not a place", "not a place", nullptr},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.listText);
        EXPECT_EQ(gazetteer::placeName(c.listText), c.name);
        const auto region = gazetteer::regionOfPlace(c.listText);
        EXPECT_EQ(region.has_value(), c.region != nullptr);
        if (region && c.region) {
            EXPECT_EQ(region->text, c.region);
        }
    }
}
