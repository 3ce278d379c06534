// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the window tests share: a window shown and active, typing helpers, and
// a recorder that closes every notice and remembers what it said.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <memory>
#include <utility>

#include "mainwindow/frmProge.h"
#include "shell/frmViga.h"
#include "shell/notice.h"

struct RecordedNotice {
    QString title, line1, line2, line3;
    bool operator==(const RecordedNotice &) const = default;
};

inline char *toString(const RecordedNotice &n)
{
    const QString text = QStringLiteral("[%1 | %2 | %3 | %4]").arg(n.title, n.line1, n.line2, n.line3);
    return QTest::toString(text);
}

// Closes every message dialog that opens while it runs (with its button, as a
// user would) and keeps its title and lines.
class NoticeRecorder : public QObject
{
public:
    // holdMs: how long the user reads a notice before closing it.
    explicit NoticeRecorder(int holdMs = 0)
    {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this, holdMs] {
            auto *dlg = qobject_cast<frmViga *>(QApplication::activeModalWidget());
            if (!dlg || !dlg->isVisible() || closing_ == dlg)
                return;
            if (seen_ != dlg) {
                seen_ = dlg;
                shown_.start();
            }
            if (shown_.elapsed() < holdMs)
                return;
            closing_ = dlg;
            notices.append(
                {dlg->windowTitle(), dlg->lblEsimene->text(), dlg->lblTeine->text(), dlg->lblKolmas->text()});
            dlg->Command1->click();
        });
        timer_.start();
    }
    QList<RecordedNotice> notices;

private:
    QTimer timer_;
    QPointer<frmViga> closing_, seen_;
    QElapsedTimer shown_;
};

inline std::unique_ptr<frmProge> showWindow()
{
    auto w = std::make_unique<frmProge>();
    w->endProgram = [](int) {};
    w->show();
    QApplication::setActiveWindow(w.get());
    if (!QTest::qWaitForWindowActive(w.get()))
        qWarning("window did not become active");
    return w;
}

// The widget that has the keyboard focus once the window is active again
// (after a notice the window gets the focus back a moment later).
inline QWidget *focused()
{
    // Null when nothing took the focus in time: the caller's check reports it.
    (void)QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 2000);
    return QApplication::focusWidget();
}

// Every window test: a window shown and a recorder for its notices, and at
// the end no dialog left behind.
inline void openSession(std::unique_ptr<frmProge> &w, std::unique_ptr<NoticeRecorder> &recorder)
{
    w = showWindow();
    recorder = std::make_unique<NoticeRecorder>();
}

inline bool closeSession(std::unique_ptr<frmProge> &w, std::unique_ptr<NoticeRecorder> &recorder)
{
    recorder.reset();
    w.reset();
    return !QApplication::activeModalWidget();
}

// The year and place of the worked example (2003, Tallinn, 30 m) written into
// their fields; the date is left to the test.
inline void fillAllButTheDate(frmProge &w)
{
    const MainWindowControls &c = w.controls();
    const std::pair<QLineEdit *, const char *> texts[] = {
        {c.txtAasta, "2003"},      {c.txtLaiusKraad, "59"},  {c.txtLaiusMinut, "26"},
        {c.txtLaiusSekund, "13"},  {c.txtPikkusKraad, "24"}, {c.txtPikkusMinut, "44"},
        {c.txtPikkusSekund, "42"}, {c.txtKõrgus, "30"},
    };
    for (const auto &[field, text] : texts)
        field->setText(QString::fromLatin1(text));
}

// Types the characters into the widget that has the focus, as a user would.
inline void typeText(const char *text) { QTest::keyClicks(focused(), QString::fromUtf8(text)); }

inline void typeInto(QLineEdit *field, const char *text)
{
    focused();
    field->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(field, QString::fromUtf8(text));
}

inline void pressKey(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QTest::keyClick(focused(), key, mods);
}

// True once the widget has the focus (waiting for the window to be active again).
inline bool gotFocus(QWidget *w)
{
    return QTest::qWaitFor([w] { return w->hasFocus(); }, 2000);
}

inline RecordedNotice notice(const char *title, const char *l1, const char *l2 = "", const char *l3 = "")
{
    return {QString::fromUtf8(title), QString::fromUtf8(l1), QString::fromUtf8(l2), QString::fromUtf8(l3)};
}

inline const RecordedNotice kTooLarge = notice("Viga sisestamisel", "Sisestatud välja Täisarv on liiga suur");
inline const RecordedNotice kRejectedKey
    = notice("Viga sisestamisel", "Sisestatavad andmed peavad olema positiivsed täisarvud",
             "(v.a. geogr. pikkuskraad)");
inline const RecordedNotice kWrongDay = notice("Vigane kuupäev", "Sisestatud kuupäev ei ole õige");
inline const RecordedNotice kNotLeapYear = notice("Vigane kuupäev", "Sisestatud aasta ei ole liigaasta");
inline const RecordedNotice kYearBefore1900
    = notice("Tähelepanu", "Sisestatav aasta peab algama alates aastast 1900 k.a.");
