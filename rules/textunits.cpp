// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/textunits.h"

#include <algorithm>
#include <vector>

namespace textunits {

namespace {

bool isBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u00a0'; }

// Latin letters with the Estonian ones; enough for the texts of this program.
bool isLetter(char16_t c)
{
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z')
        || (c >= u'\u00c0' && c <= u'\u024f' && c != u'\u00d7' && c != u'\u00f7');
}

int lengthOf(std::u16string_view text) { return static_cast<int>(text.size()); }

// The offsets where a piece of the unit begins, and the length last:
// 0 = b0 < b1 < ... < bn = length (just {0} for an empty text).
std::vector<int> boundaries(std::u16string_view text, Unit unit)
{
    const int length = lengthOf(text);
    std::vector<int> starts{0};
    for (int i = 1; i < length; ++i) {
        const bool starts_piece
            = unit == Unit::Character || (unit == Unit::Word && !isBlank(text[i]) && isBlank(text[i - 1]));
        if (starts_piece)
            starts.push_back(i);
    }
    if (length > 0)
        starts.push_back(length);
    return starts;
}

// The index k of the piece [b[k], b[k+1]) holding the offset; the last piece
// for the offset at the end. -1 for an offset outside the text.
int pieceIndex(const std::vector<int> &b, int offset)
{
    const int pieces = static_cast<int>(b.size()) - 1;
    if (pieces <= 0 || offset < 0 || offset > b.back())
        return -1;
    for (int k = 0; k < pieces; ++k) {
        if (offset < b[k + 1])
            return k;
    }
    return pieces - 1;
}

Range piece(const std::vector<int> &b, int k) { return {b[k], b[k + 1]}; }

}  // namespace

Range at(std::u16string_view text, int offset, Unit unit)
{
    const int length = lengthOf(text);
    if (offset < 0 || offset > length)
        return {};
    if (length == 0 || (unit == Unit::Character && offset == length))
        return {offset, offset};
    const auto b = boundaries(text, unit);
    return piece(b, pieceIndex(b, offset));
}

Range before(std::u16string_view text, int offset, Unit unit)
{
    const int length = lengthOf(text);
    if (offset < 0 || offset > length)
        return {};
    if (length == 0 || offset == 0)
        return {0, 0};
    const auto b = boundaries(text, unit);
    // At the end of the text a character "before" is the last one.
    const int k = (unit == Unit::Character && offset == length) ? static_cast<int>(b.size()) - 1
                                                                : pieceIndex(b, offset);
    if (k == 0)
        return {0, 0};
    return piece(b, k - 1);
}

Range after(std::u16string_view text, int offset, Unit unit)
{
    const int length = lengthOf(text);
    if (offset < 0 || offset > length)
        return {};
    if (length == 0 || offset == length)
        return {length, length};
    const auto b = boundaries(text, unit);
    const int k = pieceIndex(b, offset);
    if (k + 2 >= static_cast<int>(b.size()))
        return {length, length};
    return piece(b, k + 1);
}

Range attributeRun(std::u16string_view text, int offset)
{
    const int length = lengthOf(text);
    if (offset < 0 || offset > length)
        return {};
    return {0, length};
}

std::u16string withoutLetterSpacing(std::u16string_view text)
{
    // Words are parted by blanks. A word with a single letter ("l", ">A",
    // "d<") continues the word before it when that one also had a single
    // letter, one blank lies between them and the letters meet across it.
    std::vector<std::u16string> words;
    bool lastHadOneLetter = false;
    int blanksBefore = 0;
    std::u16string word;
    auto flush = [&] {
        if (word.empty())
            return;
        const bool oneLetter = std::count_if(word.begin(), word.end(), isLetter) == 1;
        if (oneLetter && lastHadOneLetter && blanksBefore == 1 && isLetter(words.back().back())
            && isLetter(word.front()))
            words.back() += word;
        else
            words.push_back(word);
        lastHadOneLetter = oneLetter;
        word.clear();
        blanksBefore = 0;
    };
    for (char16_t c : text) {
        if (isBlank(c)) {
            flush();
            ++blanksBefore;
        } else {
            word += c;
        }
    }
    flush();
    std::u16string spoken;
    for (const auto &w : words) {
        if (!spoken.empty())
            spoken += u' ';
        spoken += w;
    }
    return spoken;
}

}  // namespace textunits
