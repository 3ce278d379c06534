// SPDX-License-Identifier: GPL-3.0-or-later
// Starts as the program does and quits as soon as the window is on screen:
//   startup_bare      a bare Qt window (QApplication, one empty QWidget)
//   startup_label     the same window showing one line of text (fonts loaded)
//   startup_vorandel  the splash, handed over at once, then the main window
// tests/bench/startup.py runs both many times and compares time and memory.
#include <QApplication>
#include <QLabel>
#include <QStyleFactory>
#include <QTimer>
#include <QWidget>

#ifdef VORANDEL_STARTUP
#include "mainwindow/frmProge.h"
#include "shell/frmAlgus.h"
#include "shell/pictures.h"
#endif

namespace {

// Quits the program after the first paint of the watched window.
class QuitAfterPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QuitAfterPaint quitter;
#ifdef VORANDEL_STARTUP
    if (QStyle *classic = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(classic);
    QApplication::setWindowIcon(pictures::sunIcon());
    auto *splash = new frmAlgus([&quitter] {
        auto *w = new frmProge;
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->endProgram = [](int) {};
        w->installEventFilter(&quitter);
        w->show();
        return static_cast<QWidget *>(w);
    });
    splash->show();
    // The splash's own hand-over, as a first key would make it.
    QTimer::singleShot(0, splash, &frmAlgus::Form_KeyPress);
#elif defined(VORANDEL_STARTUP_LABEL)
    QLabel bare(QStringLiteral("Päikesetõus ja -loojang"));
    bare.resize(440, 433);
    bare.installEventFilter(&quitter);
    bare.show();
#else
    QWidget bare;
    bare.resize(440, 433);
    bare.installEventFilter(&quitter);
    bare.show();
#endif
    const int code = QApplication::exec();
#ifdef VORANDEL_STARTUP
    for (QWidget *w : QApplication::topLevelWidgets())
        delete w;
#endif
    return code;
}
