#!/usr/bin/python3
"""What a screen reader hears of a result step, by the events and properties Orca acts on.

The heart attack calculator answered by a reader's actions, then: every line at a glance
reached by Tab, one line each, in reading order, and told once on arrival; what Copy Result and
Save as PDF did, told as a notification; the focus back on Save as PDF after the save dialog is
cancelled; the unit in the name of each box and list of a quantity. Exits 77 (skipped) where the bus cannot start.

usage: atspi_heard.py PROGRAM
"""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_session import (SHIFT, TAB, application, do, find, focus_told, nodes, pyatspi,  # noqa: E402
                           said, settle, spoken_name, stop, told, wait_for, home,
                           check, failures)
import atspi_session  # noqa: E402


pyatspi.Registry.registerEventListener(atspi_session._record, "object:state-changed:showing")


def safely(probe):
    """A probe that tries again where a window went away under the walk."""
    def tried():
        try:
            return probe()
        except Exception:  # an object gone with its window
            return None
    return tried


def notices(happened):
    """The notifications a reader was told of, by what they say."""
    return [source.name for kind, source, detail in happened
            if kind == "object:state-changed:showing" and detail and source is not None
            and source.getRole() == pyatspi.ROLE_NOTIFICATION]


def focused_name(happened):
    node = focus_told(happened)
    return spoken_name(node) if node else None


def answer_heart_quiz():
    """A man of 50, the first answer to every question: the result step, and what a reader was
    told on the way into it."""
    # No window manager: a click opens the calculator and makes the window active, so that keys
    # reach it.
    launcher = find("Heart Attack Risk Calculator", pyatspi.ROLE_PUSH_BUTTON)
    x, y, width, height = launcher.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    pyatspi.Registry.generateMouseEvent(x + width // 2, y + height // 2, "b1c")
    wait_for("the heart attack details", lambda: find("Take the Heart Attack Risk Quiz"))
    find("Enter Age").queryEditableText().setTextContents("50")
    do(find("Take the Heart Attack Risk Quiz", pyatspi.ROLE_PUSH_BUTTON), "press")
    wait_for("the questions", lambda: find("Next Question"))
    for _ in range(5):
        do(find("Next Question"), "press")
        settle(0.3)
    del atspi_session.events[:]
    do(find("Next Question"), "press")
    wait_for("the result", lambda: find("Main Screen"))
    settle(1.0)
    return list(atspi_session.events)


def glance(arrival):
    """Tab from the page tabs reaches each line at a glance as read-only text, and comes round
    to Main Screen; the same lines were told once on arrival."""
    labels = [n for n in nodes(application()) if n.getRole() == pyatspi.ROLE_LABEL]
    result = [n.name for n in labels if n.name.startswith("Your Risk")]
    comparison = [n.name for n in labels if n.name.startswith("A man of 50")]
    caption = [n.name for n in nodes(application()) if n.getRole() == pyatspi.ROLE_IMAGE and n.name]
    for _ in range(12):
        if focused_name(told(TAB)) == "Copy Result":
            break
    check(focused_name(told(TAB)) == "At a glance, 1 of 2", "Tab did not reach the page tabs")
    stops = []
    for _ in range(30):
        node = focus_told(told(TAB))
        if node is None or spoken_name(node) == "Main Screen":
            break
        check(node.getRole() == pyatspi.ROLE_LABEL
              and node.getState().contains(pyatspi.STATE_READ_ONLY),
              "the stop %s is not read-only text" % said(node))
        stops.append(node.name)
    print("Tab at a glance: " + " > ".join(stops))
    lines = comparison[0].split("\n") if comparison else []
    print("Caption: %r" % caption)
    check(len(lines) > 1, "the comparison holds no lines of what would change the result")
    reading = [s for s in stops if s.startswith("Risk table:")]
    check(result and reading and stops.index(result[0]) + 1 == stops.index(reading[0]),
          "the result sentence is not read before the reading")
    check(all(line in stops for line in lines), "a line of what would change it is not a stop")
    check([s for s in stops if s in lines] == lines, "the lines are not read in their order")
    check(caption and lines and caption[0] in stops
          and stops.index(caption[0]) > stops.index(lines[-1]),
          "the picture's caption is not read after the lines")
    heard = notices(arrival)
    print("Told on arrival: %r" % heard)
    check(len(heard) == 1 and all(line in heard[0] for line in lines)
          and caption[0] in heard[0] and result[0] not in heard[0],
          "the page at a glance was not told once, after the result")
    for expected in reversed(stops):
        check(focus_told(told(TAB, SHIFT)).name == expected, "Shift+Tab did not go back to "
              + expected)


def kept():
    """Copy Result and Save as PDF tell what they did; a cancelled save dialog gives the focus
    back to Save as PDF."""
    del atspi_session.events[:]
    do(find("Copy Result", pyatspi.ROLE_PUSH_BUTTON), "press")
    settle(1.0)
    check(notices(atspi_session.events) == ["Copied"], "Copy Result told %r"
          % notices(atspi_session.events))
    for answer, heard in (("Cancel", r"Not saved"),
                          ("Save", r"Saved as .*/Kestavo Heart Attack Risk Calculator "
                                   r"\d{4}-\d{2}-\d{2}\.pdf")):
        do(find("Save as PDF...", pyatspi.ROLE_PUSH_BUTTON), "press")
        wait_for("the save dialog", safely(lambda: find(answer, pyatspi.ROLE_PUSH_BUTTON)))
        del atspi_session.events[:]
        do(find(answer, pyatspi.ROLE_PUSH_BUTTON), "press")
        wait_for("the dialog closed",
                 safely(lambda: find("Copy Result", pyatspi.ROLE_PUSH_BUTTON)
                        and not find(answer, pyatspi.ROLE_PUSH_BUTTON)))
        settle(1.5)
        told_now = notices(atspi_session.events)
        print("Save dialog, %s: told %r, focus %s" % (answer, told_now,
                                                      focused_name(atspi_session.events)))
        check(len(told_now) == 1 and re.fullmatch(heard, told_now[0]),
              "Save as PDF, %s: told %r" % (answer, told_now))
        check(focused_name(atspi_session.events) == "Save as PDF...",
              "the focus did not come back to Save as PDF after %s" % answer)
    check(any(name.endswith(".pdf") for name in os.listdir(home)), "nothing was saved")


def units():
    """Each box and list of a quantity is named with its unit, in the units chosen, and by no
    label that would stand before that name (the step's frame names them all)."""
    do(find("Diabetes Risk Calculator", pyatspi.ROLE_PUSH_BUTTON), "press")
    wait_for("the diabetes details", lambda: find("Take the Diabetes Risk Test"))
    settle(1.0)
    for option, height, weight in (("Feet and pounds", "feet/inches", "pounds"),
                                   ("Centimetres and kilograms", "centimetres", "kilograms")):
        chosen = wait_for(option, lambda: find(option, pyatspi.ROLE_RADIO_BUTTON))
        x, y, _, tall = chosen.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        pyatspi.Registry.generateMouseEvent(x + 8, y + tall // 2, "b1c")
        settle(0.5)
        for name in ("Enter Height, " + height, "Enter Weight, " + weight):
            node = find(name)
            labels = [r for r in node.getRelationSet()
                      if r.getRelationType() == pyatspi.RELATION_LABELLED_BY
                      and r.getTarget(0).name != "Personal Details"] if node else []
            print("%s: %s" % (option, said(node) if node else "none named " + name))
            check(node is not None and not labels, "%s: no control read as %s" % (option, name))


try:
    wait_for("the program on the AT-SPI bus", application)
    wait_for("the launcher", lambda: find("Heart Attack Risk Calculator", pyatspi.ROLE_PUSH_BUTTON))
    glance(answer_heart_quiz())
    kept()
    units()
finally:
    stop()

if failures:
    sys.exit(1)
print("PASS")
