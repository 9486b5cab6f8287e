"""What the script tests share: a failed check, and waiting for what a program does."""

import subprocess
import sys
import time


class CheckFailed(Exception):
    pass


def wait_for(predicate, what, seconds=10, interval=0.05):
    """The first true value of predicate() within the time allowed; fails after it."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = predicate()
        if found:
            return found
        time.sleep(interval)
    raise CheckFailed("timed out waiting for " + what)


def run_test(main):
    """Runs a script test's main(); a failed check or a command past its time ends the test
    with FAIL and status 1."""
    try:
        main()
    except (CheckFailed, subprocess.TimeoutExpired) as failure:
        print("FAIL:", failure)
        sys.exit(1)
