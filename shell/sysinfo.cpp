// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/sysinfo.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>

#include "shell/owner_hold.h"
#include "shell/program_info.h"
#include "shell/text.h"

using namespace Qt::StringLiterals;

namespace sysinfo {

Platform systemPlatform()
{
    return Platform{
        .registry = &registry::systemRegistry(),
        .fileExists = [](const QString &path) { return QFileInfo(path).isFile(); },
        .findInSystemFolders
        = [](const QString &name) { return QStandardPaths::findExecutable(name, kSystemFolders); },
        .startDetached
        = [](const QString &program) { return !program.isEmpty() && QProcess::startDetached(program, {}); },
        .showUnavailable = &ShowSysInfoUnavailable,
    };
}

void ShowSysInfoUnavailable(QWidget *parent)
{
    const OwnerHold hold(parent);
    // On the heap: a box on the stack would be deleted twice if its parent
    // went while it was open.
    auto *box = new QMessageBox(QMessageBox::NoIcon, toQString(ProgramInfo.Title),
                                u"Süsteemi Informatsioon on hetkel kättesaamatu"_s, QMessageBox::Ok, parent);
    box->setObjectName(u"msgSysInfo"_s);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->exec();
    hold.giveInputBack();
}

namespace {

bool startOwnTool(const Platform &platform)
{
    for (const QString &name : kOwnTools) {
        const QString program = platform.findInSystemFolders(name);
        if (!program.isEmpty() && platform.startDetached(program))
            return true;
    }
    return false;
}

}  // namespace

}  // namespace sysinfo

void StartSysInfo(const sysinfo::Platform &platform, QWidget *parent)
{
    using namespace sysinfo;
    std::string value;
    bool started = false;
    if (registry::GetKeyValue(*platform.registry, registry::kLocalMachine, kPathKey, kPathValue, value)) {
        // A registered tool that fails to start is not replaced by another.
        started = platform.startDetached(QString::fromLocal8Bit(value));
    } else if (registry::GetKeyValue(*platform.registry, registry::kLocalMachine, kFolderKey, kFolderValue,
                                     value)) {
        const QString program = QString::fromLocal8Bit(value) + QLatin1StringView(kProgramInFolder);
        // A folder without the program counts as no registered tool.
        started = platform.fileExists(program) ? platform.startDetached(program) : startOwnTool(platform);
    } else {
        started = startOwnTool(platform);
    }
    if (!started)
        platform.showUnavailable(parent);
}

void StartSysInfo(QWidget *parent) { StartSysInfo(sysinfo::systemPlatform(), parent); }
