#!/usr/bin/python3
"""A screen reader's view of the real program.

Starts kestavo-wellbox under Xvfb on a private D-Bus session with the AT-SPI bus, walks its
accessibility tree as a screen reader does, completes one heart attack quiz through AT-SPI
actions and reads the result from the tree; starts the quiz again by keyboard alone and hears
question 1 at once; then runs the calorie calculator from its launcher to the result, printing
what a reader says each time the focus moves, and saves that result as a PDF through the file
dialog: below its private home the program writes nothing but the PDF and its settings file.
Exits 77 (skipped) where the bus cannot start.

usage: atspi_heart_quiz.py PROGRAM
"""
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip(reason):
    print("SKIP: " + reason)
    sys.exit(SKIP)


def pump():
    """Lets the events that have come in reach their listeners."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, probe, seconds=60):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        pump()
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    raise AssertionError("timed out waiting for " + what)


# --- the session: a private D-Bus, Xvfb, a throw-away home -------------------------------

if "WELLBOX_ATSPI_SESSION" not in os.environ:
    for tool in ("dbus-run-session", "Xvfb"):
        if not shutil.which(tool):
            skip(tool + " is not installed (Debian packages dbus, xvfb)")
    os.environ["WELLBOX_ATSPI_SESSION"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)

program = sys.argv[1]
home = tempfile.mkdtemp(prefix="wellbox-atspi-")


def start_xvfb(number=None):
    """An X server on the display asked for, or on a free one from a random high number (a low
    one may belong to another session that shares this machine's abstract socket names)."""
    for _ in range(10):
        read_end, write_end = os.pipe()
        asked = number or str(random.randint(1000, 30000))
        server = subprocess.Popen(["Xvfb", ":" + asked, "-displayfd", str(write_end), "-screen",
                                   "0", "1280x1024x24", "-nolisten", "tcp"],
                                  pass_fds=[write_end], stderr=subprocess.DEVNULL)
        os.close(write_end)
        # The number and its line end come in two writes; the server stops if the second fails.
        told = b""
        while not told.endswith(b"\n"):
            chunk = os.read(read_end, 16)
            if not chunk:
                break
            told += chunk
        os.close(read_end)
        if told.endswith(b"\n"):
            return server, told.decode().strip()
        server.wait(30)
    skip("Xvfb did not start")


xvfb, display = start_xvfb()

# The AT-SPI registry, started on the bus when first asked, puts keys and clicks through this
# display.
subprocess.run(["dbus-update-activation-environment", "DISPLAY=:" + display], check=True)
try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    xvfb.terminate()
    skip("pyatspi is missing (Debian package python3-pyatspi)")

# Its own settings and runtime folders: the user's settings stay untouched and, on this first
# start, no update reminder appears. The home holds no documents folder.
runtime = tempfile.mkdtemp(prefix="wellbox-atspi-runtime-")
env = dict(os.environ, DISPLAY=":" + display, QT_QPA_PLATFORM="xcb", HOME=home,
           XDG_CONFIG_HOME=os.path.join(home, ".config"), XDG_RUNTIME_DIR=runtime,
           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
suite = subprocess.Popen([program], env=env)
starts = 1


def application():
    global suite, xvfb, starts
    # Now and then the new X server refuses the first clients; the program then ends at once,
    # saying it found no display, and is started again on a server that answers.
    if suite.poll() == 1 and starts < 3:
        if xvfb.poll() is not None:
            xvfb, _ = start_xvfb(display)
        suite, starts = subprocess.Popen([program], env=env), starts + 1
        return None
    if suite.poll() is not None:
        raise AssertionError("the program ended with %d" % suite.returncode)
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "kestavo-wellbox":
                return app
    except Exception:  # the bus is still starting
        return None
    return None


# --- what a reader meets --------------------------------------------------------------------

def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def nodes(root):
    """Everything a reader reaches walking down from root, skipping what is not showing."""
    stack = [root]
    while stack:
        node = stack.pop()
        if node is None or not showing(node):
            continue
        yield node
        stack.extend(reversed([node.getChildAtIndex(i) for i in range(node.childCount)]))


def spoken_name(node):
    """A list is read by its label; everything else by its own name."""
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                return relation.getTarget(0).name
    return node.name


def find(name, role=None):
    for node in nodes(application()):
        if spoken_name(node) == name and (role is None or node.getRole() == role):
            return node
    return None


def press(node):
    actions = node.queryAction()
    names = [actions.getName(i).lower() for i in range(actions.nActions)]
    actions.doAction(names.index("press"))


def say(step, node):
    """What a reader says for a control: name, role, description."""
    description = node.description
    line = "%s: \"%s\" %s" % (step, spoken_name(node), node.getRoleName())
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        line += " \"%s\"" % node.name
    print(line + (" - \"%s\"" % description if description else ""))


def toggle(node):
    actions = node.queryAction()
    names = [actions.getName(i).lower() for i in range(actions.nActions)]
    actions.doAction(names.index("toggle"))


# What a reader says as the focus moves, in order; heard() takes what was said since last asked.
spoken = []


def on_focus(event):
    if event.detail1 and event.source is not None:
        spoken.append(event.source)


def heard(step, settle=1.0, quiet=False):
    """Prints and returns what a reader said since the last call, once the focus has settled."""
    deadline = time.monotonic() + settle
    while time.monotonic() < deadline:
        pump()
        time.sleep(0.05)
    lines = []
    for node in spoken:
        try:
            line = "\"%s\" %s" % (spoken_name(node), node.getRoleName())
            if node.getRole() == pyatspi.ROLE_COMBO_BOX:
                line += " \"%s\"" % node.name
            if node.description:
                line += " - \"%s\"" % node.description
        except Exception:  # gone with its window
            continue
        lines.append(line)
        if not quiet:
            print("%s, heard: %s" % (step, line))
    del spoken[:]
    return lines


def tab_to(name):
    """Tab until the focus is on the control called name; prints only what is heard there."""
    focused = [n for n in nodes(application()) if n.getState().contains(pyatspi.STATE_FOCUSED)]
    if any(spoken_name(n) == name for n in focused):
        return
    for _ in range(60):
        key(TAB)
        # The window is told focused too when Tab comes round to its first control.
        lines = [line for line in heard("Tab", settle=0.3, quiet=True)
                 if not line.endswith(" frame")]
        if lines and lines[-1].startswith("\"%s\"" % name):
            print("Tab to %s, heard: %s" % (name, lines[-1]))
            return
    raise AssertionError("Tab did not reach " + name)


def key(keysym):
    """A key pressed and released on the keyboard, as the X server sees it."""
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    time.sleep(0.1)


TAB, SPACE, DOWN = 0xff09, 0x20, 0xff54

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message)


try:
    wait_for("the program on the AT-SPI bus", application)
    launcher = wait_for("the launcher", lambda: find("Heart Attack Risk Calculator",
                                                     pyatspi.ROLE_PUSH_BUTTON))
    for node in nodes(application()):
        if node.getState().contains(pyatspi.STATE_FOCUSABLE):
            check(spoken_name(node).strip(), "a focusable %s has no name" % node.getRoleName())
        check("&" not in (node.name or "").replace("& ", ""), "raw & in " + node.name)
    banner = find("Join the Kestavo health forum at www.kestavo.example/forum")
    say("Main window banner", banner)
    check(banner.getRole() == pyatspi.ROLE_LINK, "the banner is not a link")
    press(launcher)

    age = wait_for("Personal Details", lambda: find("Enter Age"))
    for node in (age, find("Select Sex"), find("Take the Heart Attack Risk Quiz")):
        say("Personal Details", node)
    for covered in ("Next Question", "Main Screen", "Questions", "Result"):
        check(find(covered) is None, "covered \"%s\" reported as showing" % covered)
    age.queryEditableText().setTextContents("45")
    press(find("Take the Heart Attack Risk Quiz"))

    for number in range(1, 7):
        counter = "Question %d of 6" % number
        answers = wait_for(counter, lambda: next(
            (n for n in nodes(application()) if n.getRole() == pyatspi.ROLE_COMBO_BOX
             and n.description == counter), None))
        say("Questions", answers)
        say("Questions", find("Next Question"))
        check(find("Enter Age") is None, "covered Personal Details reported as showing")
        press(find("Next Question"))

    main = wait_for("the result", lambda: find("Main Screen"))
    say("Result", main)
    result = [n.name for n in nodes(application()) if n.getRole() == pyatspi.ROLE_LABEL
              and n.name.startswith("Your")]
    print("Result: the result label reads \"%s\"" % " ".join(result))
    check(main.description and main.description == " ".join(result),
          "Main Screen does not describe the result")
    check(find("Next Question") is None, "covered Questions reported as showing")

    # By keyboard alone: Main Screen has the focus; the age, the sex list, Start. A reader
    # hears question 1 the moment Start is pressed, without a Tab.
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    # There is no window manager: a click on the result text makes the window active, as a
    # user's window is, and the focus stays on Main Screen.
    label = next(n for n in nodes(application()) if n.getRole() == pyatspi.ROLE_LABEL
                 and n.name.startswith("Your"))
    x, y, width, height = label.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + 5, y + height // 2, "b1c")
    wait_for("the window active", lambda: main.getState().contains(pyatspi.STATE_FOCUSED))
    heard("Window activated")
    key(SPACE)
    wait_for("Personal Details again", lambda: find("Take the Heart Attack Risk Quiz"))
    heard("Main Screen by Space")
    for keysym in (0x34, 0x35, TAB, TAB):
        key(keysym)
    check(heard("Age typed, Tab, Tab")[-1:] == ["\"Take the Heart Attack Risk Quiz\" push button"],
          "Tab did not reach Start")
    key(SPACE)
    after_start = heard("Start by Space")
    check(after_start[-1:] == ["\"1. Are you a smoker?\" combo box \"Yes\" - \"Question 1 of 6\""],
          "question 1 was not heard right after Start")

    # The calorie calculator, from its launcher to the result, by keyboard.
    press(find("Calorie Calculator", pyatspi.ROLE_PUSH_BUTTON))
    wait_for("the calorie input window", lambda: find("Kilograms"))
    heard("Calorie Calculator opened")
    for covered in ("In Kilogram", "OK", "Calculate My Required Calories"):
        check(find(covered) is None, "covered \"%s\" reported as showing" % covered)
    tab_to("Kilograms")
    key(SPACE)
    check(heard("Kilograms by Space")[-1:] == ["\"In Kilogram\" combo box \"0\""],
          "the kilogram list did not take the focus")
    key(DOWN)
    key(TAB)
    check(heard("Down (1 kg), Tab")[-1:] == ["\"In Kilogram\" combo box \".0\" - \"tenths of a kilogram\""],
          "the tenths list is not told apart")
    tab_to("OK")
    key(SPACE)
    heard("OK by Space")
    tab_to("Meters")
    key(SPACE)
    heard("Meters by Space")
    key(DOWN)
    tab_to("OK")
    key(SPACE)
    heard("Down (1 m), OK by Space")
    tab_to("Proceed")
    key(SPACE)
    wait_for("the result window", lambda: find("Sedentary"))
    heard("Proceed by Space")
    tab_to("Sedentary")
    key(SPACE)
    heard("Sedentary by Space")
    tab_to("Calculate My Required Calories")
    key(SPACE)
    wait_for("the requirement", lambda: find("Required Calories For Your Daily Activity"))
    result = heard("Calculate by Space")
    calories = [n.name for n in nodes(application()) if n.getRole() == pyatspi.ROLE_LABEL
                and n.name.isdigit()]
    print("Result: the requirement reads \"%s\"" % " ".join(calories))
    # Man 1, 1.0 kg, 1.0 m: basal 573, sedentary 688.
    check(calories == ["688"], "the requirement is not 688")
    check(any("688" in line for line in result), "the requirement was not heard")
    check(find("Calculate My Required Calories") is None, "covered Calculate reported as showing")

    # Saved as proposed, in the home folder: the file dialog's Save button pressed.
    press(wait_for("Save as PDF", lambda: find("Save as PDF...", pyatspi.ROLE_PUSH_BUTTON)))
    press(wait_for("the save dialog", lambda: find("Save", pyatspi.ROLE_PUSH_BUTTON)))
    saved = wait_for("the PDF in the home folder",
                     lambda: [name for name in os.listdir(home) if name.endswith(".pdf")], 20)
    print("Saved: %s" % saved)
    suite.terminate()
    suite.wait(30)
    written = sorted(os.path.relpath(os.path.join(folder, name), home)
                     for folder, _, names in os.walk(home) for name in names)
    print("Written below the home folder: %s" % written)
    check(len(written) == 2 and written[0] == ".config/kestavo-wellbox.ini"
          and re.fullmatch(r"Kestavo Calorie Calculator \d{4}-\d{2}-\d{2}\.pdf", written[1]),
          "files other than the PDF and the settings file written")
finally:
    suite.terminate()
    suite.wait(30)
    xvfb.terminate()
    xvfb.wait(30)
    shutil.rmtree(home, ignore_errors=True)
    shutil.rmtree(runtime, ignore_errors=True)

if failures:
    sys.exit(1)
print("PASS")
