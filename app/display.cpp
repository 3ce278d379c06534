// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/display.h"

#include <QByteArray>
#include <QtGlobal>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace {

// How long a display may take to answer before it counts as not answering.
constexpr std::chrono::seconds kDisplayAnswerTime{10};

QByteArray platformAsked(int argc, char *argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return argv[i + 1];
    }
    return qgetenv("QT_QPA_PLATFORM");
}

// The display the window system connects to, for the one line.
QByteArray displayName(const QByteArray &platform)
{
    const QByteArray x11 = qgetenv("DISPLAY"), wayland = qgetenv("WAYLAND_DISPLAY");
    if (platform.startsWith("wayland") || (platform.isEmpty() && x11.isEmpty()))
        return wayland.isEmpty() ? QByteArray("wayland-0") : wayland;
    if (platform.startsWith("xcb") || platform.isEmpty())
        return x11.isEmpty() ? QByteArray("(DISPLAY is not set)") : x11;
    return {};  // a platform of its own: offscreen, vnc, eglfs...
}

std::mutex watchMutex;
std::condition_variable watchDone;
bool connected = false;
std::thread watch;
QByteArray lineForFailure;
QtMessageHandler previousHandler = nullptr;
// Standard error as it was; while the connection is made, what the toolkit
// and the libraries under it write there goes to a file instead.
int savedStandardError = -1;
std::FILE *heldOutput = nullptr;

[[noreturn]] void endWithoutDisplay(const QByteArray &line)
{
    const QByteArray text = line + '\n';
    const int fd = savedStandardError >= 0 ? savedStandardError : STDERR_FILENO;
    while (::write(fd, text.constData(), size_t(text.size())) < 0 && errno == EINTR) { }
    // The toolkit is half made: nothing of it is taken down.
    std::_Exit(2);
}

// A failed connection ends in the toolkit's fatal message (and an abort): the
// one line and status 2 instead.
void endOnFatal(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg)
        endWithoutDisplay(lineForFailure);
    previousHandler(type, context, text);
}

void holdStandardError()
{
    std::fflush(stderr);
    heldOutput = std::tmpfile();
    if (!heldOutput)
        return;
    savedStandardError = ::dup(STDERR_FILENO);
    if (savedStandardError < 0 || ::dup2(::fileno(heldOutput), STDERR_FILENO) < 0) {
        std::fclose(heldOutput);
        heldOutput = nullptr;
    }
}

// Standard error back, with what was written to it meanwhile.
void releaseStandardError()
{
    if (!heldOutput)
        return;
    std::fflush(stderr);
    ::dup2(savedStandardError, STDERR_FILENO);
    ::close(savedStandardError);
    savedStandardError = -1;
    std::rewind(heldOutput);
    char buffer[4096];
    for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, heldOutput)) > 0;)
        std::fwrite(buffer, 1, n, stderr);
    std::fclose(heldOutput);
    heldOutput = nullptr;
}

}  // namespace

void ExpectDisplay(int argc, char *argv[])
{
    const QByteArray platform = platformAsked(argc, argv);
    const bool needsDisplayVariable
        = platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    if (needsDisplayVariable && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        endWithoutDisplay("vorandel: no display: neither DISPLAY nor WAYLAND_DISPLAY is set;"
                          " Vorandel needs a graphical desktop session");

    const QByteArray display = displayName(platform);
    lineForFailure = display.isEmpty() ? "vorandel: cannot start the window system " + platform
                                       : "vorandel: cannot connect to display " + display;
    holdStandardError();
    previousHandler = qInstallMessageHandler(endOnFatal);
    // A display that accepts the connection but never answers would keep the
    // program waiting for ever.
    watch = std::thread([] {
        std::unique_lock lock(watchMutex);
        if (!watchDone.wait_for(lock, kDisplayAnswerTime, [] { return connected; }))
            endWithoutDisplay(lineForFailure + " (no answer)");
    });
}

void DisplayConnected()
{
    {
        const std::lock_guard lock(watchMutex);
        connected = true;
    }
    watchDone.notify_all();
    if (watch.joinable())
        watch.join();
    qInstallMessageHandler(previousHandler);
    releaseStandardError();
}

void EndWithin(std::chrono::milliseconds time, int exitCode)
{
    std::thread([time, exitCode] {
        std::this_thread::sleep_for(time);
        std::_Exit(exitCode);
    }).detach();
}
