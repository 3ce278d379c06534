// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"

#include <QCommandLineParser>
#include <QLocale>
#include <QTimeZone>

#include <cmath>
#include <cstring>
#include <optional>
#include <string_view>

#include "almanac/almanac.h"
#include "almanac/keydates.h"
#include "shell/legalclock.h"
#include "shell/program_info.h"

namespace {

constexpr std::string_view kOptionNames[]
    = {"year", "lat", "lon", "height", "tz", "key-dates", "help", "help-all", "version"};

struct Refusal {
    QString message;
};

void writeLine(std::FILE *stream, const QString &text)
{
    const QByteArray utf8 = (text + u'\n').toUtf8();
    std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stream);
    std::fflush(stream);
}

// A number in the C locale's form (a point, no group separators), finite, in range.
std::optional<double> numberIn(const QString &text, double low, double high)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value) || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<int> wholeNumberIn(const QString &text, int low, int high)
{
    bool ok = false;
    const int value = QLocale::c().toInt(text.trimmed(), &ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

}  // namespace

bool wantsCommandLine(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "-h" || arg == "-?" || arg == "-v")
            return true;
        if (!arg.starts_with("--"))
            continue;
        arg.remove_prefix(2);
        arg = arg.substr(0, arg.find('='));
        for (std::string_view name : kOptionNames)
            if (arg == name)
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
        "Example: vorandel --year 2026 --lat 59.437 --lon 24.745 > tallinn-2026.csv"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption year(QStringLiteral("year"), QStringLiteral("The year, 1900 to 3000."),
                                  QStringLiteral("YEAR"));
    const QCommandLineOption lat(QStringLiteral("lat"),
                                 QStringLiteral("Latitude in decimal degrees, -90 to 90, north positive."),
                                 QStringLiteral("DEGREES"));
    const QCommandLineOption lon(QStringLiteral("lon"),
                                 QStringLiteral("Longitude in decimal degrees, -180 to 180, east positive."),
                                 QStringLiteral("DEGREES"));
    const QCommandLineOption height(QStringLiteral("height"),
                                    QStringLiteral("Height above the sea in metres, 0 to 9999 (default 0)."),
                                    QStringLiteral("METRES"), QStringLiteral("0"));
    const QCommandLineOption zone(
        QStringLiteral("tz"), QStringLiteral("IANA time zone of the clock times (default Europe/Tallinn)."),
        QStringLiteral("ZONE"), QString::fromLatin1(kDefaultZoneId));
    const QCommandLineOption keyDates(
        QStringLiteral("key-dates"),
        QStringLiteral("Instead of the table, the year's key dates as CSV (instant,kind,detail): equinoxes, "
                       "solstices, perihelion and aphelion, clock changes, the longest and shortest day, the "
                       "earliest and latest sunrise and sunset, and where the polar day, the polar night and "
                       "the white nights begin and end."));
    parser.addOptions({year, lat, lon, height, zone, keyDates});

    const auto refuse = [err](const QString &message) {
        writeLine(err, QStringLiteral("vorandel: ") + message);
        return kExitUsage;
    };

    if (!parser.parse(arguments))
        return refuse(parser.errorText());
    if (parser.isSet(help)) {
        const QByteArray text = parser.helpText().toUtf8();
        std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), out);
        return std::fflush(out) == 0 && !std::ferror(out) ? 0 : kExitWriteFailed;
    }
    if (parser.isSet(version)) {
        writeLine(out,
                  QString::fromUtf8(ProgramInfo.Title.data(), qsizetype(ProgramInfo.Title.size())) + u' '
                      + QString::fromStdString(VersionNumber()));
        return std::ferror(out) ? kExitWriteFailed : 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(
            QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().constFirst()));
    for (const QCommandLineOption *option : {&year, &lat, &lon, &height, &zone})
        if (parser.values(*option).size() > 1)
            return refuse(QStringLiteral("--%1 given more than once").arg(option->names().constFirst()));
    for (const QCommandLineOption *option : {&year, &lat, &lon})
        if (!parser.isSet(*option))
            return refuse(QStringLiteral("--%1 is missing (see --help)").arg(option->names().constFirst()));

    const std::optional<int> y = wholeNumberIn(parser.value(year), almanac::kFirstYear, almanac::kLastYear);
    if (!y)
        return refuse(QStringLiteral("--year '%1' is not a year from 1900 to 3000").arg(parser.value(year)));
    const std::optional<double> latitude = numberIn(parser.value(lat), -90, 90);
    if (!latitude)
        return refuse(QStringLiteral("--lat '%1' is not a latitude from -90 to 90").arg(parser.value(lat)));
    const std::optional<double> longitude = numberIn(parser.value(lon), -180, 180);
    if (!longitude)
        return refuse(
            QStringLiteral("--lon '%1' is not a longitude from -180 to 180").arg(parser.value(lon)));
    const std::optional<double> metres = numberIn(parser.value(height), 0, 9999);
    if (!metres)
        return refuse(
            QStringLiteral("--height '%1' is not a height from 0 to 9999 metres").arg(parser.value(height)));
    const QTimeZone timeZone(parser.value(zone).toUtf8());
    if (!timeZone.isValid())
        return refuse(QStringLiteral("--tz '%1' is not a known time zone").arg(parser.value(zone)));

    const almanac::Place place{*latitude, *longitude, *metres};
    const almanac::UtcOffsetAt clock = legalClock(timeZone);
    const std::string csv = parser.isSet(keyDates)
        ? almanac::keyDatesCsv(almanac::keyDates(place, *y, clock), clock)
        : almanac::yearCsv(almanac::yearTable(place, *y), clock);
    const std::size_t written = std::fwrite(csv.data(), 1, csv.size(), out);
    if (written != csv.size() || std::fflush(out) != 0) {
        writeLine(err,
                  QStringLiteral("vorandel: cannot write the table: %1")
                      .arg(QString::fromLocal8Bit(std::strerror(errno))));
        return kExitWriteFailed;
    }
    return 0;
}
