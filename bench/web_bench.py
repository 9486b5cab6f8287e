#!/usr/bin/env python3
"""The web build's size and speed, each beside the floor, in one run: an empty Qt dialog of
the main window's size, built with the same Qt and flags and served in the same page.

- The download: the files the page fetches, raw, gzipped (-9) and brotli-compressed (-q 11).
- First paint: from navigation to the first animation frame after the first window has
  been drawn (the page's telvanor.firstPaint), in headless Chromium with a new profile each
  time, so that nothing comes from the browser's cache; the median of RUNS loads, the
  program's and the floor's alternated.
- A page turn: "Siguiente" in the questionnaire, the work of the key press and of the frame
  that draws it (tests/web/browser.mjs), against a 60 Hz frame; beside it the floor's key
  press, which repaints its dialog whole: what any frame of Qt's costs in this browser.

Usage: web_bench.py PROGRAM_SITE FLOOR_SITE [RUNS]
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


def row(figure, program, floor, unit, goal):
    ratio = program / floor
    verdict = "met" if ratio <= goal else "**missed**"
    print(f"| {figure} | {program:,.1f} {unit} | {floor:,.1f} {unit} | {ratio:.2f} x | "
          f"{goal:.1f} x: {verdict} |")


def main():
    program_site, floor_site = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    program_server, floor_server = serve(program_site), serve(floor_site)
    url = lambda server: f"http://127.0.0.1:{server.server_address[1]}/index.html"
    paints = {"program": [], "floor": []}
    for _ in range(runs):
        paints["program"].append(first_paint(url(program_server)))
        paints["floor"].append(first_paint(url(floor_server)))
    turns = page_turns(url(program_server), onto_siguiente)
    floor_turns = page_turns(url(floor_server), onto_floor)

    print("| figure | Telvanor | empty dialog | ratio | goal |")
    print("|---|---|---|---|---|")
    for label, program, floor in zip(("raw", "gzip -9", "brotli -q 11"),
                                     download_sizes(program_site), download_sizes(floor_site)):
        row(f"download, {label}", program / 1e6, floor / 1e6, "MB", 1.2)
    row(f"first paint, median of {runs}", statistics.median(paints["program"]),
        statistics.median(paints["floor"]), "ms", 1.2)
    program_turn, floor_turn = turn_figures(turns), turn_figures(floor_turns)
    print(f"| page turn, median of {TURNS} | {program_turn[0]:,.1f} ms | {floor_turn[0]:,.1f} ms "
          f"| {program_turn[0] / floor_turn[0]:.2f} x | |")
    print(f"| page turn, longest of {TURNS} | {program_turn[1]:,.1f} ms | {floor_turn[1]:,.1f} ms "
          f"| {program_turn[1] / floor_turn[1]:.2f} x | {FRAME_MS:.1f} ms: "
          f"{'met' if program_turn[1] < FRAME_MS else '**missed**'} |")
    print("First paints (ms), program:", ", ".join(f"{p:.0f}" for p in paints["program"]))
    print("First paints (ms), floor:  ", ", ".join(f"{p:.0f}" for p in paints["floor"]))


if __name__ == "__main__":
    main()
