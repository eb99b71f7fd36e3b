#!/usr/bin/env python3
"""Time of `tickvane --generate` with a full list beside its floor: the same program's
--version (starting the process and Qt) plus copying the same pages durably, each written to a
new file, flushed to disk with fdatasync and renamed over the old one.

Rounds alternate, so that both see the same machine load; the medians of the wall times and of
the CPU times (user + system) and their ratios are printed. The pages go to a folder on the
disk of the working directory, not to a RAM disk, where fdatasync would cost nothing.

Usage: bench/generate.py [BUILD_DIR] [ROUNDS]   (default build, 30)
"""
import os
import resource
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from fullstore import write_full_store  # noqa: E402


def children_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def timed(work):
    wall, cpu, own = time.monotonic(), children_cpu(), time.process_time()
    work()
    return (time.monotonic() - wall,
            children_cpu() - cpu + time.process_time() - own)


def run(command):
    subprocess.run(command, stdout=subprocess.DEVNULL, check=True)


def copy_durably(pages, folder):
    for name, data in pages:
        target = os.path.join(folder, name)
        fd = os.open(target + ".new", os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644)
        os.write(fd, data)
        os.fdatasync(fd)
        os.close(fd)
        os.rename(target + ".new", target)


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 30
    program = os.path.abspath(f"{build}/src/app/tickvane")
    with tempfile.TemporaryDirectory(dir=os.getcwd()) as work:
        pages_dir, floor_dir = os.path.join(work, "pages"), os.path.join(work, "floor")
        os.mkdir(floor_dir)
        store = os.path.join(work, "Tickvane.ini")
        write_full_store(store, pages_dir + "/")
        generate = [program, "--settings", store, "--generate"]
        run(generate)
        pages = []
        for name in sorted(os.listdir(pages_dir)):
            with open(os.path.join(pages_dir, name), "rb") as page:
                pages.append((name, page.read()))
        times = {"generate": [], "floor": []}
        for n in range(rounds + 1):
            measured = {
                "generate": timed(lambda: run(generate)),
                "floor": timed(lambda: (run([program, "--version"]),
                                        copy_durably(pages, floor_dir))),
            }
            if n > 0:  # the first round only warms the caches
                for name, value in measured.items():
                    times[name].append(value)
    size = sum(len(data) for _, data in pages)
    print(f"{len(pages)} pages, {size} bytes; medians of {rounds} alternating rounds")
    medians = {}
    for name, values in times.items():
        medians[name] = [statistics.median(v[i] for v in values) for i in (0, 1)]
        print(f"{name:8s} wall {medians[name][0] * 1000:7.1f} ms   "
              f"CPU {medians[name][1] * 1000:7.1f} ms")
    print("ratio --generate / floor: {:.2f} (wall), {:.2f} (CPU)".format(
        *(medians["generate"][i] / medians["floor"][i] for i in (0, 1))))


if __name__ == "__main__":
    main()
