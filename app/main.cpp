// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QStyleFactory>

#include "app/commandline.h"
#include "app/display.h"
#include "mainwindow/frmProge.h"
#include "shell/frmAlgus.h"
#include "shell/look.h"
#include "shell/pictures.h"
#include "shell/program_info.h"
#include "shell/text.h"
#include "shell/toolkit_translation.h"

int main(int argc, char *argv[])
{
    keepStandardDescriptorsOccupied();
    if (wantsCommandLine(argc, argv))
        return commandLineMain(argc, argv);

    ExpectDisplay(argc, argv);
    QApplication app(argc, argv);
    DisplayConnected();
    look::warnAboutMissingFaces();
    installToolkitTranslation();
    // The classic desktop look the windows were designed in: etched frames,
    // raised buttons.
    if (QStyle *classic = QStyleFactory::create(QStringLiteral("Windows")))
        QApplication::setStyle(classic);
    QApplication::setApplicationName(toQString(ProgramInfo.Title));
    QApplication::setApplicationVersion(toQString(VersionNumber()));
    QApplication::setWindowIcon(pictures::sunIcon());
    // Closing the main window, the only window left, ends the program.
    QApplication::setQuitOnLastWindowClosed(true);

    auto *splash = new frmAlgus([] {
        auto *w = new frmProge;
        w->setAttribute(Qt::WA_DeleteOnClose);
        // The main window gone, the program ends, whatever other window the
        // platform may still count as open.
        QObject::connect(w, &QObject::destroyed, qApp, &QCoreApplication::quit);
        w->show();
        return static_cast<QWidget *>(w);
    });
    splash->show();
    const int exitCode = QApplication::exec();
    EndWithin(std::chrono::milliseconds(750), exitCode);
    return exitCode;
}
