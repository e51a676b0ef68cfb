# SPDX-FileCopyrightText: 2026 Zentile developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays a short game by keys under Orca and checks what Orca says at each step.

Usage: orca_play.py ORCA_DEBUG_LOG SPOKEN_FILE WINDOW_ID. Reads the SPEECH OUTPUT lines of
Orca's debug log; each step waits for its words with a timeout. Exits 1 on the first fault.
"""

import re
import subprocess
import sys
import time

SPEECH = re.compile(r"SPEECH OUTPUT: '(.*)'(?:\{[^{}]*\})?$")
log_path, spoken_path, window = sys.argv[1:4]
heard_upto = 0


class Failure(Exception):
    pass


def speech():
    with open(log_path, encoding="utf-8", errors="replace") as log:
        # Orca ends each utterance with a full stop of its own; the patterns leave it out.
        return [m.group(1).rstrip(".") for m in (SPEECH.search(line.rstrip()) for line in log) if m]


def key(*keys):
    for name in keys:
        subprocess.run(["xdotool", "key", name], check=True, timeout=15)


def hear(pattern, timeout=10.0):
    """Waits for Orca to say something matching pattern after what was heard so far."""
    global heard_upto
    wanted = re.compile(pattern)
    deadline = time.monotonic() + timeout
    while True:
        said = speech()
        for i in range(heard_upto, len(said)):
            match = wanted.search(said[i])
            if match:
                for line in said[heard_upto:i + 1]:
                    print(f"    Orca: {line}", flush=True)
                heard_upto = i + 1
                return match
        if time.monotonic() >= deadline:
            for line in said[heard_upto:]:
                print(f"    Orca: {line}", flush=True)
            raise Failure(f"Orca did not say /{pattern}/ within {timeout:.0f} s")
        time.sleep(0.1)


def back_in_window(action):
    """Does action, then waits for Orca to see the window active again, as a menu closes."""
    with open(log_path, encoding="utf-8", errors="replace") as log:
        log.seek(0, 2)
        action()
        deadline = time.monotonic() + 10
        while "window:activate for [frame | Zentile]" not in log.read():
            if time.monotonic() >= deadline:
                raise Failure("Orca never saw the window active again")
            time.sleep(0.1)


def press_until(name, pattern, tries=3):
    """Presses a key until Orca says pattern. Right after a menu closes, Qt may lose a key
    while it waits for Orca to let it through ("no queued key" in the game's log)."""
    for attempt in range(tries):
        key(name)
        try:
            return hear(pattern, 4)
        except Failure:
            if attempt == tries - 1:
                raise


def step(text, *keys):
    print(text + (f": {' '.join(keys)}" if keys else ""), flush=True)
    key(*keys)


def main():
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=15)
    hear(r"Words played")

    step("Time limit 00:30, by the menus", "F10")
    hear(r"^File menu$")
    hear(r"^New$")
    step("to Options", "Right")
    hear(r"^Options menu$")
    hear(r"^Time Limit")
    step("into Time Limit, up to 02:00", "Right", "Up", "Up")
    hear(r"^02:00 checked$")
    step("down to 00:30", "Down", "Down")
    hear(r"^00:30")
    back_in_window(lambda: key("Return"))

    print("Start: Tab", flush=True)
    press_until("Tab", r"Start Game")
    key("space")
    first = hear(r"^([A-Z]), row 1, column 1")
    hear(r"^30 seconds left$")
    letters = first.group(1)
    step("Spell row 1, columns 1 to 3", "space")
    hear(rf"^{letters}\. {letters}, \d+$")
    for column in (2, 3):
        key("Right")
        letters += hear(rf"^([A-Z]), row 1, column {column}").group(1)
        key("space")
        score = hear(rf"^{letters[-1]}\. {letters}, (\d+)$").group(1)
    step("Submit", "Return")
    hear(rf"^{letters}, {score} points?\. Score {score}$")

    step("One letter", "space")
    hear(rf"^{letters[-1]}\. {letters[-1]}, \d+$")
    key("Return")
    hear(rf"^{letters[-1]} refused, too short$")

    step("The same word again", "Left", "Left", "space", "Right", "space", "Right", "space", "Return")
    # Keys that reach the game together are spoken together, the refusal last.
    hear(rf"(^| ){letters} refused, already played$")
    step("A letter, cleared", "space", "Escape")
    hear(r"(^| )Word cleared$")

    step("The clock on request", "t")
    hear(r"^\d+ seconds left$")
    print("The clock by itself, then the end", flush=True)
    hear(r"^10 seconds left$", 30)
    hear(rf"^Game over\. Final score {score}$", 15)
    hear(r"New High Score|High Score|name", 10)
    key("A", "n", "n", "Return")
    hear(rf"add the word '{letters}'", 10)
    key("Escape")
    hear(r"^New board$", 10)

    step("File > Exit", "F10", "Up", "Return")
    with open(spoken_path, encoding="utf-8", errors="replace") as spoken:
        if f"Final score {score}." not in spoken.read():
            raise Failure("speech-dispatcher never got the game's end to say")


try:
    main()
except Failure as failure:
    print(f"FAIL: {failure}", file=sys.stderr)
    sys.exit(1)
print("Orca said every step")
