#include <QApplication>

#include "mainwindow/frmProge.h"
#include "shell/frmAlgus.h"
#include "shell/pictures.h"
#include "shell/program_info.h"

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(
        QString::fromUtf8(ProgramInfo.Title.data(), qsizetype(ProgramInfo.Title.size())));
    QApplication::setApplicationVersion(QString::fromStdString(VersionNumber()));
    QApplication::setWindowIcon(pictures::sunIcon());
    // Closing the main window, the only window left, ends the program.
    QApplication::setQuitOnLastWindowClosed(true);

    auto *splash = new frmAlgus([] {
        auto *w = new frmProge;
        w->setAttribute(Qt::WA_DeleteOnClose);
        w->show();
        return static_cast<QWidget *>(w);
    });
    splash->show();
    return app.exec();
}
