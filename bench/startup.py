#!/usr/bin/env python3
"""Start-up time of Tickvane with a full list (100 types, 1000 stocks) beside a bare Qt window
built the same way, and beside the same window showing one label (which, like every window with
text, loads the fonts).

Starts each program in turn on its own virtual display (Xvfb) and measures the time from
starting the process to the X server mapping its top-level window. The rounds alternate, so
both programs see the same machine load; the medians and their ratio are printed.

Usage: bench/startup.py [BUILD_DIR] [ROUNDS] [TEMPLATE_SITES]   (default build, 10, 0)
With BASELINE=DIR set, the Tickvane of the build in DIR runs in the same rounds, so that a change
is measured against the program before it side by side.
Needs Xvfb, xev and stdbuf (Debian packages xvfb, x11-utils, coreutils). DISPLAY_NUMBER picks the display.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from generate import store_text  # noqa: E402


def watch_maps(display, maps):
    """Records the time of every MapNotify of an ordinary top-level window."""
    # xev writes through a pipe in blocks unless told to flush every line.
    xev = subprocess.Popen(["stdbuf", "-oL", "xev", "-display", display, "-root",
                            "-event", "substructure"], stdout=subprocess.PIPE, text=True)

    def read():
        for line in xev.stdout:
            if line.startswith("MapNotify"):
                maps.append([time.monotonic(), line])
            elif maps and "override NO" in line and len(maps[-1]) == 2:
                maps[-1].append(True)

    threading.Thread(target=read, daemon=True).start()
    return xev


def time_to_window(command, maps, timeout=20.0):
    """Seconds from starting the process to the map of its window, and the CPU seconds it had
    used by then: user and system time from its resource usage, which unlike the wall time
    other load leaves nearly alone."""
    seen = len(maps)
    start = time.monotonic()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    elapsed = None
    try:
        while elapsed is None and time.monotonic() - start < timeout:
            mapped = [m for m in maps[seen:] if len(m) == 3]
            if mapped:
                elapsed = mapped[0][0] - start
            time.sleep(0.001)
    finally:
        process.kill()
        usage = os.wait4(process.pid, 0)[2]
        process.returncode = -9
    if elapsed is None:
        raise RuntimeError(f"{command[0]}: no window within {timeout} s")
    return elapsed, usage.ru_utime + usage.ru_stime


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    template_sites = int(sys.argv[3]) if len(sys.argv) > 3 else 0
    display = ":" + os.environ.get("DISPLAY_NUMBER", "15")
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    os.environ.update(DISPLAY=display, QT_QPA_PLATFORM="xcb")
    maps = []
    xev = watch_maps(display, maps)
    time.sleep(0.3)
    baseline = os.environ.get("BASELINE")
    times = {"minimal": [], "text": [], "tickvane": []}
    if baseline:
        times["baseline"] = []
    cpu = {name: [] for name in times}
    try:
        with tempfile.TemporaryDirectory() as work:
            # The sockets of the killed windows go with the folder.
            os.environ["XDG_RUNTIME_DIR"] = work
            store = f"{work}/Tickvane.ini"
            with open(store, "w") as file:
                file.write(store_text(f"{work}/pages", template_sites))
            programs = {
                "minimal": [f"{build}/bench/minimal_window"],
                "text": [f"{build}/bench/minimal_window", "text"],
                "tickvane": [f"{build}/src/app/tickvane", "--settings", store],
            }
            if baseline:
                programs["baseline"] = [f"{baseline}/src/app/tickvane", "--settings", store]
            for n in range(rounds + 1):
                for name, command in programs.items():
                    elapsed, used = time_to_window(command, maps)
                    if n > 0:  # the first round only warms the file cache
                        times[name].append(elapsed)
                        cpu[name].append(used)
                    time.sleep(0.2)
    finally:
        xev.terminate()
        xvfb.terminate()
    for name, values in times.items():
        print(f"{name:8s} median {statistics.median(values) * 1000:6.1f} ms   "
              + " ".join(f"{v * 1000:.0f}" for v in values))
        print(f"{'':8s} CPU    {statistics.median(cpu[name]) * 1000:6.1f} ms")
    yardsticks = [("minimal", "bare Qt window"), ("text", "Qt window with a label")]
    if baseline:
        yardsticks.append(("baseline", f"the Tickvane of {baseline}"))
    for name, what in yardsticks:
        wall = statistics.median(times["tickvane"]) / statistics.median(times[name])
        used = statistics.median(cpu["tickvane"]) / max(statistics.median(cpu[name]), 1e-3)
        print(f"start-up ratio tickvane / {what}: {wall:.2f} (wall), {used:.2f} (CPU)")


if __name__ == "__main__":
    main()
