#!/usr/bin/python3
"""A stop signal ends the program as Escape does: the user copies a form whose bytes are not all
UTF-8 (or hold NUL), the session ends with SIGTERM, SIGHUP or SIGINT, and the clipboard still
holds every byte of the form afterwards.

Usage: signal_story.py TESSALY SOURCE_DIR (on the display that tests/with_display.sh provides)"""
import os
import signal
import subprocess
import sys
import time

from e2e_support import Atspi, Failure, check, find, find_application, wait_for


def clipboard():
    return subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True,
                          timeout=10).stdout


def story(program, form, signal_number):
    with open(form, "rb") as f:
        code = f.read()
    subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=b"; not the form", check=True)
    proc = subprocess.Popen([program, form], cwd=os.path.dirname(program),
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        app = find_application("tessaly")
        copy = wait_for(lambda: find(app, "push button", "Copy"), "the Copy button")
        Atspi.Action.do_action(copy, 0)
        wait_for(lambda: clipboard() == code, "Copy to put every byte of %s there" % form, 5)
        proc.send_signal(signal_number)
        try:
            status = proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            status = None
        name = signal.Signals(signal_number).name
        check(status == 0, "%s ends the program with status 0 (%r)" % (name, status))
        time.sleep(0.3)
        check(clipboard() == code, "after %s the clipboard still holds every byte of %s"
              % (name, os.path.basename(form)))
    finally:
        if proc.poll() is None:
            proc.kill()
            proc.wait()


def main():
    program, source = sys.argv[1], sys.argv[2]
    data = os.path.join(source, "tests", "data")
    try:
        story(program, os.path.join(data, "nul_byte.pb"), signal.SIGTERM)
        story(program, os.path.join(data, "latin1.pb"), signal.SIGHUP)
        story(program, os.path.join(data, "latin1.pb"), signal.SIGINT)
    except Failure as failure:
        print("FAILED:", failure)
        sys.exit(1)


if __name__ == "__main__":
    main()
