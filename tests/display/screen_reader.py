#!/usr/bin/python3
"""What a screen reader finds in the running program over the AT-SPI bus:
every entry field by its name, the focus moving on Tab, the instruction
line's new text, and the Standard Thread dialog. Keys go through the X
server (xdotool). Run inside with-accessibility-bus.sh under xvfb-run.

    screen_reader.py PATH_TO_ORVANTA
"""
import os
import subprocess
import sys
import time

try:
    import pyatspi
except ImportError:
    print("skipped: pyatspi is not installed (Debian: python3-pyatspi)")
    sys.exit(0)

FIELDS = [
    "External thread, after-plate maximum pitch diameter",
    "External thread, after-plate minimum pitch diameter",
    "External thread, maximum plating or coating thickness",
    "External thread, minimum plating or coating thickness",
    "Internal thread, after-plate minimum pitch diameter",
    "Internal thread, after-plate maximum pitch diameter",
    "Internal thread, minimum plating or coating thickness",
    "Internal thread, maximum plating or coating thickness",
]


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def wait_for(what, probe, seconds=10.0):
    """Polls `probe` until it returns something true; fails naming `what`."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        try:
            found = probe()
        except Exception:  # the tree changes under us while the program works
            found = None
        if found:
            return found
        time.sleep(0.1)
    fail("no " + what + " within %.0f s" % seconds)


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "50", *keys], check=True)


def program():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "orvanta":
            return app
    return None


def descendant(root, role, name_start):
    return pyatspi.findDescendant(
        root, lambda a: a is not None and a.getRole() == role and a.name.startswith(name_start))


def focused_field(root):
    return pyatspi.findDescendant(
        root, lambda a: a is not None and a.getRole() == pyatspi.ROLE_TEXT
        and a.getState().contains(pyatspi.STATE_FOCUSED))


def main():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    orvanta = subprocess.Popen([sys.argv[1]], env=env)
    try:
        app = wait_for("Orvanta on the accessibility bus", program)
        wait_for("agreement window", lambda: descendant(app, pyatspi.ROLE_PUSH_BUTTON, "Agree"))
        key("Tab", "Return")  # from CANCEL to AGREE, and press it

        field = wait_for("focus in the first field", lambda: focused_field(app))
        if field.name != FIELDS[0]:
            fail("the focus starts in '%s'" % field.name)
        for name in FIELDS:
            if descendant(app, pyatspi.ROLE_TEXT, name) is None:
                fail("no entry field named '%s'" % name)

        subprocess.run(["xdotool", "type", "--delay", "30", "0.4485"], check=True)
        key("Tab")
        wait_for("focus on the second field after Tab",
                 lambda: (lambda f: f is not None and f.name == FIELDS[1])(focused_field(app)))
        wait_for("the instruction line's new text", lambda: descendant(
            app, pyatspi.ROLE_LABEL,
            "Instructions: Enter Minimum After Plate Pitch Diameter and press <TAB>."))

        for value in ("0.4435", "0.0005", "0.0002"):
            subprocess.run(["xdotool", "type", "--delay", "30", value], check=True)
            key("Tab")
        wait_for("the external suggestion spoken", lambda: descendant(
            app, pyatspi.ROLE_LABEL, "Suggested pre-plate maximum, GO ring or set plug: 0.4465"))

        key("alt+t")
        dialog = wait_for("the Standard Thread dialog",
                          lambda: descendant(app, pyatspi.ROLE_DIALOG, "Standard Thread"))
        designation = wait_for("focus in the designation field", lambda: focused_field(dialog))
        if designation.name != "Thread designation":
            fail("the dialog's focus is in '%s'" % designation.name)
        subprocess.run(["xdotool", "type", "--delay", "30", "M10-6g"], check=True)
        wait_for("the external maximum spoken with its role", lambda: descendant(
            dialog, pyatspi.ROLE_LABEL, "External after-plate maximum pitch diameter: 8.9940 mm"))
        key("Escape")
        wait_for("the dialog gone after Esc",
                 lambda: descendant(app, pyatspi.ROLE_DIALOG, "Standard Thread") is None)
        sheet_button = wait_for("the Sheet button", lambda: descendant(
            app, pyatspi.ROLE_PUSH_BUTTON, "Thread record"))
        sheet_button.queryAction().doAction(0)
        sheet = wait_for("the Thread Record window",
                         lambda: descendant(app, pyatspi.ROLE_DIALOG, "Thread Record"))
        for name in ("Part or drawing number", "Notes", "Wire diameter", "Save PDF", "Print", "Close"):
            if pyatspi.findDescendant(sheet, lambda a, n=name: a is not None and a.name == n) is None:
                fail("no control named '%s' in the Thread Record window" % name)
        record = wait_for("the record", lambda: pyatspi.findDescendant(
            sheet, lambda a: a is not None and a.name == "Thread record" and a.getRole() != pyatspi.ROLE_DIALOG))
        text = record.queryText().getText(0, -1)
        for expected in ("Thread Record: pre-plate pitch diameter limits", "limits entered by hand",
                         "0.4485", "0.4465", "0.4427"):
            if expected not in text:
                fail("the record read aloud lacks '%s': %s" % (expected, text[:300]))
        descendant(sheet, pyatspi.ROLE_PUSH_BUTTON, "Close").queryAction().doAction(0)
        wait_for("the Thread Record window gone",
                 lambda: descendant(app, pyatspi.ROLE_DIALOG, "Thread Record") is None)
        print("PASS: fields named, focus follows Tab, instructions, the thread dialog and the record are spoken")
    finally:
        orvanta.kill()
        orvanta.wait()


if __name__ == "__main__":
    main()
