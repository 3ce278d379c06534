// SPDX-License-Identifier: GPL-3.0-or-later
// The kit's window placement and text conversions.
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include "shell/placement.h"
#include "shell/text.h"

class TestKit : public QObject
{
    Q_OBJECT

private slots:
    void centredOnTheAvailableArea()
    {
        QWidget window;
        window.resize(301, 200);
        centreOnScreen(&window, nullptr);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(window.frameGeometry().center(), area.center());
    }

    void textRoundTrip()
    {
        const std::string utf8 = "Päikesetõus · 60°";
        QCOMPARE(toQString(utf8), QStringLiteral(u"Päikesetõus · 60°"));
        QCOMPARE(toUtf8(toQString(utf8)), utf8);
        // A view ends where it says, not at a terminating zero.
        QCOMPARE(toQString(std::string_view("õhtu", 3)), QStringLiteral(u"õ") + u'h');
    }
};

QTEST_MAIN(TestKit)
#include "tst_kit.moc"
