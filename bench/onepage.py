#!/usr/bin/env python3
"""What index.html, the one-page chart browser, costs: the time of `tickvane --generate` for a
full list with it beside the same without it, and its size with the four built-in sites alone
and with TEMPLATE_SITES template sites as well.

The stores are those of bench/generate.py (1000 stocks in 100 types, every site enabled), with
OnePage set or not. Rounds alternate the two, so both see the same machine load; the medians
and their ratio are printed.

Usage: bench/onepage.py [PROGRAM] [ROUNDS] [TEMPLATE_SITES]   (build/src/app/tickvane, 15, 20)
"""
import os
import statistics
import tempfile

from generate import alternating, arguments, generate, store_text


def write_store(work, name, template_sites, one_page):
    text = store_text(f"{work}/{name}", template_sites)
    if one_page:
        text = text.replace("[General]\n", "[General]\nOnePage=True\n", 1)
    store = f"{work}/{name}.ini"
    with open(store, "w") as file:
        file.write(text)
    return store


def main():
    program, rounds, template_sites = arguments()
    with tempfile.TemporaryDirectory() as work:
        stores = {
            "with": write_store(work, "with", template_sites, True),
            "without": write_store(work, "without", template_sites, False),
        }
        sizes = {}
        for sites in (0, template_sites):
            generate(program, write_store(work, f"sites{sites}", sites, True))
            sizes[4 + sites] = os.path.getsize(f"{work}/sites{sites}/index.html")
        times = alternating(rounds, {what: lambda store=store: generate(program, store)
                                     for what, store in stores.items()})
    for sites, size in sizes.items():
        print(f"index.html with {sites:2d} sites  {size:9d} bytes")
    print(f"size ratio            {sizes[4 + template_sites] / sizes[4]:9.3f}")
    print(f"medians of {rounds} alternating rounds of --generate, {4 + template_sites} sites")
    for what, values in times.items():
        print(f"{what:8s} index.html {statistics.median(values) * 1000:8.1f} ms")
    print(f"ratio               {statistics.median(times['with']) / statistics.median(times['without']):8.3f}")


if __name__ == "__main__":
    main()
