#!/usr/bin/env python3
"""How long the live program takes to end after Escape or the window's close box.

Fifty live runs (paced at 60 frames a second, headless), each left by a key script at one moment: at
the loading picture, in each of the fifteen parts and in the hidden part, each way once, then the rest
drawn from a fixed seed. A part's moment falls 3 to 5 s after the part starts (after the loading, so
that the demo's clock and the wall clock run together), the hidden part's 3 to 5 s after its keys.

The program says nothing when its key comes, so the moment is found from outside: the demo's clock
starts when the output window opens, just before the render thread is started, and that thread is the
process's second; the script watches the process's thread list (every half millisecond) and takes the
moment as the second thread's start plus the demo time before the moment. The exit time is from there
to the process's end (the frame that read the key, the end steps, the release of the device and the
window). At the loading picture the close or Escape acts after the loading picture is shown; the
time reported there runs from the render thread's start (device, loading picture, the rest of the
loading, the end).

    bench/exit_times.py [BUILD]        (default build)
"""
import os
import random
import re
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build"))
PROGRAM = os.path.join(BUILD, "demo", "farreach")
HIDDEN_KEYS = ["LSHIFT", "RCONTROL", "7", "8", "9", "UP", "DOWN"]
RUNS = 50
LOADING, HIDDEN = 0, 99


def part_starts():
    """The first time each part's sync value (1 to 15) comes in the module's timeline."""
    starts = {}
    with open(os.path.join(ROOT, "docs", "music_timeline.md")) as timeline:
        for line in timeline:
            cells = [c.strip() for c in line.strip().strip("|").split("|")]
            if len(cells) == 4 and re.fullmatch(r"[0-9.]+", cells[2]) and cells[3].isdigit():
                value = int(cells[3])
                if 1 <= value <= 15 and value not in starts:
                    starts[value] = float(cells[2])
    return starts


def plan():
    targets = [LOADING] + list(range(1, 16)) + [HIDDEN]
    runs = [(t, how) for t in targets for how in ("escape", "close")]
    draw = random.Random(18)
    while len(runs) < RUNS:
        runs.append((draw.choice(targets), "close" if len(runs) % 2 else "escape"))
    starts = part_starts()
    moments = []
    for target, how in runs:
        script, start_part, seconds = "", 0, 0.0
        if target != LOADING:
            start_part = 15 if target == HIDDEN else target
            start = starts[start_part]
            seconds = start + draw.uniform(3.0, 5.0)
            if target == HIDDEN:
                script += "".join(f"{start + 0.5:.3f} down {k}\n{start + 0.75:.3f} up {k}\n" for k in HIDDEN_KEYS)
                seconds += 0.75
            demo_before = seconds - start
        else:
            demo_before = 0.0
        script += f"{seconds:.3f} " + ("down ESCAPE\n" if how == "escape" else "close\n")
        moments.append((target, how, start_part, seconds, demo_before, script))
    return moments


def main():
    env = dict(os.environ, SDL_VIDEODRIVER=os.environ.get("SDL_VIDEODRIVER", "offscreen"),
               SDL_AUDIODRIVER=os.environ.get("SDL_AUDIODRIVER", "dummy"))
    rows, within, longest, failures = [], 0, (0.0, ""), 0
    with tempfile.TemporaryDirectory() as work:
        keys = os.path.join(work, "keys.txt")
        for target, how, start_part, seconds, demo_before, script in plan():
            with open(keys, "w") as f:
                f.write(script)
            args = [PROGRAM, "--no-dialog", "--windowed", "--resolution", "640x480", "--fps", "60", "--input", keys]
            if start_part:
                args += ["--part", str(start_part)]
            began = time.monotonic()
            process = subprocess.Popen(args, env=env, cwd=BUILD, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                       text=True)
            clock_start = None
            while process.poll() is None and time.monotonic() - began < 120:
                if clock_start is None:
                    try:
                        if len(os.listdir(f"/proc/{process.pid}/task")) > 1:
                            clock_start = time.monotonic()
                    except OSError:
                        pass
                time.sleep(0.0005)
            if process.poll() is None:
                process.kill()
                status, errors = "hung", ""
                process.wait()
            else:
                status, errors = process.returncode, process.stderr.read().strip()
            ended = time.monotonic()
            wall = ended - began
            exit_time = ended - (clock_start if clock_start is not None else began) - demo_before
            label = ("loading" if target == LOADING else "hidden" if target == HIDDEN else f"part {target}") + f", {how}"
            ok = status == 0 and not errors
            failures += not ok
            if target != LOADING:
                within += ok and exit_time <= 1.0
                if exit_time > longest[0]:
                    longest = (exit_time, label)
            rows.append((label, seconds, status, wall, exit_time, errors))
            print(f"{label:22} at {seconds:8.3f} s: exit {status}, run {wall:6.2f} s, "
                  f"ended {exit_time:5.2f} s after the moment" + (f"  [{errors}]" if errors else ""), flush=True)
    loading = [r[4] for r in rows if r[0].startswith("loading")]
    print(f"\n{RUNS} runs, {failures} with an exit other than 0 or output on standard error")
    print(f"in a part or the hidden part: {RUNS - len(loading)} runs, {within} ended within 1 s of the moment, "
          f"the longest {longest[0]:.2f} s ({longest[1]})")
    if loading:
        print(f"at the loading picture: {len(loading)} runs, {min(loading):.2f} to {max(loading):.2f} s from the "
              f"render thread's start to the end")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
