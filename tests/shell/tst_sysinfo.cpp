// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the registry and finding the system-information tool, with a
// registry in memory and a launcher that only records.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "fake_registry.h"
#include "shell/registry.h"
#include "shell/sysinfo.h"

using namespace Qt::StringLiterals;

namespace {
const std::string kKey = "SOFTWARE\\Test";
const std::string kValue = "Value";
}  // namespace

class tst_sysinfo : public QObject
{
    Q_OBJECT

private slots:
    void getKeyValue_data();
    void getKeyValue();
    void getKeyValueMissing_data();
    void getKeyValueMissing();
    void systemRegistryFindsNothing();
    void startSysInfo_data();
    void startSysInfo();
    void ownToolsOnlyFromSystemFolders();
    void unavailableMessage();
};

void tst_sysinfo::getKeyValue_data()
{
    QTest::addColumn<uint>("type");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QByteArray>("value");

    const QByteArray z(1, '\0');
    QTest::newRow("text ending in a zero character loses it")
        << 1u << "C:\\Tools\\msinfo32.exe"_ba + z << true << "C:\\Tools\\msinfo32.exe"_ba;
    QTest::newRow("text without a final zero keeps every character")
        << 1u << "C:\\Tools"_ba << true << "C:\\Tools"_ba;
    QTest::newRow("only one of two final zeros is dropped") << 1u << "abc"_ba + z + z << true << "abc"_ba + z;
    QTest::newRow("a zero inside the text stays")
        << 1u << "ab"_ba + z + "c"_ba << true << "ab"_ba + z + "c"_ba;
    QTest::newRow("a lone zero is the empty text") << 1u << z << true << QByteArray();
    QTest::newRow("full buffer of 1024 without a zero")
        << 1u << QByteArray(1024, 'x') << true << QByteArray(1024, 'x');
    QTest::newRow("32-bit number 16") << 4u << QByteArray("\x10\0\0\0", 4) << true << "&h10"_ba;
    QTest::newRow("32-bit number, least significant byte first")
        << 4u << QByteArray("\x78\x56\x34\x12", 4) << true << "&h12345678"_ba;
    QTest::newRow("32-bit number, upper-case digits")
        << 4u << QByteArray("\xff\xff\xff\xff", 4) << true << "&hFFFFFFFF"_ba;
    QTest::newRow("32-bit zero") << 4u << QByteArray(4, '\0') << true << "&h0"_ba;
    QTest::newRow("another type leaves the value as it was") << 3u << "xyz"_ba << true << "before"_ba;
    QTest::newRow("more than 1024 bytes is a failure")
        << 1u << QByteArray(1025, 'x') << false << QByteArray();
    QTest::newRow("no bytes at all is a failure") << 1u << QByteArray() << false << QByteArray();
}

void tst_sysinfo::getKeyValue()
{
    QFETCH(uint, type);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, result);
    QFETCH(QByteArray, value);

    FakeRegistry reg;
    reg.set(kKey, kValue, type, bytes.toStdString());
    std::string keyVal = "before";
    QCOMPARE(registry::GetKeyValue(reg, registry::kLocalMachine, kKey, kValue, keyVal), result);
    QCOMPARE(QByteArray::fromStdString(keyVal), value);
    QCOMPARE(reg.openKeys, 0);  // the key is closed on every path
    QCOMPARE(reg.lastRoot, 0x80000002u);
    QCOMPARE(reg.lastAccess, 0x2003Fu);
}

void tst_sysinfo::getKeyValueMissing_data()
{
    QTest::addColumn<bool>("keyExists");
    QTest::newRow("no such key") << false;
    QTest::newRow("key without the value") << true;
}

void tst_sysinfo::getKeyValueMissing()
{
    QFETCH(bool, keyExists);
    FakeRegistry reg;
    if (keyExists)
        reg.set(kKey, "Other", 1, "text");
    std::string keyVal = "before";
    QVERIFY(!registry::GetKeyValue(reg, registry::kLocalMachine, kKey, kValue, keyVal));
    QCOMPARE(keyVal, std::string());
    QCOMPARE(reg.openKeys, 0);
}

void tst_sysinfo::systemRegistryFindsNothing()
{
    std::string keyVal = "before";
    QVERIFY(!registry::GetKeyValue(registry::systemRegistry(), registry::kLocalMachine, sysinfo::kPathKey,
                                   sysinfo::kPathValue, keyVal));
    QCOMPARE(keyVal, std::string());
}

void tst_sysinfo::startSysInfo_data()
{
    QTest::addColumn<QByteArray>("pathValue");  // registered full file name; null: none
    QTest::addColumn<QByteArray>("folderValue");  // registered folder; null: none
    QTest::addColumn<QStringList>("files");  // files that exist
    QTest::addColumn<QStringList>("installed");  // own tools on PATH
    QTest::addColumn<QStringList>("failing");  // programs that do not start
    QTest::addColumn<QStringList>("attempts");  // programs the launcher is asked to start
    QTest::addColumn<bool>("message");

    const QByteArray z(1, '\0');
    const QByteArray none;
    const QString inFolder = u"C:\\Shared\\MSINFO32.EXE"_s;

    QTest::newRow("1: registered file name is started")
        << "C:\\Tools\\msinfo32.exe"_ba + z << none << QStringList() << QStringList() << QStringList()
        << QStringList{u"C:\\Tools\\msinfo32.exe"_s} << false;
    QTest::newRow("1 before 2") << "C:\\Tools\\msinfo32.exe"_ba + z << "C:\\Shared"_ba + z
                                << QStringList{inFolder} << QStringList() << QStringList()
                                << QStringList{u"C:\\Tools\\msinfo32.exe"_s} << false;
    QTest::newRow("1: registered tool fails to start: message, nothing else tried")
        << "C:\\Tools\\msinfo32.exe"_ba << none << QStringList() << QStringList{u"hardinfo"_s}
        << QStringList{u"C:\\Tools\\msinfo32.exe"_s} << QStringList{u"C:\\Tools\\msinfo32.exe"_s} << true;
    QTest::newRow("2: folder holding the program")
        << none << "C:\\Shared"_ba + z << QStringList{inFolder} << QStringList() << QStringList()
        << QStringList{inFolder} << false;
    QTest::newRow("2: folder value without a final zero")
        << none << "C:\\Shared"_ba << QStringList{inFolder} << QStringList() << QStringList()
        << QStringList{inFolder} << false;
    QTest::newRow("3: folder without the program, nothing installed: message")
        << none << "C:\\Shared"_ba + z << QStringList() << QStringList() << QStringList() << QStringList()
        << true;
    QTest::newRow("3: nothing registered, nothing installed: message")
        << none << none << QStringList() << QStringList() << QStringList() << QStringList() << true;
    QTest::newRow("nothing registered: the system's own tool")
        << none << none << QStringList() << QStringList{u"gnome-system-monitor"_s} << QStringList()
        << QStringList{u"/usr/bin/gnome-system-monitor"_s} << false;
    QTest::newRow("folder without the program: the system's own tool")
        << none << "C:\\Shared"_ba + z << QStringList() << QStringList{u"hardinfo"_s} << QStringList()
        << QStringList{u"/usr/bin/hardinfo"_s} << false;
    QTest::newRow("information centre before a system monitor")
        << none << none << QStringList() << QStringList{u"xfce4-taskmanager"_s, u"kinfocenter"_s}
        << QStringList() << QStringList{u"/usr/bin/kinfocenter"_s} << false;
    QTest::newRow("an own tool that fails: the next one")
        << none << none << QStringList() << QStringList{u"hardinfo"_s, u"ksysguard"_s}
        << QStringList{u"/usr/bin/hardinfo"_s} << QStringList{u"/usr/bin/hardinfo"_s, u"/usr/bin/ksysguard"_s}
        << false;
    QTest::newRow("every own tool fails: message")
        << none << none << QStringList() << QStringList{u"hardinfo"_s} << QStringList{u"/usr/bin/hardinfo"_s}
        << QStringList{u"/usr/bin/hardinfo"_s} << true;
}

void tst_sysinfo::startSysInfo()
{
    QFETCH(QByteArray, pathValue);
    QFETCH(QByteArray, folderValue);
    QFETCH(QStringList, files);
    QFETCH(QStringList, installed);
    QFETCH(QStringList, failing);
    QFETCH(QStringList, attempts);
    QFETCH(bool, message);

    FakeRegistry reg;
    if (!pathValue.isNull())
        reg.set(sysinfo::kPathKey, sysinfo::kPathValue, registry::kTypeText, pathValue.toStdString());
    if (!folderValue.isNull())
        reg.set(sysinfo::kFolderKey, sysinfo::kFolderValue, registry::kTypeText, folderValue.toStdString());

    QStringList started;
    int messages = 0;
    QWidget owner;
    QWidget *messageParent = nullptr;
    const sysinfo::Platform platform{
        .registry = &reg,
        .fileExists = [&](const QString &path) { return files.contains(path); },
        .findInSystemFolders
        = [&](const QString &name) { return installed.contains(name) ? u"/usr/bin/"_s + name : QString(); },
        .startDetached =
            [&](const QString &program) {
                started << program;
                return !failing.contains(program);
            },
        .showUnavailable =
            [&](QWidget *parent) {
                ++messages;
                messageParent = parent;
            },
    };
    StartSysInfo(platform, &owner);
    QCOMPARE(started, attempts);
    QCOMPARE(messages, message ? 1 : 0);
    if (message)
        QCOMPARE(messageParent, &owner);
    QCOMPARE(reg.openKeys, 0);
}

// A program named like a tool in the working folder, with "." first on PATH,
// is never the one found.
void tst_sysinfo::ownToolsOnlyFromSystemFolders()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    for (const QString &name : sysinfo::kOwnTools) {
        QFile fake(folder.filePath(name));
        QVERIFY(fake.open(QIODevice::WriteOnly));
        fake.write("#!/bin/sh\n");
        fake.setPermissions(fake.permissions() | QFile::ExeOwner);
    }
    const QString workingFolder = QDir::currentPath();
    const QByteArray path = qgetenv("PATH");
    const auto restore = qScopeGuard([&] {
        QDir::setCurrent(workingFolder);
        qputenv("PATH", path);
    });
    QVERIFY(QDir::setCurrent(folder.path()));
    qputenv("PATH", ".:" + folder.path().toLocal8Bit() + ':' + path);

    const sysinfo::Platform platform = sysinfo::systemPlatform();
    for (const QString &name : sysinfo::kOwnTools) {
        const QString found = platform.findInSystemFolders(name);
        if (found.isEmpty())
            continue;
        QVERIFY2(sysinfo::kSystemFolders.contains(QFileInfo(found).path()), qPrintable(found));
    }
}

void tst_sysinfo::unavailableMessage()
{
    QWidget owner;
    owner.show();
    bool checked = false;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        auto guard = qScopeGuard([box] { box->done(0); });
        QCOMPARE(box->windowTitle(), u"Vorandel"_s);
        QCOMPARE(box->text(), u"Süsteemi Informatsioon on hetkel kättesaamatu"_s);
        QCOMPARE(box->icon(), QMessageBox::NoIcon);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        QCOMPARE(box->parentWidget(), &owner);
        checked = true;
        guard.dismiss();
        box->button(QMessageBox::Ok)->click();
    });
    sysinfo::ShowSysInfoUnavailable(&owner);  // returns when the box is closed
    QVERIFY(checked);
    QVERIFY(owner.isVisible());
}

QTEST_MAIN(tst_sysinfo)
#include "tst_sysinfo.moc"
