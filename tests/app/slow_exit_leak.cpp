// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into the program by leak_check_test.sh: loses one block of a size
// nothing else allocates, and at exit holds the process for two seconds before
// the leak check runs, as a slow leak check on a large heap does. A bound on
// the shutdown that is too short ends the process before the report.
#include <chrono>
#include <cstdlib>
#include <thread>

namespace {

constexpr std::size_t kLostBytes = 4242;

void *volatile holder = nullptr;

[[gnu::noinline]] void loseBlock()
{
    holder = std::malloc(kLostBytes);
    holder = nullptr;
}

void slowExit()
{
    loseBlock();
    std::this_thread::sleep_for(std::chrono::seconds(2));
}

// Registered after the sanitizer's own exit handler, so it runs before it.
[[gnu::constructor]] void registerSlowExit() { std::atexit(slowExit); }

}  // namespace
