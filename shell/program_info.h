// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's identity: shown by the splash and the About dialog, and the
// content of the executable's version record.
#include <cstdint>
#include <string>
#include <string_view>

struct ProgramInfoRecord {
    std::string_view Title;
    std::int16_t Major;
    std::int16_t Minor;
    std::int16_t Revision;
    std::string_view FileDescription;
    std::string_view LegalCopyright;
    std::string_view Comments;
};

// Texts are UTF-8.
inline constexpr ProgramInfoRecord ProgramInfo{
    .Title = "Vorandel",
    .Major = 2,
    .Minor = 0,
    .Revision = 2,
    .FileDescription = "See on mu esimene katseprojekt; rohkem õppimise eesmärgil loodud. Võimalik, et "
                       "tulevikus saab sellest suurema programmi osa; eks seda näita juba aeg...",
    .LegalCopyright = "© 2026 Vorandeli arendajad",
    .Comments = "Päikesetõus ja -loojang",
};

// "Versioon 2.0.2": plain decimal numbers, no leading zeros, blanks or signs.
inline std::string VersionText(const ProgramInfoRecord &info = ProgramInfo)
{
    return "Versioon " + std::to_string(info.Major) + "." + std::to_string(info.Minor) + "."
        + std::to_string(info.Revision);
}

// "2.0.2", the application version as the toolkit wants it.
inline std::string VersionNumber(const ProgramInfoRecord &info = ProgramInfo)
{
    return std::to_string(info.Major) + "." + std::to_string(info.Minor) + "."
        + std::to_string(info.Revision);
}
