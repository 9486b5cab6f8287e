#!/usr/bin/env python3
"""The web build's size and speed, each beside the floor, in one run: an empty Qt dialog of
the main window's size, built with the same Qt and flags and served in the same page.

- The download: the files the page fetches, raw, gzipped (-9) and brotli-compressed (-q 11).
- First paint: from navigation to the first animation frame after the first window has
  been drawn (the page's telvanor.firstPaint), in headless Chromium with a new profile each
  time, so that nothing comes from the browser's cache; the median of RUNS loads, the
  pages' loads alternated.
- A page turn: "Siguiente" in the questionnaire, the work of the key press and of the frame
  that draws it (tests/web/browser.mjs), against a 60 Hz frame; beside it the floor's key
  press, which repaints its dialog whole: what any frame of Qt's costs in this browser.

Then the floor beside the same dialog linked without Asyncify: what Asyncify costs Qt itself.

Usage: web_bench.py PROGRAM_SITE FLOOR_SITE FLOOR_WITHOUT_ASYNCIFY_SITE [RUNS]
"""

import gzip
import os
import statistics
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))

from waiting import wait_for  # noqa: E402
from web.driver import START_TIMEOUT, Browser, serve  # noqa: E402

DOWNLOADED = ["index.html", "telvanor-page.js", "telvanor-page.css", "telvanor.js",
              "telvanor.wasm", "telvanor.svg"]
FRAME_MS = 1000 / 60
TURNS = 20


def download_sizes(site):
    raw = packed = brotli = 0
    for name in DOWNLOADED:
        with open(os.path.join(site, name), "rb") as file:
            data = file.read()
        raw += len(data)
        packed += len(gzip.compress(data, 9))
        brotli += len(subprocess.run(["brotli", "-c", "-q", "11"], input=data,
                                     capture_output=True, check=True).stdout)
    return raw, packed, brotli


def first_paint(url):
    browser = Browser("chromium", url, 1366, 768, 1)
    try:
        return wait_for(lambda: browser.do("state").get("firstPaint"), "the first paint",
                        START_TIMEOUT, 0.2)
    finally:
        browser.close()


def window_on_show(browser, title, state):
    wait_for(lambda: any(w["title"] == title and w[state] for w in browser.do("state")["windows"]),
             f"the window \"{title}\"", START_TIMEOUT, 0.2)


def onto_siguiente(browser):
    window_on_show(browser, "Telvanor", "exposed")
    browser.do("keys", keys=["Enter"])
    window_on_show(browser, "Cuestionario", "active")
    browser.do("keys", keys=["Tab", "Tab", "Tab"])


def onto_floor(browser):
    window_on_show(browser, "", "exposed")


def page_turns(url, ready):
    """TURNS key presses once ready(browser) has brought the page to where Enter turns it."""
    browser = Browser("chromium", url, 1366, 768, 1)
    try:
        ready(browser)
        return [browser.do("turn", key="Enter") for _ in range(TURNS)]
    finally:
        browser.close()


def turn_figures(turns):
    totals = [turn["handling"] + turn["drawing"] for turn in turns]
    return statistics.median(totals), max(totals)


def figures(site, url, ready, paints):
    """The site's download in MB, its median first paint and its page turn in ms."""
    sizes = [size / 1e6 for size in download_sizes(site)]
    return sizes + [statistics.median(paints), *turn_figures(page_turns(url, ready))]


def met(ok):
    return "met" if ok else "**missed**"


def within(ratio):
    """The goal that the first figure is at most ratio times the second."""
    return lambda first, second: f"{ratio:.1f} x: " + met(first / second <= ratio)


def under(limit_ms):
    """The goal that the first figure stays under a time."""
    return lambda first, _: f"{limit_ms:.1f} ms: " + met(first < limit_ms)


def table(rows, names, first, second, goals):
    print(f"| figure | {names[0]} | {names[1]} | ratio | goal |")
    print("|---|---|---|---|---|")
    for (figure, unit), a, b, goal in zip(rows, first, second, goals):
        print(f"| {figure} | {a:,.1f} {unit} | {b:,.1f} {unit} | {a / b:.3f} x | "
              f"{goal(a, b) if goal else ''} |")


def main():
    sites = dict(zip(("program", "floor", "floor without Asyncify"), sys.argv[1:4]))
    runs = int(sys.argv[4]) if len(sys.argv) > 4 else 7
    servers = {name: serve(site) for name, site in sites.items()}
    urls = {name: f"http://127.0.0.1:{server.server_address[1]}/index.html"
            for name, server in servers.items()}
    paints = {name: [] for name in sites}
    for _ in range(runs):
        for name in sites:
            paints[name].append(first_paint(urls[name]))
    measured = {name: figures(site, urls[name], onto_siguiente if name == "program" else onto_floor,
                              paints[name])
                for name, site in sites.items()}

    rows = [("download, raw", "MB"), ("download, gzip -9", "MB"), ("download, brotli -q 11", "MB"),
            (f"first paint, median of {runs}", "ms"), (f"page turn, median of {TURNS}", "ms"),
            (f"page turn, longest of {TURNS}", "ms")]
    table(rows, ("Telvanor", "empty dialog"), measured["program"], measured["floor"],
          [within(1.2)] * 4 + [None, under(FRAME_MS)])
    print("\nWhat Asyncify costs Qt's own code: the empty dialog with and without it")
    table(rows, ("with Asyncify", "without"), measured["floor"],
          measured["floor without Asyncify"], [None] * len(rows))
    for name in sites:
        print(f"First paints (ms), {name}:", ", ".join(f"{p:.0f}" for p in paints[name]))


if __name__ == "__main__":
    main()
