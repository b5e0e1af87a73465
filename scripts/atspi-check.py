#!/usr/bin/python3
"""Reads the window as a screen reader does, over the desktop's accessibility
bus (AT-SPI): types a circuit into the input page, presses Next, and checks
that every value of the details table is exposed with its caption and unit
and equals what `dorvanta-cli search --format json` gives for the same part,
written in the window's number patterns; then the same at 85 °C. It also
checks that the five temperature buttons are named by their own labels.

Run it on an X display with a D-Bus session of its own, as
scripts/atspi-check.sh does:

    scripts/atspi-check.py BUILD_DIR

Exit status 0: everything read as expected; 1: a difference (each printed);
77: the accessibility bus or its Python bindings are missing.
"""

import json
import os
import subprocess
import sys
import time
from decimal import ROUND_HALF_UP, Decimal

SKIP = 77
RS, RL, IMAX, VA, OPERATOR, CAPACITANCE = "0.1", "0.01", "10", "5", ">", "0.1"
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
KEYSYM_RETURN = 0xFF0D


# The window's number patterns ------------------------------------------------


def pattern(value, decimals):
    """The pattern "0", "0.#", "0.##" or "0.###": halves away from zero,
    no trailing zeros."""
    step = Decimal(1).scaleb(-decimals)
    text = format(Decimal(repr(value)).quantize(step, rounding=ROUND_HALF_UP), "f")
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def scientific(value):
    """The pattern "0.0e-0": one decimal, the exponent's sign only when
    negative."""
    if value == 0:
        return "0.0e0"
    number = Decimal(repr(value))
    exponent = number.adjusted()
    mantissa = (number.scaleb(-exponent)).quantize(Decimal("0.1"), rounding=ROUND_HALF_UP)
    if abs(mantissa) >= 10:
        mantissa = (mantissa / 10).quantize(Decimal("0.1"), rounding=ROUND_HALF_UP)
        exponent += 1
    return f"{mantissa}e{exponent}"


def general(value):
    """The general number format: up to 15 significant digits, no exponent
    for the catalogue's sizes."""
    text = f"{value:.15g}"
    return text


# What the details table shows for a part of the companion's JSON, at the
# temperature index `t`: caption (at 25 °C), unit, shown text.
def expected_rows(part, t):
    at = lambda name: part[name][t]
    return [
        ("Case Size", "", part["case_size"]),
        ("Capacitance @ 25°C, 120 Hz", "µF", general(part["capacitance"])),
        ("Rated Voltage", "V", general(part["rated_voltage"])),
        ("Applicable Voltage Derating", "%", pattern(part["derating"], 1)),
        ("DF @ 25°C, 120 Hz", "%", "-" if part["df"] == 0 else general(part["df"])),
        ("ESR Max. @ 25°C, 100 kHz", "Ohm", pattern(part["esr_max"] * 0.001, 3)),
        ("DCL Max. @ 25°C, 3 min.", "µA", pattern(part["dcl_max"], 1)),
        ("DCL Typical @ App. Voltage", "µA", pattern(at("dcl"), 2)),
        ("Irms 25°C @ 100 kHz", "mA", pattern(at("irms"), 0)),
        ("Vrms 25°C @ 100 kHz", "mV", pattern(at("vrms"), 0)),
        ("Failure Rate @ 25°C", "%/1000 hrs", scientific(at("failure_rate"))),
        ("Failures in Time (10⁹ hrs) @ 25°C", "FITs", pattern(at("fit"), 2)),
        ("MTBF @ 25°C", "years", pattern(at("mtbf"), 0)),
        ("Application Surge", "A", pattern(part["app_surge"], 1)),
        ("Moltren Test Surge", "A", pattern(part["test_surge"], 1)),
    ]


def companion_parts(build):
    out = subprocess.run(
        [os.path.join(build, "cli", "dorvanta-cli"), "search", "--rs", RS, "--rl", RL,
         "--imax", IMAX, "--va", VA, "--operator", OPERATOR, "--cap1", CAPACITANCE,
         "--format", "json"],
        check=True, capture_output=True, text=True).stdout
    return {part["part_number"]: part for part in json.loads(out)["parts"]}


# The accessibility tree --------------------------------------------------------


def walk(node, depth=0):
    """Every node below `node`, depth first (the window is small)."""
    if node is None or depth > 40:
        return
    yield node
    for i in range(node.childCount):
        try:
            child = node.getChildAtIndex(i)
        except Exception:  # a node that went away meanwhile
            continue
        yield from walk(child, depth + 1)


def wait_for(what, find, seconds=30):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    raise TimeoutError(f"gave up waiting for {what}")


def find_application(pyatspi):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name.lower() == "dorvanta":
            return app
    return None


def by_name(app, role, name):
    for node in walk(app):
        if node.getRole() == role and node.name == name:
            return node
    return None


def press(pyatspi, node):
    actions = node.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i).lower() in ("press", "click", "toggle"):
            actions.doAction(i)
            return
    raise RuntimeError(f"{node.name}: no press action")


def choose_by_typing(pyatspi, combo, text):
    """A list's entry chosen as a keyboard user does: the drop-down opened,
    the entry's text typed (a list takes keys typed within a short interval
    as one search text) and Return pressed. The open drop-down has the
    keyboard to itself, whichever window is active."""
    actions = combo.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == "ShowMenu":
            actions.doAction(i)
    time.sleep(0.5)
    pyatspi.Registry.generateKeyboardEvent(0, text, pyatspi.KEY_STRING)
    time.sleep(0.2)
    pyatspi.Registry.generateKeyboardEvent(KEYSYM_RETURN, None, pyatspi.KEY_SYM)
    time.sleep(1)


def chosen_entry(pyatspi, combo):
    """A list's choice as a screen reader finds it: its selected entry."""
    for node in walk(combo):
        if node.getRole() == pyatspi.ROLE_LIST_ITEM and node.getState().contains(
                pyatspi.STATE_SELECTED):
            return node.name
    return None


def value_labels(app, pyatspi):
    """caption -> the rest of each label read as "caption: value unit"."""
    labels = {}
    for node in walk(app):
        if node.getRole() == pyatspi.ROLE_LABEL and ": " in node.name:
            caption, _, rest = node.name.partition(": ")
            labels[caption] = rest
    return labels


def check_values(app, pyatspi, part, t, temperature, failures):
    def read():
        labels = value_labels(app, pyatspi)
        return labels if f"Irms {temperature}°C @ 100 kHz" in labels else None

    labels = wait_for(f"the values at {temperature} °C", read)
    for caption, unit, text in expected_rows(part, t):
        caption = caption.replace("25°C", f"{temperature}°C") if caption.startswith(
            ("Irms", "Vrms", "Failure", "MTBF")) else caption
        want = f"{text} {unit}".strip()
        got = labels.get(caption)
        status = "ok" if got == want else "DIFFERS"
        print(f"  {status:8} {caption}: {got!r} (companion: {want!r})")
        if got != want:
            failures.append(f"{caption} at {temperature} °C: read {got!r}, expected {want!r}")


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build/ci"
    try:
        import pyatspi
    except ImportError:
        print("skipped: python3-pyatspi is not installed")
        return SKIP
    if not os.access(BUS_LAUNCHER, os.X_OK):
        print("skipped: at-spi2-core is not installed")
        return SKIP

    launcher = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"])
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               QT_ACCESSIBILITY="1", NO_AT_BRIDGE="0")
    program = None
    try:
        time.sleep(1)
        # A display that has only just opened may turn the first client
        # away on a busy machine: a program that ends at once is started
        # again.
        app = None
        for _ in range(3):
            program = subprocess.Popen([os.path.join(build, "app", "dorvanta")], env=env)
            app = wait_for("the program on the accessibility bus",
                           lambda: find_application(pyatspi) or program.poll() is not None)
            if program.poll() is None:
                break
            print(f"the program ended at once (status {program.returncode}); starting it again")
            time.sleep(1)
        if program.poll() is not None:
            raise RuntimeError("the program does not start")
        failures = []

        # The input page, as a screen reader user fills it in.
        for name, text in (("Rs", RS), ("Rl", RL), ("Imax", IMAX), ("Va", VA)):
            field = wait_for(f"the field {name}", lambda: by_name(app, pyatspi.ROLE_TEXT, name))
            field.queryEditableText().setTextContents(text)
            typed = field.queryText().getText(0, -1)
            if typed != text:
                failures.append(f"field {name}: reads {typed!r} after typing {text!r}")
        # The two lists, typed into as a keyboard user does: another entry
        # first, then the one wanted, each read back as the list's selected
        # entry.
        for name, other, text in (("Capacitance range", "=", OPERATOR),
                                  ("Capacitance", "1", CAPACITANCE)):
            combo = by_name(app, pyatspi.ROLE_COMBO_BOX, name)
            if combo is None:
                failures.append(f"no list named {name!r}")
                continue
            for entry in (other, text):
                choose_by_typing(pyatspi, combo, entry)
                chosen = chosen_entry(pyatspi, combo)
                print(f"list {name!r}: typed {entry!r}, reads {chosen!r}")
                if chosen != entry:
                    failures.append(f"list {name}: reads {chosen!r} after typing {entry!r}")
        next_button = wait_for("Next", lambda: by_name(app, pyatspi.ROLE_PUSH_BUTTON, "Next >"))
        time.sleep(0.5)  # Next is enabled when the program goes idle
        press(pyatspi, next_button)

        # The results page: the first part is selected.
        tree = wait_for("the results tree",
                        lambda: by_name(app, pyatspi.ROLE_TREE, "Recommended Part Numbers")
                        or by_name(app, pyatspi.ROLE_TREE_TABLE, "Recommended Part Numbers"))
        parts = companion_parts(build)
        selected = wait_for("the selected part", lambda: [
            node.name for node in walk(tree)
            if node.getState().contains(pyatspi.STATE_SELECTED) and node.name in parts])
        part = parts[selected[0]]
        print(f"first part {selected[0]} (series {part['series']}), at 25 °C:")
        check_values(app, pyatspi, part, 1, "25", failures)

        # The temperature buttons read as their labels, under their group.
        for label in ("-55", "25", "40", "85", "125"):
            button = by_name(app, pyatspi.ROLE_RADIO_BUTTON, label)
            if button is None:
                failures.append(f"no temperature button named {label!r}")
        names = sorted(node.name for node in walk(app)
                       if node.getRole() == pyatspi.ROLE_RADIO_BUTTON and "°C" in node.name)
        if names:
            failures.append(f"temperature buttons naming the unit again: {names}")
        print("temperature buttons named -55, 25, 40, 85, 125")

        press(pyatspi, by_name(app, pyatspi.ROLE_RADIO_BUTTON, "85"))
        print(f"first part {selected[0]}, at 85 °C:")
        check_values(app, pyatspi, part, 3, "85", failures)

        for failure in failures:
            print("FAILED:", failure)
        print("AT-SPI check:", "failed" if failures else "passed")
        return 1 if failures else 0
    finally:
        if program is not None:
            program.terminate()
            program.wait(10)
        launcher.terminate()
        launcher.wait(10)


if __name__ == "__main__":
    sys.exit(main())
