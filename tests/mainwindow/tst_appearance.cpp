// SPDX-License-Identifier: GPL-3.0-or-later
// What a user meets in the window under the program's style and the
// toolkit's own: greyed commands, the option buttons on lavender, and the
// season frame entered by Tab at the option selected.
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleFactory>

#include "window_fixture.h"

using namespace Qt::StringLiterals;

namespace {

const QColor kLavender(192, 192, 255);

// Pixels of one colour inside the button, away from its bevel and frame.
int pixelsInside(QWidget *button, const QColor &colour)
{
    const QImage image = button->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal dpr = image.devicePixelRatio();
    const QRect inside = QRect(QPoint(0, 0), image.size())
                             .adjusted(int(6 * dpr), int(6 * dpr), int(-6 * dpr), int(-6 * dpr));
    int count = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += image.pixelColor(x, y) == colour;
    }
    return count;
}

}  // namespace

class TestAppearance : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<frmProge> w;
    std::unique_ptr<NoticeRecorder> recorder;

    void checkCommandLooks(QPushButton *cmd)
    {
        const QPalette p = cmd->palette();
        const QColor enabledText = p.color(QPalette::Active, QPalette::ButtonText);
        const QColor disabledText = p.color(QPalette::Disabled, QPalette::ButtonText);
        QCOMPARE(enabledText, QColor(Qt::black));
        // The disabled text colour is the style's own, not the window's black.
        QCOMPARE(disabledText, QApplication::palette(cmd).color(QPalette::Disabled, QPalette::ButtonText));
        QVERIFY(disabledText != enabledText);
        // Drawn: a disabled caption has no black in it, an enabled one has.
        if (cmd->isEnabled())
            QVERIFY(pixelsInside(cmd, enabledText) > 0);
        else
            QCOMPARE(pixelsInside(cmd, enabledText), 0);
    }

private slots:
    void init()
    {
        QFETCH_GLOBAL(QString, style);
        QApplication::setStyle(QStyleFactory::create(style));
        openSession(w, recorder);
    }
    void cleanup()
    {
        QLocale::setDefault(QLocale::c());
        QVERIFY(closeSession(w, recorder));
    }

    // The program's classic style and the toolkit's default.
    void initTestCase_data()
    {
        QTest::addColumn<QString>("style");
        QTest::newRow("Windows") << u"Windows"_s;
        QTest::newRow("Fusion") << u"Fusion"_s;
    }

    void commandsGreyedWhileDisabled()
    {
        // At start both are disabled.
        checkCommandLooks(w->controls().cmdArvuta);
        checkCommandLooks(w->controls().cmdTühjenda);
        // All ten fields filled: Calculate is enabled.
        fillAllButTheDate(*w);
        w->controls().txtPäev->setText(u"21"_s);
        w->controls().txtKuu->setText(u"06"_s);
        QVERIFY(w->controls().cmdArvuta->isEnabled());
        checkCommandLooks(w->controls().cmdArvuta);
        // Results shown: Calculate disabled, Clear enabled.
        w->controls().cmdArvuta->click();
        QVERIFY(!w->controls().cmdArvuta->isEnabled());
        QVERIFY(w->controls().cmdTühjenda->isEnabled());
        checkCommandLooks(w->controls().cmdArvuta);
        checkCommandLooks(w->controls().cmdTühjenda);
        // After Clear both are disabled again.
        w->controls().cmdTühjenda->click();
        checkCommandLooks(w->controls().cmdArvuta);
        checkCommandLooks(w->controls().cmdTühjenda);
        // The place list is greyed out as well while it is locked.
        QCOMPARE(w->controls().cboPiirkond->palette().color(QPalette::Disabled, QPalette::Text),
                 QApplication::palette(w->controls().cboPiirkond).color(QPalette::Disabled, QPalette::Text));
    }

    void optionButtonsOnLavender()
    {
        for (QRadioButton *opt : {w->controls().optSuveaeg, w->controls().optTalveaeg}) {
            QCOMPARE(opt->palette().color(opt->backgroundRole()), kLavender);
            const QImage image = opt->grab().toImage().convertToFormat(QImage::Format_RGB32);
            int lavender = 0, lightGrey = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QColor c = image.pixelColor(x, y);
                    lavender += c == kLavender;
                    lightGrey += c == QColor(239, 239, 239);
                }
            }
            QCOMPARE(lightGrey, 0);
            // Most of the button is background.
            QVERIFY2(lavender > image.width() * image.height() / 2, qPrintable(opt->objectName()));
            QCOMPARE(image.pixelColor(image.width() - 1, 0), kLavender);
            QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), kLavender);
        }
    }

    void tabEntersSeasonAtSelectedOption_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("winter");
        QTest::newRow("at start") << u"start"_s << false;
        QTest::newRow("after a click on winter time") << u"click winter"_s << true;
        QTest::newRow("after a click back on summer time") << u"click winter, summer"_s << false;
        QTest::newRow("after a winter month, summer had the focus") << u"month 12"_s << true;
        QTest::newRow("after a summer month, winter had the focus") << u"click winter, month 07"_s << false;
        QTest::newRow("after the arrow key") << u"arrow"_s << true;
    }

    void tabEntersSeasonAtSelectedOption()
    {
        QFETCH(QString, how);
        QFETCH(bool, winter);
        fillAllButTheDate(*w);
        // The summer option has had the focus (it is selected at start).
        w->controls().txtKõrgus->setFocus();
        pressKey(Qt::Key_Tab);
        QCOMPARE(focused(), w->controls().optSuveaeg);
        if (how.contains(u"click winter"))
            QTest::mouseClick(w->controls().optTalveaeg, Qt::LeftButton, {},
                              QPoint(6, w->controls().optTalveaeg->height() / 2));
        if (how.endsWith(u"summer"))
            QTest::mouseClick(w->controls().optSuveaeg, Qt::LeftButton, {},
                              QPoint(6, w->controls().optSuveaeg->height() / 2));
        if (how == u"arrow")
            pressKey(Qt::Key_Right);
        if (how.contains(u"month")) {
            typeInto(w->controls().txtKuu, how.right(2).toUtf8().constData());
            pressKey(Qt::Key_Tab);  // the month advanced on its own; leave the year too
        }
        QRadioButton *selected = winter ? w->controls().optTalveaeg : w->controls().optSuveaeg;
        QRadioButton *other = winter ? w->controls().optSuveaeg : w->controls().optTalveaeg;
        QVERIFY(selected->isChecked());

        w->controls().txtKõrgus->setFocus();
        pressKey(Qt::Key_Tab);
        QCOMPARE(focused(), selected);
        // Tab leaves the frame: the other option is no stop.
        pressKey(Qt::Key_Tab);
        QVERIFY(focused() != other);
        QVERIFY(!w->controls().fraSesoon->isAncestorOf(focused()));
        // Shift+Tab comes back to the option selected, and goes on to the height.
        pressKey(Qt::Key_Backtab);
        QCOMPARE(focused(), selected);
        pressKey(Qt::Key_Backtab);
        QCOMPARE(focused(), w->controls().txtKõrgus);
        // The arrow keys still move between the two options.
        pressKey(Qt::Key_Tab);
        pressKey(winter ? Qt::Key_Left : Qt::Key_Right);
        QCOMPARE(focused(), other);
        QVERIFY(other->isChecked());
    }

    // The clock in the regional settings of several languages: quoted text in
    // the time format never shows between the numbers.
    void clockSeparator_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("pattern");
        QTest::newRow("Canadian French, \"HH 'h' mm\"") << u"fr_CA"_s << uR"(^\d\d:\d\d:\d\d$)"_s;
        QTest::newRow("Bulgarian, \"H:mm 'ч'.\"") << u"bg_BG"_s << uR"(^\d\d:\d\d:\d\d$)"_s;
        QTest::newRow("Finnish, \"H.mm\"") << u"fi_FI"_s << uR"(^\d\d\.\d\d\.\d\d$)"_s;
        QTest::newRow("Estonian, \"HH:mm\"") << u"et_EE"_s << uR"(^\d\d:\d\d:\d\d$)"_s;
    }

    void clockSeparator()
    {
        QFETCH(QString, locale);
        QFETCH(QString, pattern);
        QLocale::setDefault(QLocale(locale));
        w->tmrAeg_Timer();
        const QString clock = w->controls().picKell->text();
        QVERIFY2(QRegularExpression(pattern).match(clock).hasMatch(), qPrintable(clock));
    }
};

QTEST_MAIN(TestAppearance)
#include "tst_appearance.moc"
