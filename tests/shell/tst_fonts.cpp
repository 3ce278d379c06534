// SPDX-License-Identifier: GPL-3.0-or-later
// The faces the windows are laid out for: a warning naming the face and its
// Debian package when one is missing.
#include <QFontDatabase>
#include <QTest>

#include "shell/look.h"

using namespace Qt::StringLiterals;

class TestFonts : public QObject
{
    Q_OBJECT

private slots:
    void warnings_data()
    {
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("expected");
        const QString liberationSans
            = u"vorandel: warning: the font \"Liberation Sans\" is not installed"
              u" (Debian package fonts-liberation); some values may not fit their labels"_s;
        const QString liberationSerif
            = u"vorandel: warning: the font \"Liberation Serif\" is not installed"
              u" (Debian package fonts-liberation); some values may not fit their labels"_s;
        const QString dejaVu = u"vorandel: warning: the font \"DejaVu Sans\" is not installed"
                               u" (Debian package fonts-dejavu-core); some values may not fit their labels"_s;
        QTest::newRow("all there") << QStringList{u"DejaVu Sans"_s, u"Liberation Sans"_s,
                                                  u"Liberation Serif"_s}
                                   << QStringList{};
        QTest::newRow("names in other case")
            << QStringList{u"dejavu sans"_s, u"LIBERATION SANS"_s, u"Liberation serif"_s} << QStringList{};
        QTest::newRow("no Liberation fonts")
            << QStringList{u"DejaVu Sans"_s, u"Noto Sans"_s} << QStringList{liberationSans, liberationSerif};
        QTest::newRow("a face of a similar name is not the face")
            << QStringList{u"Liberation Sans Narrow"_s, u"Liberation Serif"_s, u"DejaVu Sans Mono"_s}
            << QStringList{liberationSans, dejaVu};
        QTest::newRow("no fonts at all")
            << QStringList{} << QStringList{liberationSans, liberationSerif, dejaVu};
    }

    void warnings()
    {
        QFETCH(QStringList, installed);
        QFETCH(QStringList, expected);
        QCOMPARE(look::missingFaceWarnings(installed), expected);
    }

    // The test machine has the fonts the build installs.
    void thisSystemHasTheFaces()
    {
        QCOMPARE(look::missingFaceWarnings(QFontDatabase::families()), QStringList{});
    }
};

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
