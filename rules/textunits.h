// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a screen reader asks of a one-line text: the character, word or whole
// line at, before or after an offset, and the run of equal attributes an
// offset lies in. Plain functions of the text, answered in one pass, for every
// offset from 0 to the length.
#include <string>
#include <string_view>

namespace textunits {

enum class Unit {
    Character,
    Word,  // a run of non-blank characters with the blanks after it
    Line,  // the whole text: a field holds one line, one sentence, one paragraph
};

// A piece of the text, [start, end). An empty piece has start == end; where
// there is no such piece at all both are -1.
struct Range {
    int start = -1;
    int end = -1;
    bool operator==(const Range &) const = default;
};

// The piece of the unit that holds the offset. At the very end of the text
// (offset == length) a word or line is the last one; a character is empty.
Range at(std::u16string_view text, int offset, Unit unit);
// The piece just before, or just after, the piece at the offset; empty at
// either end of the text.
Range before(std::u16string_view text, int offset, Unit unit);
Range after(std::u16string_view text, int offset, Unit unit);

// The text has one look throughout: one attribute run covers every character.
Range attributeRun(std::u16string_view text, int offset);

// Words written with a blank between the letters ("A l e v i d") as spoken
// words ("Alevid"); runs of blanks become one, and the ends are trimmed.
std::u16string withoutLetterSpacing(std::u16string_view text);

}  // namespace textunits
