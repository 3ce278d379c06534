// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>
#include <QTimeZone>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <optional>
#include <string_view>
#include <unistd.h>

#include "almanac/almanac.h"
#include "almanac/keydates.h"
#include "shell/legalclock.h"
#include "shell/program_info.h"
#include "shell/text.h"

using namespace Qt::StringLiterals;

namespace {

// Every option once; the parser, the help and wantsCommandLine read this table.
struct OptionRow {
    std::string_view name;
    std::string_view shortName;  // empty: none
    std::string_view valueName;  // empty: a switch
    std::string_view description;
    std::string_view defaultValue;  // empty: none
};

constexpr OptionRow kOptions[] = {
    {"help", "h", {}, "Shows this help.", {}},
    {"version", "v", {}, "Shows the program's name and version.", {}},
    {"year", {}, "YEAR", "The year, 1900 to 3000.", {}},
    {"lat", {}, "DEGREES", "Latitude in decimal degrees, -90 to 90, north positive.", {}},
    {"lon", {}, "DEGREES", "Longitude in decimal degrees, -180 to 180, east positive.", {}},
    {"height", {}, "METRES", "Height above the sea in metres, 0 to 9999 (default 0).", "0"},
    {"tz", {}, "ZONE", "IANA time zone of the clock times, or UTC (default Europe/Tallinn).", kDefaultZoneId},
    {"extra",
     {},
     {},
     "Also write the Sun's azimuth at sunrise and sunset (degrees from north through east), its altitude at "
     "solar noon (degrees, without refraction) and the golden hours: the Sun rising through -4 and +6 "
     "degrees, setting through +6 and -4 degrees.",
     {}},
    {"key-dates",
     {},
     {},
     "Instead of the table, the year's key dates as CSV (instant,kind,detail): equinoxes, solstices, "
     "perihelion and aphelion, clock changes, the longest and shortest day, the earliest and latest sunrise "
     "and sunset, and where the polar day, the polar night and the white nights begin and end.",
     {}},
};

const OptionRow *optionNamed(QStringView name)
{
    for (const OptionRow &option : kOptions)
        if (name == toQString(option.name)
            || (!option.shortName.empty() && name == toQString(option.shortName)))
            return &option;
    return nullptr;
}

// A value as a message shows it: in single quotes, at most 40 characters,
// control and format characters escaped, so that the message stays one line
// and shows what was typed.
QString quoted(const QString &value)
{
    constexpr qsizetype kMaxShown = 40;
    const QString cut = u"..."_s;
    QStringList pieces;  // one a character, so that a cut never splits an escape
    qsizetype length = 0;
    for (const char32_t c : value.toUcs4()) {
        switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            pieces << (c == U'\n'       ? u"\\n"_s
                           : c == U'\t' ? u"\\t"_s
                           : c == U'\r' ? u"\\r"_s
                           : c < 0x100  ? u"\\x%1"_s.arg(uint(c), 2, 16, QLatin1Char('0'))
                                        : u"\\u%1"_s.arg(uint(c), 4, 16, QLatin1Char('0')));
            break;
        default: pieces << QString::fromUcs4(&c, 1);
        }
        length += pieces.last().size();
    }
    if (length > kMaxShown) {
        length += cut.size();
        while (length > kMaxShown)
            length -= pieces.takeLast().size();
        pieces << cut;
    }
    return u'\'' + pieces.join(QString()) + u'\'';
}

// An optional sign and digits, then (where allowed) a point and digits:
// nothing else, no blanks, group separators or exponents.
bool isPlainNumber(const QString &text, bool fractionAllowed)
{
    qsizetype i = text.startsWith(u'+') || text.startsWith(u'-') ? 1 : 0;
    const auto digits = [&] {
        const qsizetype start = i;
        while (i < text.size() && text[i] >= u'0' && text[i] <= u'9')
            ++i;
        return i > start;
    };
    if (!digits())
        return false;
    if (fractionAllowed && i < text.size() && text[i] == u'.') {
        ++i;
        if (!digits())
            return false;
    }
    return i == text.size();
}

std::optional<double> numberIn(const QString &text, double low, double high)
{
    bool ok = false;
    const double value = isPlainNumber(text, true) ? QLocale::c().toDouble(text, &ok) : 0.0;
    if (!ok || !std::isfinite(value) || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<int> wholeNumberIn(const QString &text, int low, int high)
{
    bool ok = false;
    const int value = isPlainNumber(text, false) ? QLocale::c().toInt(text, &ok) : 0;
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

// Writes all of `bytes`; a failure is said on `err` with the system's reason.
bool writeAll(std::FILE *out, std::FILE *err, QByteArrayView bytes, const char *what)
{
    const std::size_t size = static_cast<std::size_t>(bytes.size());
    if (std::fwrite(bytes.data(), 1, size, out) == size && std::fflush(out) == 0)
        return true;
    const int reason = errno;
    std::fprintf(err, "vorandel: cannot write the %s: %s\n", what, std::strerror(reason));
    std::fflush(err);
    return false;
}

// What the parser would misread: "-year" as the letters y, e, a, r, and a
// switch given a value. Returns the refusal, or nothing.
std::optional<QString> misreadArgument(const QStringList &arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == u"--")
            break;
        if (argument.startsWith(u"--")) {
            const QString name = argument.mid(2).section(u'=', 0, 0);
            const OptionRow *option = optionNamed(name);
            if (option && option->valueName.empty() && argument.contains(u'='))
                return u"--%1 takes no value"_s.arg(name);
            if (option && !option->valueName.empty() && !argument.contains(u'='))
                ++i;  // the next argument is the value, whatever it looks like
            continue;
        }
        if (argument.size() < 2 || !argument.startsWith(u'-') || argument == u"-h" || argument == u"-v")
            continue;
        const OptionRow *meant = optionNamed(argument.mid(1).section(u'=', 0, 0));
        return u"unknown option %1"_s.arg(quoted(argument))
            + (meant ? u" (did you mean --%1?)"_s.arg(toQString(meant->name)) : QString());
    }
    return std::nullopt;
}

}  // namespace

void keepStandardDescriptorsOccupied()
{
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free number is this one, the lower ones being open.
        const int opened = open("/dev/null", fd == STDIN_FILENO ? O_WRONLY : O_RDONLY);
        if (opened != -1 && opened != fd) {
            dup2(opened, fd);
            close(opened);
        }
    }
}

bool wantsCommandLine(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (!arg.starts_with('-'))
            continue;
        arg.remove_prefix(arg.starts_with("--") ? 2 : 1);
        arg = arg.substr(0, arg.find('='));
        for (const OptionRow &option : kOptions)
            if (arg == option.name || (!option.shortName.empty() && arg == option.shortName))
                return true;
    }
    return false;
}

int runCommandLine(const QStringList &arguments, std::FILE *out, std::FILE *err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the Sun's events of every date of a year at a place as CSV: astronomical, nautical and civil "
        "dawn, sunrise, solar noon, sunset, civil, nautical and astronomical dusk in the legal time of the "
        "zone, and the day length. Without options the program opens its window.\n\n"
        "The times take UTC for UT1, an error of at most 0.9 s. Before a zone kept standard time its clock "
        "was the local mean time, an offset with seconds (+01:39:49 in Helsinki in 1900); such offsets are "
        "written as ISO 8601 allows, and RFC 3339 readers may reject them.\n\n"
        "A row's date is the date of its solar noon on that clock, so each date of the year has one row; a "
        "date the zone skipped (Pacific/Apia's 30 December 2011) has none. Where the clock is about 12 hours "
        "from the Sun's (UTC at 180 degrees), noon falls near midnight and a date can have two rows or "
        "none.\n\n"
        "Example: vorandel --year 2026 --lat 59.437 --lon 24.745 > tallinn-2026.csv"));
    for (const OptionRow &option : kOptions) {
        QStringList names{toQString(option.name)};
        if (!option.shortName.empty())
            names.prepend(toQString(option.shortName));
        parser.addOption(QCommandLineOption(names, toQString(option.description), toQString(option.valueName),
                                            toQString(option.defaultValue)));
    }
    const auto value = [&parser](const char *name) { return parser.value(QLatin1StringView(name)); };

    const auto say = [err](const QString &message) {
        const QByteArray line = (u"vorandel: "_s + message + u'\n').toUtf8();
        std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), err);
        std::fflush(err);
    };
    const auto refuse = [&say](const QString &message) {
        say(message);
        return kExitUsage;
    };

    if (const std::optional<QString> misread = misreadArgument(arguments))
        return refuse(*misread);
    if (!parser.parse(arguments)) {
        if (!parser.unknownOptionNames().isEmpty())
            return refuse(u"unknown option "_s + quoted(u"--"_s + parser.unknownOptionNames().constFirst()));
        return refuse(parser.errorText());  // a value missing after an option of ours
    }
    if (parser.isSet(u"help"_s))
        return writeAll(out, err, parser.helpText().toUtf8(), "help") ? 0 : kExitFailed;
    if (parser.isSet(u"version"_s)) {
        const QString version = toQString(ProgramInfo.Title) + u' ' + toQString(VersionNumber()) + u'\n';
        return writeAll(out, err, version.toUtf8(), "version") ? 0 : kExitFailed;
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(u"unexpected argument "_s + quoted(parser.positionalArguments().constFirst()));
    for (const OptionRow &option : kOptions)
        if (parser.values(toQString(option.name)).size() > 1)
            return refuse(u"--%1 given more than once"_s.arg(toQString(option.name)));
    for (const char *name : {"year", "lat", "lon"})
        if (!parser.isSet(QLatin1StringView(name)))
            return refuse(u"--%1 is missing (see --help)"_s.arg(QLatin1StringView(name)));

    const std::optional<int> y = wholeNumberIn(value("year"), almanac::kFirstYear, almanac::kLastYear);
    if (!y)
        return refuse(u"--year %1 is not a year from 1900 to 3000"_s.arg(quoted(value("year"))));
    const std::optional<double> latitude = numberIn(value("lat"), -90, 90);
    if (!latitude)
        return refuse(u"--lat %1 is not a latitude from -90 to 90"_s.arg(quoted(value("lat"))));
    const std::optional<double> longitude = numberIn(value("lon"), -180, 180);
    if (!longitude)
        return refuse(u"--lon %1 is not a longitude from -180 to 180"_s.arg(quoted(value("lon"))));
    const std::optional<double> metres = numberIn(value("height"), 0, 9999);
    if (!metres)
        return refuse(u"--height %1 is not a height from 0 to 9999 metres"_s.arg(quoted(value("height"))));
    const ZoneLookup zone = findZone(value("tz"));
    if (zone.result == ZoneLookup::Result::DatabaseUnreadable) {
        say(u"cannot read the time-zone database: "_s + zone.reason);
        return kExitFailed;
    }
    if (zone.result == ZoneLookup::Result::Unknown)
        return refuse(u"--tz %1 is not a known time zone (e.g. Europe/Tallinn)"_s.arg(quoted(value("tz"))));

    const almanac::Place place{*latitude, *longitude, *metres};
    const almanac::UtcOffsetAt clock = legalClock(zone.zone);
    const std::string csv = parser.isSet(u"key-dates"_s)
        ? almanac::keyDatesCsv(almanac::keyDates(place, *y, clock), clock)
        : almanac::yearCsv(almanac::yearTable(place, *y, clock), clock,
                           parser.isSet(u"extra"_s) ? almanac::CsvColumns::WithExtra
                                                    : almanac::CsvColumns::Events);
    return writeAll(out, err, QByteArrayView(csv.data(), qsizetype(csv.size())), "table") ? 0 : kExitFailed;
}

int commandLineMain(int argc, char *argv[])
{
    try {
        // The table needs no display: no QApplication.
        const QCoreApplication app(argc, argv);
        return runCommandLine(QCoreApplication::arguments(), stdout, stderr);
    } catch (const std::bad_alloc &) {
        // Nothing that allocates: a fixed text straight to the descriptor.
        std::fputs("vorandel: out of memory\n", stderr);
        std::fflush(stderr);
        return kExitFailed;
    }
}
