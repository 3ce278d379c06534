// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's sun picture as the PNG icons of the desktop entry:
// vorandel-16.png ... vorandel-256.png in the folder given as the argument.
#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QTextStream>

#include "shell/pictures.h"

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        QTextStream(stderr) << "usage: vorandel_icons FOLDER\n";
        return 64;
    }
    const QDir folder(args.at(1));
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString path = folder.filePath(QStringLiteral("vorandel-%1.png").arg(size));
        if (!pictures::sun(size).save(path, "PNG")) {
            QTextStream(stderr) << "cannot write " << path << '\n';
            return 1;
        }
    }
    return 0;
}
