#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The main window as a screen reader meets it, read out of process.

Starts the program as a desktop does (an X server, a window manager, a D-Bus
session bus, the accessibility bus, accessibility on, the xcb platform),
types with real key events (xdotool) and reads what the accessibility bus
carries (pyatspi). Every question to the program runs under a watchdog: a
program that stops answering fails the test instead of hanging it.

usage: screenreader_test.py PROGRAM
"""
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

QUERY_SECONDS = 5  # one question to the program
STEP_SECONDS = 20  # one step: a window to appear, an event to arrive
CALL_MS = 3000  # the accessibility library's own time-out for one call

TOOLS = ["Xvfb", "dbus-daemon", "openbox", "xdotool", "/usr/libexec/at-spi-bus-launcher"]
missing = [t for t in TOOLS if not shutil.which(t)]
try:
    import pyatspi  # noqa: F401
except ImportError:
    missing.append("python3-pyatspi")
if missing:
    print("missing: " + ", ".join(missing) + " (./dev.sh test installs them)", flush=True)
    sys.exit(1 if os.environ.get("CI") else 77)

children = []
failures = []
tempdir = tempfile.mkdtemp(prefix="vorandel-atspi-")


def stop_all():
    for proc in reversed(children):
        if proc.poll() is None:
            try:
                os.killpg(proc.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
    shutil.rmtree(tempdir, ignore_errors=True)


PROGRAM_LOG = os.path.join(tempdir, "program.log")


def show_program_log():
    try:
        with open(PROGRAM_LOG, errors="replace") as log:
            lines = log.read().splitlines()
    except OSError:
        return
    if lines:
        print("the program said, last:\n  " + "\n  ".join(lines[-40:]), flush=True)


def give_up(message):
    print("FAIL: " + message, flush=True)
    for f in failures:
        print("FAIL: " + f, flush=True)
    show_program_log()
    stop_all()
    os._exit(1)


class Watchdog:
    """Ends the test when the question in hand takes longer than allowed."""

    def __init__(self):
        self.what = None
        self.deadline = None
        self.lock = threading.Lock()
        threading.Thread(target=self.watch, daemon=True).start()

    def watch(self):
        while True:
            time.sleep(0.1)
            with self.lock:
                if self.deadline is not None and time.monotonic() > self.deadline:
                    give_up("no answer within %d s to: %s (the program froze)" % (QUERY_SECONDS, self.what))

    def __call__(self, what, fn, *args):
        with self.lock:
            self.what, self.deadline = what, time.monotonic() + QUERY_SECONDS
        try:
            return fn(*args)
        except Exception as e:
            # The library's own time-out, shorter than the watchdog's.
            if "Did not receive a reply" in str(e):
                give_up("no answer within %d ms to: %s (the program froze)" % (CALL_MS, what))
            raise
        finally:
            with self.lock:
                self.what = self.deadline = None


bounded = Watchdog()


def check(condition, message):
    if not condition:
        failures.append(message)
        print("  not so: " + message, flush=True)
    return condition


def start(args, env=None, pass_fds=(), stderr=subprocess.DEVNULL):
    proc = subprocess.Popen(args, env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                            stderr=stderr, start_new_session=True, pass_fds=pass_fds)
    children.append(proc)
    return proc


def read_line_from(fd, what):
    ready, _, _ = select.select([fd], [], [], STEP_SECONDS)
    if not ready:
        give_up(what + " did not start")
    return os.read(fd, 4096).decode().strip()


def run(args, what):
    try:
        return subprocess.run(args, stdin=subprocess.DEVNULL, capture_output=True, text=True,
                              timeout=QUERY_SECONDS)
    except subprocess.TimeoutExpired:
        give_up(what + " did not finish")


def start_desktop():
    """X server, session bus and window manager; returns the environment."""
    env = dict(os.environ)
    for name in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS"):
        env.pop(name, None)
    os.chmod(tempdir, 0o700)
    env["XDG_RUNTIME_DIR"] = tempdir
    env["HOME"] = tempdir  # the accessibility bus keeps its socket below it when no runtime dir is honoured

    r, w = os.pipe()
    start(["Xvfb", "-displayfd", str(w), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"], env, (w,))
    os.close(w)
    env["DISPLAY"] = ":" + read_line_from(r, "the X server")

    r, w = os.pipe()
    start(["dbus-daemon", "--session", "--nofork", "--print-address=%d" % w], env, (w,))
    os.close(w)
    env["DBUS_SESSION_BUS_ADDRESS"] = read_line_from(r, "the session bus").splitlines()[0]

    os.environ.update(env)
    start(["openbox"], env)
    deadline = time.monotonic() + STEP_SECONDS
    while run(["xdotool", "get_num_desktops"], "xdotool").returncode != 0:
        if time.monotonic() > deadline:
            give_up("the window manager did not start")
        time.sleep(0.1)
    return env


env = start_desktop()

import gi  # noqa: E402  (the buses must be known before the library starts)

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402
import pyatspi  # noqa: E402

Atspi.set_timeout(CALL_MS, CALL_MS)

events = []


def on_event(event):
    try:
        source = event.source
        events.append((event.type, source.getRoleName(), source.name, source.description, event.detail1,
                       event.any_data if isinstance(event.any_data, str) else None, source))
    except Exception as e:  # an object gone meanwhile
        events.append((event.type, None, None, None, event.detail1, repr(e), None))


pyatspi.Registry.registerEventListener(on_event, "object:state-changed:focused", "object:state-changed:showing",
                                       "object:text-changed", "object:text-caret-moved", "window:activate",
                                       "object:property-change:accessible-description",
                                       "object:property-change:accessible-name")


def pump(seconds):
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def wait_for(what, predicate, seconds=STEP_SECONDS):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.05)
        found = bounded(what, predicate)
        if found:
            return found
    return None


def key(*keys):
    run(["xdotool", "key", "--delay", "60"] + list(keys), "xdotool key")
    pump(0.3)


def type_text(text):
    for ch in text:
        key(ch)


def program_app():
    desktop = bounded("the desktop", pyatspi.Registry.getDesktop, 0)
    for i in range(bounded("the applications", lambda: desktop.childCount)):
        app = bounded("an application", desktop.getChildAtIndex, i)
        if app is not None and bounded("an application's name", lambda: app.name) == "Vorandel":
            return app
    return None


def windows(app):
    return [bounded("a window", app.getChildAtIndex, i) for i in range(bounded("windows", lambda: app.childCount))]


def main_window(app):
    for w in windows(app):
        if w is not None and bounded("a window's name", lambda: w.name).startswith("Vorandel: "):
            return w
    return None


def walk(acc):
    """Every object below acc, acc included."""
    out = [acc]
    count = bounded("a child count", lambda: acc.childCount)
    for i in range(count):
        child = bounded("a child", acc.getChildAtIndex, i)
        if child is not None:
            out.extend(walk(child))
    return out


def describe(acc):
    return bounded("a name", lambda: (acc.getRoleName(), acc.name, acc.description))


def find(root, name, role=None):
    for acc in walk(root):
        r, n, _ = describe(acc)
        if n == name and (role is None or r == role):
            return acc
    return None


def text_of(acc):
    t = bounded("the text interface", acc.queryText)
    return bounded("the text", t.getText, 0, -1)


BOUNDARIES = [pyatspi.TEXT_BOUNDARY_CHAR, pyatspi.TEXT_BOUNDARY_WORD_START, pyatspi.TEXT_BOUNDARY_WORD_END,
              pyatspi.TEXT_BOUNDARY_SENTENCE_START, pyatspi.TEXT_BOUNDARY_SENTENCE_END,
              pyatspi.TEXT_BOUNDARY_LINE_START, pyatspi.TEXT_BOUNDARY_LINE_END]

FIELDS = ["Päev", "Kuu", "Aasta", "Laiuskraad", "Laiusminut", "Laiussekund", "Pikkuskraad", "Pikkusminut",
          "Pikkussekund", "Kõrgus merepinnast meetrites"]

# 21 June 2003, Tallinn: 59° 26' 13'' N, 24° 44' 42'' E, 30 m; the times the
# window shows for it in summer time and, one hour earlier, in winter time.
OBSERVATION = ["21", "06", "2003", "59", "26", "13", "24", "44", "42", "30"]
SUNRISE, SUNSET = "03:59:53", "22:43:53"
WINTER_SUNRISE, WINTER_SUNSET = "02:59:53", "21:43:53"

ART = re.compile(r"¤|\*\*|#|@|,,|''\s+,")  # the framed picture and the two waves
LETTER_SPACED = re.compile(r"(?<!\S)(?:\w ){3,}\w(?!\S)")


def check_tree_before_input(window):
    """Nothing decorative, named columns, words where letters were spaced."""
    objects = walk(window)
    named = [describe(acc) for acc in objects]
    for role, name, description in named:
        check(not ART.search(name or ""), "character art exposed as a name: %r (%s)" % (name, role))
        for what, value in (("name", name), ("description", description)):
            check(not LETTER_SPACED.search(value or ""), "letter-spaced %s: %r (%s)" % (what, value, role))
    for acc in objects:
        role = bounded("a role", acc.getRoleName)
        if role == "label":
            text = text_of(acc) if "Text" in bounded("interfaces", acc.get_interfaces) else ""
            check(not ART.search(text), "character art exposed as text: %r" % text)
    panels = [name for role, name, _ in named if role == "panel"]
    check("Tõus" in panels and "Loojang" in panels, "the columns are not named Tõus and Loojang: %r" % panels)
    check(panels.count("Sisesta andmed...") <= 1, "a column takes the frame's title: %r" % panels)
    names = [name for _, name, _ in named]
    for unit in ("kraadi", "minutit", "sekundit"):
        check(names.count(unit) == 2, "the unit signs are not said as %r: %r" % (unit, names.count(unit)))
    region = find(window, "Piirkond", "combo box")
    if check(region is not None, "no region list"):
        _, _, description = describe(region)
        check("Alevid" in description and "Linnad" in description, "region hint spelled: %r" % description)


def check_region_lines(app, window):
    """The region list's lines, open, as words; the empty one named."""
    region = find(window, "Piirkond", "combo box")
    bounded("focus", bounded("component", region.queryComponent).grabFocus)
    pump(0.3)
    mark = len(events)
    key("alt+Down")

    def open_list():
        # The open list is a window of its own that takes the focus.
        for e in events_since(mark, "object:state-changed:focused"):
            if e[4] == 1 and e[6] is not None and e[1] in ("list", "list box", "table", "tree table"):
                return e[6]
            if e[4] == 1 and e[6] is not None and e[1] in ("list item", "table cell"):
                return bounded("the list", lambda: e[6].parent)
        return None
    lines = wait_for("the open region list", open_list)
    names = [describe(acc)[1] for acc in walk(lines)[1:]] if lines else []
    check("Alevid" in names and "Linnad" in names, "the region lines are not said as words: %r" % names[:4])
    check("" not in names and len(names) == 18, "a region line without a name: %r" % names[:4])
    key("Escape")


def check_attribute_runs(field, name):
    text = bounded("the text interface", field.queryText)
    content = bounded("the text", text.getText, 0, -1)
    for k in range(len(content)):
        _, start, end = bounded("an attribute run", text.getAttributeRun, k, False)
        if not check(start <= k < end, "%s: the attribute run at %d is (%d, %d): the character is not covered"
                     % (name, k, start, end)):
            return


def check_every_offset(field, name):
    text = bounded("the text interface", field.queryText)
    content = bounded("the text", text.getText, 0, -1)
    for offset in range(len(content) + 1):
        for boundary in BOUNDARIES:
            for method in (text.getTextAtOffset, text.getTextBeforeOffset, text.getTextAfterOffset):
                what = "%s: %s(%d, %d) in %r" % (name, method.__name__, offset, boundary, content)
                piece, start, end = bounded(what, method, offset, boundary)
                check(0 <= start <= end <= len(content) and content[start:end] == piece,
                      "%s gave %r (%d, %d)" % (what, piece, start, end))


def walk_outside_tables(acc):
    """Every object below acc, but not the cells of a table (a year has thousands)."""
    out = [acc]
    if bounded("a role", acc.getRoleName) in ("table", "tree table"):
        return out
    for i in range(bounded("a child count", lambda: acc.childCount)):
        child = bounded("a child", acc.getChildAtIndex, i)
        if child is not None:
            out.extend(walk_outside_tables(child))
    return out


ENGLISH = re.compile(r"\bScroll\b|\bPage (Up|Down|Left|Right)\b|\b(Left|Right) Edge\b", re.IGNORECASE)


def check_year_overview(app):
    """F2 opens the overview on the chart; Right moves the date, said once, read from the readout."""
    print("F2: the year overview", flush=True)

    def overview():
        for w in windows(app):
            if w is not None and bounded("a window's name", lambda: w.name).startswith("Aasta ülevaade"):
                return w
        return None
    mark = len(events)
    key("F2")
    window = wait_for("the year overview", overview)
    if not check(window is not None, "F2 opens no year overview"):
        return
    chart = find(window, "Päikese aeg aasta jooksul")
    check(find(window, "Päeva pikkus") is not None, "no chart named Päeva pikkus")
    if not check(chart is not None, "no chart named Päikese aeg aasta jooksul"):
        return
    check(wait_for("the focus on the chart", lambda: chart.getState().contains(pyatspi.STATE_FOCUSED)),
          "the overview opens without the focus on its chart")
    pump(0.5)
    objects = walk_outside_tables(window)
    focused = [describe(acc) for acc in objects if bounded("a state", acc.getState).contains(pyatspi.STATE_FOCUSED)]
    check(len(focused) == 1, "more than the chart is focused: %r" % focused)
    for role, name, description in (describe(acc) for acc in objects):
        for value in (name, description):
            check(not ENGLISH.search(value or ""), "English in the overview: %r (%s)" % (value, role))

    mark = len(events)
    key("Right")
    pump(1.0)
    told = [e for e in events_since(mark, "object:property-change:accessible-")
            if e[6] is not None and e[2] == "Päikese aeg aasta jooksul"]
    check(len(told) == 1, "a move of the date is told %d times on the chart" % len(told))
    said = bounded("the chart's description", lambda: chart.description)
    check("22.06.2003" in said and "Päikesetõus" in said, "the chart does not tell the new date: %r" % said)
    readout = [acc for acc in objects if describe(acc)[0] == "label" and "Päikesetõus" in (describe(acc)[1] or "")]
    if check(readout, "no label reads the readout"):
        name = describe(readout[0])[1]
        check(name == said, "the readout label reads %r, the chart %r" % (name, said))
        if "Text" in bounded("interfaces", readout[0].get_interfaces):
            check(text_of(readout[0]) == said, "the readout's text is %r" % text_of(readout[0]))
    check_key_dates(window)
    key("Escape")
    check(wait_for("the overview closed",
                   lambda: not bounded("a state", window.getState).contains(pyatspi.STATE_SHOWING), 8),
          "the overview does not close with Esc")


def check_key_dates(window):
    """Alt+V shows the key dates; the June solstice is read from its table."""
    print("Alt+V: the key dates", flush=True)
    key("alt+v")

    def table():
        for acc in walk_outside_tables(window):
            if describe(acc)[:2] == ("table", "Tähtpäevad"):
                return acc
        return None
    found = wait_for("the key dates' table", table)
    if not check(found is not None, "Alt+V shows no table named Tähtpäevad"):
        return
    cells = bounded("the table interface", found.queryTable)

    def cell(row, column):
        acc = bounded("a cell", cells.getAccessibleAt, row, column)
        return bounded("a cell's name", lambda: acc.name) if acc is not None else None

    def solstice():
        for row in range(bounded("the rows", lambda: cells.nRows)):
            if cell(row, 2) == "Suvine pööripäev":
                return (cell(row, 0), cell(row, 1))
        return None
    read = wait_for("the June solstice among the key dates", solstice)
    check(read == ("21.06.2003", "22:10"), "the key dates read the June solstice as %r" % (read,))


def events_since(mark, kind):
    return [e for e in events[mark:] if e[0].startswith(kind)]


def main():
    program = sys.argv[1]
    app_env = dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LANG="C.UTF-8")
    app_env.pop("QT_ACCESSIBILITY", None)
    start([program], app_env, stderr=open(PROGRAM_LOG, "w"))

    app = wait_for("the program on the accessibility bus", lambda: (lambda a: a and main_window(a) and a)(program_app()))
    if not app:
        give_up("the main window did not appear on the accessibility bus")
    window = main_window(app)
    run(["xdotool", "search", "--sync", "--name", "^Vorandel: ", "windowactivate", "--sync"], "activate")
    day = find(window, "Päev", "text")
    if not day or not wait_for("the focus in the day field",
                               lambda: day.getState().contains(pyatspi.STATE_FOCUSED)):
        give_up("the day field has no focus at start")

    print("the window before any input", flush=True)
    check_tree_before_input(window)
    check_region_lines(app, window)

    print("typing a whole observation", flush=True)
    bounded("focus", bounded("component", day.queryComponent).grabFocus)
    pump(0.3)
    for piece in OBSERVATION:
        type_text(piece)
    fields = {name: find(window, name, "text") for name in FIELDS}
    for name, field in fields.items():
        check(text_of(field) == OBSERVATION[FIELDS.index(name)], "%s reads %r" % (name, text_of(field)))
        check_attribute_runs(field, name)

    print("Enter: the results", flush=True)
    mark = len(events)
    key("Return")
    clear = find(window, "Tühjenda", "push button")

    def focus_on_clear():
        for e in events_since(mark, "object:state-changed:focused"):
            if e[2] == "Tühjenda" and e[4] == 1:
                return bounded("Clear's description", lambda: clear.description)
        return None
    said = wait_for("the focus on Clear", focus_on_clear)
    check(said and SUNRISE in said and SUNSET in said and "tõuseb" in said and "loojub" in said,
          "the focus on Clear after Calculate says no sunrise and sunset: %r" % said)

    check_year_overview(app)
    run(["xdotool", "search", "--sync", "--name", "^Vorandel: ", "windowactivate", "--sync"], "activate")
    bounded("focus", bounded("component", clear.queryComponent).grabFocus)
    pump(0.5)

    print("the season switched", flush=True)
    talveaeg = find(window, "Talveaeg", "radio button")
    check("talveajas" in (talveaeg.description or ""), "Talveaeg is described as %r" % talveaeg.description)
    key("shift+Tab")
    mark = len(events)
    key("Right")

    def focus_on_winter():
        for e in events_since(mark, "object:state-changed:focused"):
            if e[2] == "Talveaeg" and e[4] == 1:
                return bounded("Talveaeg's description", lambda: talveaeg.description)
        return None
    said = wait_for("the focus on Talveaeg", focus_on_winter)
    check(said and WINTER_SUNRISE in said and WINTER_SUNSET in said,
          "the season switch says no re-timed sunrise and sunset: %r" % said)

    print("Clear", flush=True)
    key("Tab")
    mark = len(events)
    key("space")

    def day_focused():
        return any(e[2] == "Päev" and e[4] == 1 for e in events_since(mark, "object:state-changed:focused"))
    check(wait_for("the focus in the day field", day_focused), "after Clear the day field gets no focus")
    pump(0.5)
    order = [e[0] for e in events[mark:] if e[2] == "Päev"
             and (e[0].startswith("object:text-") or e[0] == "object:state-changed:focused")]
    check(order and order[0] == "object:state-changed:focused",
          "after Clear the day field's text changes come before its focus: %r" % order[:3])

    print("F1 and About", flush=True)
    key("F1")

    def about_open():
        return any(w is not None and bounded("a window's name", lambda: w.name).startswith("Programmist")
                   for w in windows(app))
    # Esc closes About; without it, Esc would end the program.
    if check(wait_for("the About dialog", about_open, 8), "F1 opens no About dialog"):
        key("Escape")
        check(wait_for("the About dialog closed", lambda: not about_open(), 8), "About does not close with Esc")
    picture = find(window, "Programmist", "image")
    if check(picture is not None, "no About picture"):
        action = bounded("the action interface", picture.queryAction)
        names = [bounded("an action", action.getName, i) for i in range(action.nActions)]
        if check("Press" in names or "press" in names, "the About picture has no press action: %r" % names):
            bounded("the press action", action.doAction, [n.lower() for n in names].index("press"))
            if check(wait_for("the About dialog", about_open, 8), "the press action opens no About dialog"):
                key("Escape")
                wait_for("the About dialog closed", lambda: not about_open(), 8)

    print("every offset of the filled fields, and Ctrl+Left/Right", flush=True)
    day = find(window, "Päev", "text")
    bounded("focus", bounded("component", day.queryComponent).grabFocus)
    pump(0.3)
    type_text("2")
    for name in FIELDS:
        field = find(window, name, "text")
        if text_of(field):
            check_every_offset(field, name)
    year = find(window, "Aasta", "text")
    bounded("focus", bounded("component", year.queryComponent).grabFocus)
    key("End", "ctrl+Left", "ctrl+Right")
    text = bounded("the text interface", year.queryText)
    caret = bounded("the caret", lambda: text.caretOffset)
    bounded("the word at the caret", text.getTextAtOffset, caret, pyatspi.TEXT_BOUNDARY_WORD_START)
    bounded("a last answer", lambda: window.name)

    if failures:
        print("%d failures" % len(failures))
        show_program_log()
        return 1
    print("all well")
    return 0


try:
    code = main()
except Exception:  # a question that failed outright
    import traceback
    traceback.print_exc()
    show_program_log()
    code = 1
stop_all()
sys.exit(code)
