// SPDX-License-Identifier: GPL-3.0-or-later
// Fills the main window with the worked example (21 June 2003, Tallinn, 30 m),
// calculates, and saves the window's picture to the file named as the
// argument. scripts/screenshot.sh runs it under Xvfb.
#include <QApplication>
#include <QLocale>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>
#include <cstdlib>

#include "mainwindow/frmProge.h"
#include "tests/bench/example.h"

namespace {

// Lets the window system deliver what is pending for a while.
void settle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: vorandel_screenshot FILE.png [-style windows]\n";
        return 64;
    }
    // The decimal comma, as an Estonian desktop shows it, whatever the locale of the run.
    QLocale::setDefault(QLocale(QLocale::Estonian, QLocale::Estonia));

    frmProge w;
    w.endProgram = [](int) {};
    w.show();
    settle(300);
    fillTallinnMidsummer2003(w);
    if (!w.controls().cmdArvuta->isEnabled()) {
        QTextStream(stderr) << "Calculate is not enabled after filling the fields\n";
        return 1;
    }
    // A notice here would mean the example was refused: report it, don't wait.
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, &w, [] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            QTextStream(stderr) << "unexpected dialog: " << modal->windowTitle() << '\n';
            QCoreApplication::exit(1);
            std::exit(1);
        }
    });
    watchdog.start(100);
    w.controls().cmdArvuta->click();
    w.tmrAeg_Timer();  // the clock and the Julian date, without waiting for the first tick
    settle(500);

    const QString path = args.at(1);
    if (!w.grab().save(path, "PNG")) {
        QTextStream(stderr) << "cannot write " << path << '\n';
        return 1;
    }
    QTextStream(stdout) << "wrote " << path << '\n';
    return 0;
}
