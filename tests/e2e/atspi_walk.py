# SPDX-FileCopyrightText: 2026 Zentile developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader is told by the running game, over the real AT-SPI bus.

Usage: atspi_walk.py GAME_PID WINDOW_ID. Walks the tree (board tiles, value boxes), then
drives real keys with xdotool and checks the focus, the picked tile and the clock.
Prints what AT-SPI reported at each step; exits 1 with the reason on the first fault.
"""

import collections
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

import pyatspi  # noqa: E402

TILE_NAME = re.compile(r"^([A-Z]), row (\d+), column (\d+)$")
PICKED = ", in the current word"
VALUE_BOXES = ("Score", "Time remaining", "Current word", "This word score")


class Failure(Exception):
    pass


def say(text):
    print(text, flush=True)


def pump(seconds):
    """Lets libatspi deliver what is queued, for this long."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= deadline:
            return
        time.sleep(0.02)


def wait_for(what, probe, timeout=5.0):
    """Polls probe (pumping events meanwhile) until it returns something true."""
    deadline = time.monotonic() + timeout
    while True:
        pump(0.05)
        value = probe()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise Failure(f"timed out after {timeout:.0f} s waiting for {what}")


# Read through to the application every time: a cached name or state would hide a missed event.
def name(obj):
    obj.clearCache()
    return obj.name or ""


def description(obj):
    obj.clearCache()
    return obj.description or ""


def focused(obj):
    obj.clearCache()
    return obj.getState().contains(pyatspi.STATE_FOCUSED)


def describe(obj):
    try:
        return f"[{obj.getRoleName()}] {name(obj)!r}"
    except GLib.Error as error:
        return f"[gone: {error.message}]"


def find_application(pid):
    desktop = pyatspi.Registry.getDesktop(0)

    def probe():
        for app in desktop:
            if app is not None and app.get_process_id() == pid:
                return app
        return None

    return wait_for(f"an application with process id {pid} on the AT-SPI bus", probe, 20)


def walk(root):
    """Every object under root, root included."""
    found, pending = [], [root]
    while pending:
        obj = pending.pop()
        found.append(obj)
        pending.extend(child for child in obj if child is not None)
    return found


def same(a, b):
    """Whether two references name one object: one application, one object path."""
    return a is not None and b is not None and a.app.bus_name == b.app.bus_name and a.path == b.path


Heard = collections.namedtuple("Heard", "kind detail source said data")


class Events:
    """Keeps every focus and name-change event, so each step can show what was said."""

    NAME = "object:property-change:accessible-name"
    KINDS = ("focus:", "object:state-changed:focused", NAME)

    def __init__(self):
        self.log = []
        self.mark = 0
        pyatspi.Registry.registerEventListener(self.heard, *self.KINDS)

    def heard(self, event):
        # Qt sends the object, not the new name, with a name change: read the name right away.
        data = None
        try:
            said = describe(event.source)
            if event.type == self.NAME:
                data = name(event.source)
        except Exception as error:  # a raise here would be lost in the bindings
            said = f"[unreadable: {error}]"
        self.log.append(Heard(event.type, event.detail1, event.source, said, data))

    def since_mark(self):
        news = self.log[self.mark:]
        self.mark = len(self.log)
        for heard in news:
            extra = f" new name {heard.data!r}" if heard.kind == self.NAME else f" detail1={heard.detail}"
            say(f"    event {heard.kind}{extra} from {heard.said}")
        if not news:
            say("    (no events)")

    def renamed(self, start, obj, fits):
        """Whether obj sent a name change after log entry start, to a name that fits."""
        return any(heard.kind == self.NAME and same(heard.source, obj) and fits(heard.data)
                   for heard in self.log[start:])

    def last_focus(self):
        for heard in reversed(self.log):
            gained = heard.kind == "object:state-changed:focused" and heard.detail == 1
            if heard.kind == "focus:" or gained:
                return heard.source
        return None


def xdotool(*args):
    try:
        subprocess.run(["xdotool", *args], check=True, timeout=15)
    except (subprocess.CalledProcessError, subprocess.TimeoutExpired) as error:
        raise Failure(f"xdotool {' '.join(args)}: {error}") from error


def main(pid, window):
    app = find_application(pid)
    say(f"application: {describe(app)} pid {pid}, {app.childCount} top-level object(s)")

    # 1. The tree: 400 named tiles, and the value boxes named by their values.
    objects = walk(app)
    boards = [obj for obj in objects if obj.name == "Board"]
    if len(boards) != 1:
        raise Failure(f"expected one object named 'Board', found {len(boards)}")
    board = boards[0]
    children = list(board)
    say(f"board: {describe(board)} with {len(children)} children")
    # The tiles come first, in reading order; the frames drawn over the board follow them.
    tiles = children[:400]
    for index, tile in enumerate(tiles):
        text = name(tile)
        match = TILE_NAME.match(text)
        if not match:
            raise Failure(f"board child {index} is named {text!r}, not like a tile")
        if (int(match.group(2)), int(match.group(3))) != (index // 20 + 1, index % 20 + 1):
            raise Failure(f"board child {index} is named {text!r}, which is not its place")
    for index, other in enumerate(children[400:], 400):
        say(f"board child {index}, not a tile: {describe(other)} with {other.childCount} children")
        if TILE_NAME.match(name(other)) or other.getRole() == pyatspi.ROLE_LABEL:
            raise Failure(f"board child {index} {describe(other)} looks like a 401st tile")
    if len(tiles) != 400:
        raise Failure(f"the board has {len(tiles)} tiles, not 400")
    say(f"tiles: first {name(tiles[0])!r}, last {name(tiles[399])!r}")

    boxes = {}
    for obj in objects:
        what = description(obj)
        if what in VALUE_BOXES:
            if what in boxes:
                raise Failure(f"two objects are described as {what!r}")
            boxes[what] = obj
    for what in VALUE_BOXES:
        if what not in boxes:
            raise Failure(f"no object is described as {what!r}")
        say(f"value box {what!r}: {describe(boxes[what])}")
        if boxes[what].getRole() != pyatspi.ROLE_LABEL:
            raise Failure(f"the {what!r} box is a {boxes[what].getRoleName()}, not a label")
    expected = {"Score": "0", "Time remaining": "02:00", "Current word": "", "This word score": "0"}
    for what, value in expected.items():
        if name(boxes[what]) != value:
            raise Failure(f"at start the {what!r} box is named {name(boxes[what])!r}, not {value!r}")

    words = [obj for obj in objects if obj.name == "Words played"]
    starts = [obj for obj in objects
              if obj.name == "Start Game" and obj.getRole() == pyatspi.ROLE_PUSH_BUTTON]
    if len(words) != 1 or len(starts) != 1:
        raise Failure("expected one 'Words played' list and one 'Start Game' button, "
                      f"found {len(words)} and {len(starts)}")
    words, start = words[0], starts[0]

    # 2. The focus, by real keys. Listeners first, and time for Qt to hear of them.
    events = Events()
    pump(1.0)
    xdotool("windowfocus", "--sync", window)
    say("step: the window has the keyboard")
    wait_for("the 'Words played' list to be focused", lambda: focused(words))
    events.since_mark()
    say(f"    focused: {describe(words)}")

    def press(key, target, what):
        xdotool("key", key)
        wait_for(what, lambda: focused(target))
        say(f"step: key {key}")
        events.since_mark()
        say(f"    focused: {describe(target)}")

    def expect_last_focus(index):
        """The last focus AT-SPI reported is board child `index`, with its focused state."""
        wanted = name(tiles[index])

        def last_is_wanted():
            source = events.last_focus()
            return source is not None and name(source) == wanted and source.getIndexInParent() == index

        try:
            wait_for(f"AT-SPI to report {wanted!r} as the focus", last_is_wanted)
        except Failure:
            source = events.last_focus()
            said = describe(source) if source else "none"
            raise Failure(f"the last focus AT-SPI reported is {said}, not {wanted!r}")
        source = events.last_focus()
        if not focused(source):
            raise Failure(f"the reported focus {describe(source)} has no focused state")
        say(f"    last focus event: {describe(source)}, index {source.getIndexInParent()}, focused state set")

    press("Tab", start, "the 'Start Game' button to be focused")
    started = time.monotonic()
    press("space", tiles[0], "the top-left tile to be focused once the game starts")
    # The tile, not the board around it, is what a reader hears once the game starts.
    expect_last_focus(0)
    press("Right", tiles[1], "the tile at row 1, column 2 to be focused")
    press("Right", tiles[2], "the tile at row 1, column 3 to be focused")
    press("Down", tiles[22], "the tile at row 2, column 3 to be focused")

    others = [index for index, tile in enumerate(tiles) if index != 22 and focused(tile)]
    if others:
        raise Failure(f"besides row 2, column 3 these tiles report focused too: {others}")
    cursor = name(tiles[22])
    match = TILE_NAME.match(cursor)
    if not match or match.group(2, 3) != ("2", "3"):
        raise Failure(f"board child 22 is named {cursor!r}")
    letter = match.group(1)
    expect_last_focus(22)

    # 3. Space picks the tile under the cursor; the word and the tile's name say so.
    before = len(events.log)
    xdotool("key", "space")
    picked = cursor + PICKED
    wait_for(f"the 'Current word' box to be named {letter!r}", lambda: name(boxes["Current word"]) == letter)
    wait_for(f"the tile to be named {picked!r}", lambda: name(tiles[22]) == picked)
    # A screen reader learns of the changes only by the events.
    wait_for(f"a name-change event from the 'Current word' box to {letter!r}",
             lambda: events.renamed(before, boxes["Current word"], lambda said: said == letter))
    wait_for(f"a name-change event from the picked tile to {picked!r}",
             lambda: events.renamed(before, tiles[22], lambda said: said == picked))
    say("step: key space")
    events.since_mark()
    say(f"    'Current word': {name(boxes['Current word'])!r}; tile: {name(tiles[22])!r}; "
        f"'This word score': {name(boxes['This word score'])!r}")
    if not focused(tiles[22]):
        raise Failure("the picked tile lost the focused state")

    # The clock ticks once a second from the start of the game.
    pump(max(0.0, started + 1.5 - time.monotonic()))
    def ticked():
        text = name(boxes["Time remaining"])
        return text if text != "02:00" else None

    clock = wait_for("the 'Time remaining' box to count down from 02:00", ticked, 3.0)
    elapsed = time.monotonic() - started
    say(f"step: {elapsed:.1f} s after the start")
    events.since_mark()
    say(f"    'Time remaining': {clock!r}")
    # Whole seconds left, give or take the tick in flight; a slow machine only makes it lower.
    shown = re.fullmatch(r"(\d\d):(\d\d)", clock)
    if not shown or not 120 - elapsed - 2 <= int(shown[1]) * 60 + int(shown[2]) < 120:
        raise Failure(f"'Time remaining' reads {clock!r} {elapsed:.1f} s into a 2-minute game")
    # Read when the event came, which may be a tick before the name read above.
    wait_for("a name-change event from the 'Time remaining' box, away from 02:00",
             lambda: events.renamed(0, boxes["Time remaining"], lambda said: said not in ("02:00", None)))

    # File > Exit through its accessible action, so the game ends by itself.
    exits = [obj for obj in walk(app) if obj.name == "Exit" and obj.getRole() == pyatspi.ROLE_MENU_ITEM]
    if len(exits) != 1:
        raise Failure(f"expected one 'Exit' menu item, found {len(exits)}")
    actions = exits[0].queryAction()
    say(f"step: 'Exit' menu item, action {actions.getName(0)!r}")
    if not actions.doAction(0):
        raise Failure("the 'Exit' menu item refused its action")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: atspi_walk.py GAME_PID WINDOW_ID")
    Atspi.get_desktop(0).set_cache_mask(Atspi.Cache.NONE)
    try:
        main(int(sys.argv[1]), sys.argv[2])
    except Failure as failure:
        print(f"FAIL: {failure}", file=sys.stderr, flush=True)
        sys.exit(1)
    except GLib.Error as error:
        print(f"FAIL: AT-SPI call failed: {error.message}", file=sys.stderr, flush=True)
        sys.exit(1)
    say("AT-SPI checks passed")
