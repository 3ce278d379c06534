#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up of Vorandel against a bare Qt window (empty, and with one line of
text, which loads the fonts): wall time from exec to the first paint of the
window, and peak memory (maximum resident set).

    startup.py BUILD_DIR [RUNS]

Each program runs RUNS times (default 30), alternating, as separate
processes; the medians are printed with the difference in per cent of the
bare window's figure. Uses the platform of the environment (QT_QPA_PLATFORM,
DISPLAY); a figure, not a test: it fails only when a program fails to start.
"""
import os
import statistics
import subprocess
import sys
import time


def run(program):
    start = time.perf_counter()
    proc = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    try:
        _, status, usage = os.wait4(proc.pid, 0)
    except BaseException:
        proc.kill()
        raise
    elapsed = time.perf_counter() - start
    proc.returncode = os.waitstatus_to_exitcode(status)
    if proc.returncode != 0:
        sys.exit(f"{program} exited with {proc.returncode}: {proc.stderr.read().decode(errors='replace')}")
    return elapsed * 1000.0, usage.ru_maxrss / 1024.0


def main():
    build = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    programs = {
        "bare Qt window": os.path.join(build, "tests", "bench", "startup_bare"),
        "bare Qt window with a label": os.path.join(build, "tests", "bench", "startup_label"),
        "Vorandel (splash, main window)": os.path.join(build, "tests", "bench", "startup_vorandel"),
    }
    figures = {name: ([], []) for name in programs}
    for _ in range(runs):
        for name, program in programs.items():
            ms, mib = run(program)
            figures[name][0].append(ms)
            figures[name][1].append(mib)
    bare_ms = statistics.median(figures["bare Qt window"][0])
    bare_mib = statistics.median(figures["bare Qt window"][1])
    platform = os.environ.get("QT_QPA_PLATFORM", "default")
    print(f"start-up, median of {runs} runs, platform {platform}")
    for name, (times, memory) in figures.items():
        ms = statistics.median(times)
        mib = statistics.median(memory)
        print(f"  {name:32s} {ms:7.1f} ms ({(ms / bare_ms - 1) * 100:+5.1f} %)"
              f"  {mib:6.1f} MiB ({(mib / bare_mib - 1) * 100:+5.1f} %)")


if __name__ == "__main__":
    main()
