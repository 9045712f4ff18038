#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Runs one scenario script through the replay player and compares its output,
laid out for reading, with the expected file. Scripts named error_* must stop
with status 2 and a message naming the line.

  run_scenario.py [--emulator=CMD] REPLAY SCRIPT EXPECTED [--model | --describe] [--update]

The player prints one JSON object a line per dump; the expected file holds the
same objects one field a line and one operation a line. A value too long for its
line is broken up: an object or a list one member a line, a text into the list
of its pieces, each ending at a line break (or before it grows beyond PIECE characters written), whose
concatenation is the text. --update writes the expected file instead. A cross-built
player runs through CMD (wine); its lines must still end in a bare line feed."""

import difflib
import json
import re
import subprocess
import sys

WIDTH = 120
PIECE = 120


def compact(value):
    return json.dumps(value, ensure_ascii=False, separators=(", ", ": "))


def pieces(text):
    out = []
    for line in re.split(r"(?<=\r\n)", text):
        piece = ""
        for character in line:
            if len(compact(piece + character)) > PIECE:
                out.append(piece)
                piece = ""
            piece += character
        if piece:
            out.append(piece)
    return out


def lay_out(value, indent, always_break=False):
    """The value as text that starts at column `indent`."""
    flat = compact(value)
    if not always_break and indent + len(flat) <= WIDTH:
        return flat
    inner = indent + 2
    pad = " " * inner
    if isinstance(value, str):
        items = [compact(piece) for piece in pieces(value)]
    elif isinstance(value, dict):
        items = [f"{compact(key)}: {lay_out(member, inner, key == 'ops')}"
                 for key, member in value.items()]
        return "{\n" + ",\n".join(pad + item for item in items) + "\n" + " " * indent + "}"
    elif 1 < len(value) <= 3 and all(isinstance(item, str) for item in value) and \
            indent + len(compact(value[:-1])) <= WIDTH:
        # An operation: its short words on the line, the long text broken after them.
        head = ", ".join(compact(item) for item in value[:-1])
        return "[" + head + ", " + lay_out(value[-1], indent) + "]"
    else:
        items = [lay_out(item, inner) for item in value]
    return "[\n" + ",\n".join(pad + item for item in items) + "\n" + " " * indent + "]"


def readable(output):
    return "".join(lay_out(json.loads(line), 0, True) + "\n" for line in output.splitlines())


def main(argv):
    emulator = [arg.split("=", 1)[1] for arg in argv if arg.startswith("--emulator=")]
    argv = [arg for arg in argv if not arg.startswith("--emulator=")]
    replay, script, expected_path, *flags = argv
    command = emulator + [replay] + [flag for flag in flags if flag in ("--model", "--describe")] + [script]
    run = subprocess.run(command, capture_output=True, check=False)
    errors = run.stderr.decode("utf-8", "replace")
    if script.rsplit("/", 1)[-1].startswith("error_"):
        if run.returncode != 2 or not re.search(r"(^|\n)line [0-9]+: ", errors):
            sys.exit(f"expected status 2 and a line message, got {run.returncode}: {errors}")
    elif run.returncode != 0:
        sys.exit(f"replay failed with status {run.returncode}: {errors}")

    if b"\r" in run.stdout:
        # JSON escapes every carriage return it holds: a raw one is a text-mode stream.
        sys.exit("the player's output holds a carriage return")
    actual = readable(run.stdout.decode("utf-8"))
    if "--update" in flags:
        with open(expected_path, "w", encoding="utf-8", newline="") as out:
            out.write(actual)
        return
    with open(expected_path, encoding="utf-8", newline="") as file:
        expected = file.read()
    if actual != expected:
        with open(expected_path + ".actual", "w", encoding="utf-8", newline="") as out:
            out.write(actual)
        diff = difflib.unified_diff(expected.splitlines(), actual.splitlines(), expected_path,
                                    expected_path + ".actual", lineterm="", n=2)
        print("\n".join(list(diff)[:60]))
        sys.exit(f"output differs from {expected_path}; see {expected_path}.actual")


if __name__ == "__main__":
    main(sys.argv[1:])
