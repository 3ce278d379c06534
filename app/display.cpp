// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/display.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace {

using namespace Qt::StringLiterals;

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

// Everything the start and the end of the windows keep: the watch over the
// display's answer, standard error held back while the toolkit connects, and
// what the toolkit said meanwhile. One object, for the life of the program.
class DisplayWatch
{
public:
    static DisplayWatch &instance()
    {
        static DisplayWatch watch;
        return watch;
    }

    // The one way out before the toolkit is complete or after it is done:
    // nothing of it is taken down.
    [[noreturn]] static void end(int status)
    {
        std::fflush(nullptr);
        std::_Exit(status);
    }

    [[noreturn]] void endWithoutDisplay(const QByteArray &line)
    {
        writeToStandardError(line + '\n');
        end(2);
    }

    void expect(const QByteArray &platform, const QByteArray &display)
    {
        lineForFailure_ = display.isEmpty() ? "vorandel: cannot start the window system " + platform
                                            : "vorandel: cannot connect to display " + display;
        holdStandardError();
        previousHandler_ = qInstallMessageHandler(onMessage);
        // A display that accepts the connection but never answers would keep
        // the program waiting for ever.
        thread_ = std::thread([this] {
            std::unique_lock lock(mutex_);
            if (!done_.wait_for(lock, kDisplayAnswerTime, [this] { return connected_; }))
                endWithoutDisplay(lineForFailure_ + " (no answer)");
        });
    }

    void connected()
    {
        {
            const std::lock_guard lock(mutex_);
            connected_ = true;
        }
        done_.notify_all();
        if (thread_.joinable())
            thread_.join();
        qInstallMessageHandler(previousHandler_);
        releaseStandardError();
    }

private:
    // A failed connection ends in the toolkit's fatal message (and an abort):
    // the one line and status 2 instead. When the platform plug-in failed for
    // another reason (one missing, or a library it needs), what the toolkit
    // said is the cause, and goes out before the line.
    static void onMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
    {
        DisplayWatch &watch = instance();
        if (text.contains(u"could not connect to display"_s, Qt::CaseInsensitive)
            || text.contains(u"Failed to create wl_display"_s))
            watch.displayRefused_ = true;
        if (type != QtFatalMsg) {
            if (watch.previousHandler_)
                watch.previousHandler_(type, context, text);
            return;
        }
        if (!watch.displayRefused_) {
            watch.writeHeldOutput();
            watch.writeToStandardError(text.toLocal8Bit() + '\n');
        }
        watch.endWithoutDisplay(watch.lineForFailure_);
    }

    void writeToStandardError(const QByteArray &text) const
    {
        const int fd = savedStandardError_ >= 0 ? savedStandardError_ : STDERR_FILENO;
        for (qsizetype written = 0; written < text.size();) {
            const ssize_t n = ::write(fd, text.constData() + written, size_t(text.size() - written));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return;
            written += n;
        }
    }

    void holdStandardError()
    {
        std::fflush(stderr);
        heldOutput_ = std::tmpfile();
        if (!heldOutput_)
            return;
        savedStandardError_ = ::dup(STDERR_FILENO);
        if (savedStandardError_ < 0 || ::dup2(::fileno(heldOutput_), STDERR_FILENO) < 0) {
            std::fclose(heldOutput_);
            heldOutput_ = nullptr;
        }
    }

    // What was written to standard error while it was held, to the real one.
    void writeHeldOutput() const
    {
        if (!heldOutput_)
            return;
        std::fflush(stderr);
        std::rewind(heldOutput_);
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, heldOutput_)) > 0;)
            writeToStandardError(QByteArray(buffer, qsizetype(n)));
    }

    // Standard error back, with what was written to it meanwhile.
    void releaseStandardError()
    {
        if (!heldOutput_)
            return;
        writeHeldOutput();
        ::dup2(savedStandardError_, STDERR_FILENO);
        ::close(savedStandardError_);
        savedStandardError_ = -1;
        std::fclose(heldOutput_);
        heldOutput_ = nullptr;
    }

    std::mutex mutex_;
    std::condition_variable done_;
    bool connected_ = false;
    std::thread thread_;
    QByteArray lineForFailure_;
    QtMessageHandler previousHandler_ = nullptr;
    std::atomic<bool> displayRefused_ = false;
    // Standard error as it was; while the connection is made, what the toolkit
    // and the libraries under it write there goes to a file instead.
    int savedStandardError_ = -1;
    std::FILE *heldOutput_ = nullptr;
};

// Under the sanitizers the leak check runs after the toolkit's shutdown, and
// takes seconds: the bound must not cut it short and so hide a leak.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::chrono::milliseconds kSanitizerShutdown{60000};
#else
constexpr std::chrono::milliseconds kSanitizerShutdown{0};
#endif

}  // namespace

void ExpectDisplay(int argc, char *argv[])
{
    const QByteArray platform = platformAsked(argc, argv);
    const bool needsDisplayVariable
        = platform.isEmpty() || platform.startsWith("xcb") || platform.startsWith("wayland");
    if (needsDisplayVariable && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        DisplayWatch::instance().endWithoutDisplay(
            "vorandel: no display: neither DISPLAY nor WAYLAND_DISPLAY is set;"
            " Vorandel needs a graphical desktop session");
    DisplayWatch::instance().expect(platform, displayName(platform));
}

void DisplayConnected() { DisplayWatch::instance().connected(); }

void EndWithin(std::chrono::milliseconds time, int exitCode)
{
    time = std::max(time, kSanitizerShutdown);
    std::thread([time, exitCode] {
        std::this_thread::sleep_for(time);
        DisplayWatch::end(exitCode);
    }).detach();
}
