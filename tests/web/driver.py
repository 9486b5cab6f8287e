"""The Python side of browser.mjs: a server for the site on 127.0.0.1 and the headless
browser that browser.mjs drives, for the web tests and the web benchmark."""

import functools
import http.server
import json
import os
import queue
import subprocess
import threading

from waiting import CheckFailed
from walkthrough import TIMEOUT

# The start: download, compilation, the first window. Slow under software WebGL.
START_TIMEOUT = 180


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    """Serves the site, reporting only the requests that fail."""

    def log_request(self, code="-", size="-"):
        if not str(code).startswith(("2", "3")):
            super().log_request(code, size)


def serve(site):
    handler = functools.partial(QuietHandler, directory=site)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


class Browser:
    """The headless browser, driven through tests/web/browser.mjs, one command at a time,
    each answer awaited with a deadline."""

    def __init__(self, name, url, width, height, ratio, flags=()):
        script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "browser.mjs")
        self.process = subprocess.Popen(
            ["node", script, name, url, str(width), str(height), str(ratio), *flags],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
        self.answers = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()
        self._answer(START_TIMEOUT)

    def _read(self):
        for line in self.process.stdout:
            self.answers.put(json.loads(line))
        self.answers.put({"ok": False, "error": "the browser's driver ended"})

    def _answer(self, seconds):
        try:
            answer = self.answers.get(timeout=seconds)
        except queue.Empty:
            raise CheckFailed(f"the browser gave no answer within {seconds} s")
        if not answer["ok"]:
            raise CheckFailed("the browser: " + answer["error"])
        return answer["value"]

    def do(self, command, seconds=TIMEOUT, **arguments):
        self.process.stdin.write(json.dumps({"do": command, **arguments}) + "\n")
        self.process.stdin.flush()
        return self._answer(seconds)

    def close(self):
        """Ends the driver, which closes the browser; one that hangs is told to end, on
        which Puppeteer kills the browser it started, and is killed after that."""
        self.process.stdin.close()
        for end in (None, self.process.terminate, self.process.kill):
            if end:
                end()
            try:
                self.process.wait(timeout=TIMEOUT)
                return
            except subprocess.TimeoutExpired:
                pass
