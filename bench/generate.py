#!/usr/bin/env python3
"""The time of `tickvane --generate` for a full list with many chart sites, beside its floor:
the same binary's --version (starting the process) plus copying the same page bytes into the
same folder with an fdatasync per file (what writing them at all costs).

The store holds 1000 stocks in 100 types, the four built-in sites and TEMPLATE_SITES template
chart sites, all enabled. Rounds alternate generation and floor, so both see the same machine
load; the medians and their ratio are printed.

Usage: bench/generate.py [PROGRAM] [ROUNDS] [TEMPLATE_SITES]   (build/src/app/tickvane, 15, 20)
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time


def store_text(pages, template_sites):
    lines = ["[General]", f"HtmlDir={pages}/", "[StockList]", "Maxtypes=99", "Maxstocks=999"]
    for t in range(100):
        lines += [f"Type{t}=Type & group {t}", f"Lowstock{t}={t * 10}", f"Histock{t}={t * 10 + 9}"]
    for i in range(1000):
        lines += [f"Stock{i}=SYM{i}.B", f"Description{i}=Company number {i} <Common>",
                  f"URL{i}=https://www.company{i}.example/investors?lang=en",
                  f"Alt_BC{i}=BC{i}", f"Alt_SM{i}=I:SM{i}", f"Alt_SP{i}=$SP{i}", f"Alt_YH{i}=^YH{i}"]
    lines += ["[ChartSites]", f"Count={template_sites}"]
    for n in range(1, template_sites + 1):
        lines += [f"[ChartSite{n}]", f"Name=Site {n}",
                  f"Template=https://site{n}.example/chart/{{symbol|dash|lower}}?s={{symbol}}",
                  f"SymbolsFrom={n % 5 - 1}", f"Display={n % 3}", "Enabled=True",
                  f"FileName=site-{n}"]
    return "\n".join(lines) + "\n"


def generate(program, store):
    start = time.perf_counter()
    subprocess.run([program, "--settings", store, "--generate"], check=True,
                   stdout=subprocess.DEVNULL)
    return time.perf_counter() - start


def floor(program, pages):
    start = time.perf_counter()
    subprocess.run([program, "--version"], check=True, stdout=subprocess.DEVNULL)
    for name, data in pages.items():
        fd = os.open(f"{name}.copy", os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o644)
        os.write(fd, data)
        os.fdatasync(fd)
        os.close(fd)
        os.replace(f"{name}.copy", name)
    return time.perf_counter() - start


def arguments():
    """PROGRAM, ROUNDS and TEMPLATE_SITES of the command line, or their defaults."""
    program = os.path.realpath(sys.argv[1] if len(sys.argv) > 1 else "build/src/app/tickvane")
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    template_sites = int(sys.argv[3]) if len(sys.argv) > 3 else 20
    return program, rounds, template_sites


def alternating(rounds, runs):
    """The times of each of `runs` (name: function), called in turn `rounds` times. Who goes
    first changes every round, so neither always meets a cold or busy disk."""
    times = {name: [] for name in runs}
    for n in range(rounds):
        for name in runs if n % 2 == 0 else reversed(list(runs)):
            times[name].append(runs[name]())
    return times


def main():
    program, rounds, template_sites = arguments()
    with tempfile.TemporaryDirectory() as work:
        store = f"{work}/Tickvane.ini"
        with open(store, "w") as file:
            file.write(store_text(f"{work}/pages", template_sites))
        generate(program, store)
        pages = {}
        for name in sorted(os.listdir(f"{work}/pages")):
            with open(f"{work}/pages/{name}", "rb") as file:
                pages[f"{work}/pages/{name}"] = file.read()
        times = alternating(rounds, {"generate": lambda: generate(program, store),
                                     "floor": lambda: floor(program, pages)})
    size = sum(len(data) for data in pages.values())
    print(f"{len(pages)} files, {size} bytes; medians of {rounds} alternating rounds")
    for what, values in times.items():
        print(f"{what:8s} {statistics.median(values) * 1000:8.1f} ms")
    print(f"ratio    {statistics.median(times['generate']) / statistics.median(times['floor']):8.2f}")


if __name__ == "__main__":
    main()
