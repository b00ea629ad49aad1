"""The program on a private D-Bus session and X server, and what a screen reader meets of it.

Imported by atspi_walk.py, which it starts again under dbus-run-session; exits 77
(skipped) where the bus or the X server cannot start.
"""
import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip(reason):
    print("SKIP: " + reason)
    sys.exit(SKIP)


if "WELLBOX_ATSPI_SESSION" not in os.environ:
    for tool in ("dbus-run-session", "Xvfb"):
        if not shutil.which(tool):
            skip(tool + " is not installed (Debian packages dbus, xvfb)")
    os.environ["WELLBOX_ATSPI_SESSION"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable] + sys.argv)


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


program = sys.argv[1]
home = tempfile.mkdtemp(prefix="wellbox-atspi-")
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


def stop():
    suite.terminate()
    suite.wait(30)
    xvfb.terminate()
    xvfb.wait(30)
    shutil.rmtree(home, ignore_errors=True)
    shutil.rmtree(runtime, ignore_errors=True)


def pump():
    """Lets the events that have come in reach their listeners."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def settle(seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        pump()
        time.sleep(0.05)


def wait_for(what, probe, seconds=60):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        pump()
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    raise AssertionError("timed out waiting for " + what)


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


def value(node):
    """A list's value as Orca reads it: the list's text (Orca finds no selection in Qt's)."""
    try:
        text = node.queryText()
    except NotImplementedError:
        return None
    return text.getText(0, text.characterCount)


def said(node):
    """What a reader says for a control: name, role, value, description."""
    try:
        line = "\"%s\" %s" % (spoken_name(node), node.getRoleName())
        if node.getRole() == pyatspi.ROLE_COMBO_BOX:
            line += " \"%s\"" % value(node)
        return line + (" - \"%s\"" % node.description if node.description else "")
    except Exception:  # gone with its window
        return "(gone)"


def find(name, role=None):
    # A window opening or closing takes nodes away during the walk: not found this time.
    try:
        for node in nodes(application()):
            if spoken_name(node) == name and (role is None or node.getRole() == role):
                return node
    except GLib.GError:
        pass
    return None


def do(node, action):
    actions = node.queryAction()
    names = [actions.getName(i).lower() for i in range(actions.nActions)]
    actions.doAction(names.index(action))


def ancestors(node):
    node = node.parent
    while node is not None and node.getRole() != pyatspi.ROLE_APPLICATION:
        yield node
        node = node.parent


# --- keys, and what the program tells a reader after them -----------------------------------

TAB, SPACE, RETURN, DOWN, UP, HOME, END, F4, RIGHT = (0xff09, 0x20, 0xff0d, 0xff54, 0xff52,
                                                      0xff50, 0xff57, 0xffc1, 0xff53)
SHIFT, CONTROL = 50, 37  # key codes of Shift_L and Control_L on the X server's keyboard

# Every event a reader acts on, in order: (type, source, detail1), and when the last came.
events = []
last_event = [0.0]


def _record(event):
    events.append((event.type, event.source, event.detail1))
    last_event[0] = time.monotonic()


for kind in ("object:state-changed:focused", "object:text-caret-moved", "object:text-changed"):
    pyatspi.Registry.registerEventListener(_record, kind)


def key(keysym, *held):
    """A key pressed and released on the keyboard, with modifier keys (key codes) held."""
    for code in held:
        pyatspi.Registry.generateKeyboardEvent(code, None, pyatspi.KEY_PRESS)
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    for code in reversed(held):
        pyatspi.Registry.generateKeyboardEvent(code, None, pyatspi.KEY_RELEASE)
    time.sleep(0.02)


def quiet(most, calm=0.1):
    """Lets events come until none has come for `calm` seconds after the first, or `most` pass."""
    start = time.monotonic()
    while time.monotonic() - start < most:
        pump()
        if events and time.monotonic() - last_event[0] >= calm:
            return
        time.sleep(0.01)


def told(keysym=None, *held, wait=0.4):
    """Presses a key (if any) and returns the events a reader was sent after it: those of one
    burst, or of `wait` seconds where the key tells nothing."""
    settle(0.02)
    del events[:]
    if keysym is not None:
        key(keysym, *held)
    quiet(wait)
    return list(events)


def focus_told(happened):
    """The control a reader was last told has the focus, or None."""
    focused = [source for kind, source, detail in happened
               if kind == "object:state-changed:focused" and detail and source is not None]
    return focused[-1] if focused else None


# What a walk found wrong, each said as it is found.
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message)
    return condition
