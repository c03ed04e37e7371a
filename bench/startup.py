#!/usr/bin/python3
# Tempotik — a click-speed meter. Licensed under the MIT licence.
# Times a program from exec to its first window mapped on the X server (or
# the first titled TITLE: Wine maps windows of its own first), and reads its
# peak resident memory once it has settled.
#   startup.py [--title TITLE] RUNS PROGRAM [ARGS...]
# Prints: median_ms=… peak_rss_mb=…
import statistics
import subprocess
import sys
import time

from Xlib import X, display


def peak_rss_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1]) / 1024
    return 0.0


def once(command, title):
    screen = display.Display()
    screen.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    screen.sync()
    started = time.monotonic()
    program = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    while True:
        event = screen.next_event()
        if event.type == X.MapNotify and (title is None or event.window.get_wm_name() == title):
            break
    shown = time.monotonic()
    time.sleep(1.0)
    rss = peak_rss_mb(program.pid)
    program.terminate()
    program.wait()
    screen.close()
    return (shown - started) * 1000, rss


arguments = sys.argv[1:]
title = None
if arguments[0] == "--title":
    title, arguments = arguments[1], arguments[2:]
runs = [once(arguments[1:], title) for _ in range(int(arguments[0]))]
print(f"median_ms={statistics.median(r[0] for r in runs):.0f} "
      f"peak_rss_mb={max(r[1] for r in runs):.1f}")
