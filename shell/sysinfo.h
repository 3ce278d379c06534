// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding and starting the system-information tool from the About dialog.
#include <QString>
#include <QStringList>
#include <functional>

#include "shell/registry.h"

class QWidget;

namespace sysinfo {

// Where the tool is registered.
inline constexpr char kPathKey[] = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
inline constexpr char kPathValue[] = "PATH";
inline constexpr char kFolderKey[] = "SOFTWARE\\Microsoft\\Shared Tools Location";
inline constexpr char kFolderValue[] = "MSINFO";
inline constexpr char kProgramInFolder[] = "\\MSINFO32.EXE";

// Without a registered tool, the first of these that is installed is started:
// information centres first, then system monitors.
inline const QStringList kOwnTools{
    QStringLiteral("kinfocenter"),
    QStringLiteral("hardinfo2"),
    QStringLiteral("hardinfo"),
    QStringLiteral("gnome-system-monitor"),
    QStringLiteral("plasma-systemmonitor"),
    QStringLiteral("ksysguard"),
    QStringLiteral("xfce4-taskmanager"),
};

// Where the own tools are looked for: the system's folders only, never PATH,
// which may hold the working folder or one the user can write.
inline const QStringList kSystemFolders{
    QStringLiteral("/usr/bin"),
    QStringLiteral("/bin"),
    QStringLiteral("/usr/sbin"),
    QStringLiteral("/sbin"),
};

// What StartSysInfo touches of the system; tests put fakes in.
struct Platform {
    registry::Registry *registry;
    std::function<bool(const QString &path)> fileExists;
    std::function<QString(const QString &name)> findInSystemFolders;  // full file name, or empty
    std::function<bool(const QString &program)> startDetached;  // no shell, no waiting
    std::function<void(QWidget *parent)> showUnavailable;
};

Platform systemPlatform();

// The standard message box: no icon, one OK button, the program's title.
void ShowSysInfoUnavailable(QWidget *parent);

}  // namespace sysinfo

// Starts the system-information tool, or tells the user it cannot be had.
// `parent` owns the message box.
void StartSysInfo(QWidget *parent = nullptr);
void StartSysInfo(const sysinfo::Platform &platform, QWidget *parent = nullptr);
