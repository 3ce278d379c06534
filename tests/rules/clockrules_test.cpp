// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "rules/clockrules.h"

using namespace clockrules;

TEST(Title, TodayCaption)
{
    EXPECT_EQ(WindowTitle(FormatTodayCaption({2026, 12, 6, 10, 0, 0, 7})),
              "Vorandel: Päikesetõus ja -loojang /[P] 06. detsember 2026. a./");
    EXPECT_EQ(WindowTitle(FormatTodayCaption({2003, 1, 1, 0, 0, 0, 3})),
              "Vorandel: Päikesetõus ja -loojang /[K] 01. jaanuar 2003. a./");
    EXPECT_EQ(FormatTodayCaption({2003, 6, 21, 0, 0, 0, 6}), "L] 21. juuni 2003. a.");
    EXPECT_EQ(FormatTodayCaption({2024, 3, 11, 0, 0, 0, 1}), "E] 11. märts 2024. a.");
}

TEST(JulianDate, LocalTimeAsItStands)
{
    EXPECT_DOUBLE_EQ(CurrentJulianDate({2003, 6, 21, 0, 0, 0, 6}), 2452811.5);
    EXPECT_DOUBLE_EQ(CurrentJulianDate({2003, 6, 21, 12, 0, 0, 6}), 2452812.0);
    EXPECT_DOUBLE_EQ(CurrentJulianDate({2003, 6, 21, 6, 0, 0, 6}), 2452811.75);
    EXPECT_DOUBLE_EQ(CurrentJulianDate({2000, 1, 1, 12, 0, 0, 6}), 2451545.0);
}

TEST(JulianDate, Text)
{
    EXPECT_EQ(FormatJulianDate(2452811.5, U'.'), "2 452 811.500000");
    EXPECT_EQ(FormatJulianDate(2452811.5, U','), "2 452 811,500000");
    EXPECT_EQ(FormatJulianDate(2452811.75, U','), "2 452 811,750000");
    // One second is 0.0000115740…: the sixth decimal rounds, halves up.
    EXPECT_EQ(FormatJulianDate(CurrentJulianDate({2003, 6, 21, 0, 0, 1, 6}), U'.'), "2 452 811.500012");
    EXPECT_EQ(FormatJulianDate(2452811.9999995, U'.'), "2 452 812.000000");
}

// The astronomical Julian date of an instant; the figures are PyEphem's
// julian_date of the same UTC date and time.
TEST(JulianDate, UtTip)
{
    struct Row {
        const char *name;
        double utcSeconds;  // from 1970-01-01 00:00 UTC
        char32_t mark;
        const char *tip;
    };
    const Row rows[] = {
        {"the Unix epoch", 0, U'.', " Juliuse päev (UT): 2 440 587.500000 "},
        {"J2000.0", 946728000, U'.', " Juliuse päev (UT): 2 451 545.000000 "},
        {"a second before 2000", 946684799, U',', " Juliuse päev (UT): 2 451 544,499988 "},
        {"8 December 2026, 12:30:36", 1796733036, U'.', " Juliuse päev (UT): 2 461 383.021250 "},
        {"25 October 2026, 00:30", 1792888200, U'.', " Juliuse päev (UT): 2 461 338.520833 "},
        {"25 October 2026, 01:30", 1792891800, U'.', " Juliuse päev (UT): 2 461 338.562500 "},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(UtJulianDateTip(row.utcSeconds, row.mark), row.tip);
    }
}

TEST(Clock, Text)
{
    EXPECT_EQ(FormatClock(9, 5, 3, ":"), "09:05:03");
    EXPECT_EQ(FormatClock(23, 59, 59, "."), "23.59.59");
}

struct SeparatorRow {
    const char *name;
    std::u32string_view format;
    std::string separator;
};

// Short time formats as the regional settings of several languages give them.
class ClockSeparator : public testing::TestWithParam<SeparatorRow>
{
};

TEST_P(ClockSeparator, FromTheTimeFormat)
{
    EXPECT_EQ(TimeSeparator(GetParam().format), GetParam().separator);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, ClockSeparator,
    testing::Values(SeparatorRow{"Estonian", U"HH:mm", ":"}, SeparatorRow{"Finnish", U"H.mm", "."},
                    SeparatorRow{"Danish", U"HH.mm", "."}, SeparatorRow{"AmericanEnglish", U"h:mm AP", ":"},
                    SeparatorRow{"Korean", U"AP h:mm", ":"},
                    // The quoted letter is no separator: two blanks stand between.
                    SeparatorRow{"CanadianFrench", U"HH 'h' mm", ":"},
                    // Text quoted after the minutes does not count either.
                    SeparatorRow{"Bulgarian", U"H:mm 'ч'.", ":"},
                    SeparatorRow{"QuotedSeparatorOnly", U"HH'.'mm", ":"},
                    SeparatorRow{"QuotedHourLetter", U"'h'HH.mm", "."},
                    SeparatorRow{"QuoteSignBetween", U"HH''mm", ":"},
                    SeparatorRow{"NonAsciiSeparator", U"HH\u2236mm", "\u2236"},
                    SeparatorRow{"LetterBetween", U"HHxmm", ":"}, SeparatorRow{"NoSeparator", U"HHmm", ":"},
                    SeparatorRow{"MinutesFirst", U"mm:HH", ":"}, SeparatorRow{"NoHours", U"mm:ss", ":"},
                    SeparatorRow{"Empty", U"", ":"}, SeparatorRow{"HoursAtTheEnd", U"mm HH", ":"}),
    [](const testing::TestParamInfo<SeparatorRow> &row) { return std::string(row.param.name); });
