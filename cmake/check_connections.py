#!/usr/bin/env python3
"""Fails when a connect() hands a signal to a function without a context object.

Qt 6.7 and later refuse such a connection at compile time under QT_NO_CONTEXTLESS_CONNECT, which
the build defines; this check stands in for older Qt, where the definition does nothing.
Usage: check_connections.py <folder>...
"""
import re
import sys
from pathlib import Path

CALL = re.compile(r"(?<![\w.>])(?:QObject::)?connect\(")
OPEN, CLOSE = "([{", ")]}"


def arguments(text, start):
    """The number of arguments of the call whose '(' ends just before `start`."""
    depth, count, i = 0, 1, start
    while i < len(text):
        c = text[i]
        if c in "\"'":  # a literal: skip to its closing quote
            i += 1
            while text[i] != c:
                i += 2 if text[i] == "\\" else 1
        elif c in OPEN:
            depth += 1
        elif c in CLOSE:
            if depth == 0:
                return count
            depth -= 1
        elif c == "," and depth == 0:
            count += 1
        i += 1
    return count


faults = []
for folder in sys.argv[1:]:
    for path in sorted(Path(folder).rglob("*")):
        if path.suffix not in (".cpp", ".h"):
            continue
        text = path.read_text(encoding="utf-8")
        for call in CALL.finditer(text):
            if arguments(text, call.end()) == 3:
                line = text.count("\n", 0, call.start()) + 1
                faults.append(f"  {path}:{line}: connect() without a context object")

if faults:
    sys.exit("Connections without a context object:\n" + "\n".join(faults))
print("every connect() names a context object")
