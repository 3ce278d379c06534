// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "rules/textunits.h"

using namespace textunits;

namespace {

struct UnitCase {
    const char *name;
    std::u16string text;
    int offset;
    Unit unit;
    Range at, before, after;
};

std::ostream &operator<<(std::ostream &os, const UnitCase &c) { return os << c.name; }

class Units : public testing::TestWithParam<UnitCase>
{
};

TEST_P(Units, AtBeforeAfter)
{
    const UnitCase &c = GetParam();
    EXPECT_EQ(at(c.text, c.offset, c.unit), c.at);
    EXPECT_EQ(before(c.text, c.offset, c.unit), c.before);
    EXPECT_EQ(after(c.text, c.offset, c.unit), c.after);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fields, Units, testing::Values(
    UnitCase{"year, first digit", u"2003", 0, Unit::Character, {0, 1}, {0, 0}, {1, 2}},
    UnitCase{"year, last digit", u"2003", 3, Unit::Character, {3, 4}, {2, 3}, {4, 4}},
    UnitCase{"year, end, character", u"2003", 4, Unit::Character, {4, 4}, {3, 4}, {4, 4}},
    UnitCase{"year, end, word", u"2003", 4, Unit::Word, {0, 4}, {0, 0}, {4, 4}},
    UnitCase{"year, start, word", u"2003", 0, Unit::Word, {0, 4}, {0, 0}, {4, 4}},
    UnitCase{"two digits, end, line", u"20", 2, Unit::Line, {0, 2}, {0, 0}, {2, 2}},
    UnitCase{"empty field", u"", 0, Unit::Word, {0, 0}, {0, 0}, {0, 0}},
    UnitCase{"past the end", u"59", 3, Unit::Word, {}, {}, {}},
    UnitCase{"before the start", u"59", -1, Unit::Character, {}, {}, {}},
    UnitCase{"second word", u"ab  cd", 5, Unit::Word, {4, 6}, {0, 4}, {6, 6}},
    UnitCase{"blank after a word", u"ab  cd", 2, Unit::Word, {0, 4}, {0, 0}, {4, 6}},
    UnitCase{"end after two words", u"ab  cd", 6, Unit::Word, {4, 6}, {0, 4}, {6, 6}},
    UnitCase{"leading blanks", u"  >A<", 1, Unit::Word, {0, 2}, {0, 0}, {2, 5}}
), [](const auto &info) {
    std::string n = info.param.name;
    for (char &ch : n) if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
    return n;
});
// clang-format on

TEST(Units, EveryOffsetAnsweredWithinTheText)
{
    const std::u16string text = u"  >L i n n a d<";
    const int length = static_cast<int>(text.size());
    for (Unit unit : {Unit::Character, Unit::Word, Unit::Line}) {
        for (int offset = 0; offset <= length; ++offset) {
            for (Range r : {at(text, offset, unit), before(text, offset, unit), after(text, offset, unit)}) {
                EXPECT_LE(0, r.start) << offset;
                EXPECT_LE(r.start, r.end) << offset;
                EXPECT_LE(r.end, length) << offset;
            }
            const Range here = at(text, offset, unit);
            if (offset < length) {
                EXPECT_LE(here.start, offset);
                EXPECT_LT(offset, here.end);
            }
        }
    }
}

TEST(AttributeRun, CoversEveryCharacter)
{
    const std::u16string year = u"2003";
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(attributeRun(year, k), (Range{0, 4})) << k;
    EXPECT_EQ(attributeRun(year, 4), (Range{0, 4}));
    EXPECT_EQ(attributeRun(u"", 0), (Range{0, 0}));
    EXPECT_EQ(attributeRun(year, 5), Range{});
}

TEST(LetterSpacing, SpokenAsWords)
{
    EXPECT_EQ(withoutLetterSpacing(u"A l e v i d"), u"Alevid");
    EXPECT_EQ(withoutLetterSpacing(u"L i n n a d"), u"Linnad");
    EXPECT_EQ(withoutLetterSpacing(u" Vali  A l e v i d / L i n n a d  või maakond "),
              u"Vali Alevid / Linnad või maakond");
    EXPECT_EQ(withoutLetterSpacing(u"T a l l i n n  {1248} :"), u"Tallinn {1248} :");
    EXPECT_EQ(withoutLetterSpacing(u"    >A l e v i d<"), u">Alevid<");
    EXPECT_EQ(withoutLetterSpacing(u"V ä l j u"), u"Välju");
    EXPECT_EQ(withoutLetterSpacing(u"Ardu (Kõue v.)"), u"Ardu (Kõue v.)");
    EXPECT_EQ(withoutLetterSpacing(u"P ä r n u  {1251} :"), u"Pärnu {1251} :");
}

}  // namespace
