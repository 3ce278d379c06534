// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/toolkit_translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

#include <cstdio>

using namespace Qt::StringLiterals;

QString installToolkitTranslation(const QString &directory)
{
    const QString programDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = directory.isEmpty()
        ? QStringList{QDir::cleanPath(programDir + u'/' + QStringLiteral(VORANDEL_TRANSLATIONS_DIR)),
                      programDir + u"/translations"_s}
        : QStringList{directory};
    auto *translator = new QTranslator(QCoreApplication::instance());
    for (const QString &dir : candidates) {
        if (translator->load(u"qt_et"_s, dir) && QCoreApplication::installTranslator(translator))
            return dir;
    }
    delete translator;
    std::fprintf(stderr,
                 "vorandel: qt_et.qm not found in %s; the file and print dialogs will be in English\n",
                 qPrintable(candidates.join(u", "_s)));
    return {};
}
