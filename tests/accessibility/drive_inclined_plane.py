#!/usr/bin/python3
"""Drives PhysCalc's inclined plane through the AT-SPI accessibility bus, as a
screen reader or UI automation tool would: no object names, only the
accessible names, roles, actions and texts the application exposes."""
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# Generous: a loaded machine may take long to bring the bus and the windows up.
TIMEOUT = 40.0


def wait_for(what, find):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"timed out waiting for {what}")


def descendants(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name().lower() == "physcalc":
            return app
    return None


def frame(app, title):
    for i in range(app.get_child_count()):
        window = app.get_child_at_index(i)
        if window is not None and window.get_name().startswith(title):
            return window
    return None


def named(window, role, name):
    for node in descendants(window):
        if node.get_role() == role and node.get_name() == name:
            return node
    return None


def press(button):
    for i in range(Atspi.Action.get_n_actions(button)):
        # get_action_name is marked deprecated, but its only replacement
        # returns the translated name.
        with warnings.catch_warnings():
            warnings.simplefilter("ignore", DeprecationWarning)
            action = Atspi.Action.get_action_name(button, i)
        if action in ("Press", "press", "click"):
            Atspi.Action.do_action(button, i)
            return
    sys.exit(f"{button.get_name()} has no press action")


def text_of(node):
    return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))


def main():
    app = wait_for("PhysCalc on the accessibility bus", application)
    launcher = wait_for("the launcher", lambda: frame(app, "PhysCalc"))
    opener = wait_for("the Inclined plane entry", lambda: named(launcher, Atspi.Role.PUSH_BUTTON, "Inclined plane"))
    press(opener)
    window = wait_for("the Inclined plane window", lambda: frame(app, "Inclined plane"))

    for name, value in (("Weight", "10"), ("Height", "3"), ("Base", "4"), ("Length", "5")):
        field = wait_for(f"the {name} field", lambda: named(window, Atspi.Role.TEXT, name))
        Atspi.EditableText.set_text_contents(field, value)
    press(named(window, Atspi.Role.PUSH_BUTTON, "Analyze"))

    expected = {
        "Perpendicular component": "8.00",
        "Parallel component": "6.00",
        "Sketch height": "3.00",
        "Sketch base": "4.00",
        "Sketch length": "5.00",
        "Sketch angle": "36.87",
        "Sketch perpendicular component": "8.00",
        "Sketch parallel component": "6.00",
    }
    failures = []
    for name, value in expected.items():
        field = named(window, Atspi.Role.TEXT, name)
        shown = wait_for(f"{name} to show {value}", lambda: value if field and text_of(field) == value else None) if field else None
        if field is None:
            failures.append(f"no text field named {name}")
        elif shown != value:
            failures.append(f"{name} shows {text_of(field)!r}, expected {value!r}")
    if failures:
        sys.exit("\n".join(failures))
    print("inclined plane driven over AT-SPI: all eight results read back")


if __name__ == "__main__":
    main()
