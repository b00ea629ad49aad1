#!/usr/bin/python3
"""A screen reader's view of the real program.

Starts kestavo-wellbox under Xvfb on a private D-Bus session with the AT-SPI bus, walks its
accessibility tree as a screen reader does, completes one heart attack quiz through AT-SPI
actions and reads the result from the tree. Exits 77 (skipped) where the bus cannot start.

usage: atspi_heart_quiz.py PROGRAM
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip(reason):
    print("SKIP: " + reason)
    sys.exit(SKIP)


def wait_for(what, probe, seconds=60):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
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

try:
    import pyatspi
except ImportError:
    skip("pyatspi is missing (Debian package python3-pyatspi)")

program = sys.argv[1]
home = tempfile.mkdtemp(prefix="wellbox-atspi-")
read_end, write_end = os.pipe()
xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
                         "-nolisten", "tcp"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
os.close(write_end)
display = os.read(read_end, 16).decode().strip()
if not display:
    skip("Xvfb did not start")

# Its own settings and runtime folders: the user's settings stay untouched and, on this first
# start, no update reminder appears.
env = dict(os.environ, DISPLAY=":" + display, QT_QPA_PLATFORM="xcb", HOME=home,
           XDG_CONFIG_HOME=os.path.join(home, ".config"),
           XDG_RUNTIME_DIR=os.path.join(home, "runtime"),
           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700)
suite = subprocess.Popen([program], env=env)


def application():
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
finally:
    suite.terminate()
    suite.wait(30)
    xvfb.terminate()
    xvfb.wait(30)
    shutil.rmtree(home, ignore_errors=True)

if failures:
    sys.exit(1)
print("PASS")
