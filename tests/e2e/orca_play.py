# SPDX-FileCopyrightText: 2026 Zentile developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Plays a short game by keys under Orca, checking each step in its debug log's SPEECH OUTPUT.
Usage: orca_play.py ORCA_DEBUG_LOG SPOKEN_FILE WINDOW_ID."""

import re
import subprocess
import sys
import time

# Orca 43 ends a line with the voice as {...}; Orca 48 puts a space before it and nests the
# voice's family in it.
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'(?: ?\{.*\})?$")
log_path, spoken_path, window = sys.argv[1:4]
heard_upto = 0


def read(path):
    with open(path, encoding="utf-8", errors="replace") as file:
        return file.read()


def speech():
    # Orca ends each utterance with a full stop of its own; the patterns leave it out.
    return [m.group(1).rstrip(".") for m in (SPEECH.search(line.rstrip()) for line in read(log_path).splitlines()) if m]


def hear(pattern, timeout=20):
    """Waits for Orca to say something matching pattern after what was heard so far."""
    global heard_upto
    deadline = time.monotonic() + timeout
    while True:
        said = speech()
        end = next((i + 1 for i in range(heard_upto, len(said)) if re.search(pattern, said[i])), 0)
        if end or time.monotonic() >= deadline:
            break
        time.sleep(0.1)
    for line in said[heard_upto:end or None]:
        print(f"    Orca: {line}", flush=True)
    if not end:
        sys.exit(f"FAIL: Orca did not say /{pattern}/ within {timeout:.0f} s")
    heard_upto = end
    return re.search(pattern, said[end - 1])


def hear_both(*patterns):
    """Hears every pattern, in any order: Orca 48 speaks a focus before an announcement made at
    the same moment, Orca 43 as they come."""
    global heard_upto
    start, ends = heard_upto, []
    for pattern in patterns:
        heard_upto = start
        hear(pattern)
        ends.append(heard_upto)
    heard_upto = max(ends)


def press(keys, *patterns):
    """Presses the keys one by one, then hears each pattern in turn; returns the matches."""
    print(keys, flush=True)
    for name in keys.split():
        subprocess.run(["xdotool", "key", name], check=True, timeout=30)
    return [hear(pattern) for pattern in patterns]


# How Orca 43 and Orca 48 log a window activation coming in, and the end of dealing with one.
ACTIVATED = re.compile(r"EVENT MANAGER: window:activate for \[frame(?: \| |: ')Zentile")
HANDLED = re.compile(r"\^{5} (?:PROCESS|FINISHED PRIORITY-\d) OBJECT EVENT window:activate \^{5}", re.IGNORECASE)


def back_in_window(since):
    """True once Orca has dealt with a window activation logged after offset since."""
    log = read(log_path)
    last = lambda pattern: max((m.start() for m in pattern.finditer(log)), default=-1)
    return since < last(ACTIVATED) < last(HANDLED)


def main():
    subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=30)
    hear(r"Words played")
    press("Tab", r"Start Game")

    # Time limit 00:30, by the menus; as they close, Orca is back on Start Game.
    press("F10")
    hear_both(r"^File menu$", r"^New$")
    press("Right")
    hear_both(r"^Options menu$", r"^Time Limit")
    press("Right Up Up", r"^02:00 checked$")
    press("Down Down", r"^00:30")
    since = len(read(log_path))
    press("Return", r"Start Game")
    deadline = time.monotonic() + 20
    while not back_in_window(since):
        if time.monotonic() >= deadline:
            sys.exit("FAIL: Orca never saw the window active again")
        time.sleep(0.1)

    first, _ = press("space", r"^([A-Z]), row 1, column 1", r"^30 seconds left$")
    letters = first.group(1)
    press("space", rf"^{letters}\. {letters}, \d+$")
    for column in (2, 3):
        letters += press("Right", rf"^([A-Z]), row 1, column {column}")[0].group(1)
        score = press("space", rf"^{letters[-1]}\. {letters}, (\d+)$")[0].group(1)
    press("Return", rf"^{letters}, {score} points?\. Score {score}$")
    last = letters[-1]
    press("space", rf"^{last}\. {last}, \d+$")
    press("Return", rf"^{last} refused, too short$")
    # Keys that reach the game together are spoken together, the refusal last.
    press("Left Left space Right space Right space Return", rf"(^| ){letters} refused, already played$")
    press("space Escape", r"(^| )Word cleared$")
    press("t", r"^\d+ seconds left$")

    # The clock by itself, then the end, spoken before the boxes.
    hear(r"^10 seconds left$", 45)
    hear(rf"^Game over\. Final score {score}$", 30)
    hear(r"New High Score|High Score|name")
    press("A n n Return", rf"add the word '{letters}'")
    press("Escape", r"^New board$")
    press("F10 Up Return")
    if f"Final score {score}." not in read(spoken_path):
        sys.exit("FAIL: speech-dispatcher never got the game's end to say")


main()
print("Orca said every step")
