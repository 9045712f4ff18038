#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The program on the command line, as scripts and people use it: each command line
with its standard input, exit status, standard output and standard error; JSON is
read back with Python's own parser. Runs with no display at all.

  command_line.py QUORVANE"""

import json
import os
import subprocess
import sys
import threading

PROGRAM = sys.argv[1]
ENV = {k: v for k, v in os.environ.items()
       if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
failures = []


def run(args, stdin=""):
    done = subprocess.run([PROGRAM, *args], input=stdin, capture_output=True, text=True,
                          env=ENV, timeout=60)
    return done.returncode, done.stdout, done.stderr


def check(name, condition, detail):
    if not condition:
        failures.append("%s: %s" % (name, detail))


def json_lines(out):
    return [json.loads(line) for line in out.splitlines()]


# name, arguments, standard input, status, what standard output must hold, standard error
TEXT = [
    ("Prefix", ["--full", "10.20.30.40/27"], "", 0,
     ["Address:     10.20.30.40/27\n", "  Subnet:     10.20.30.32\n", "(300 of 524286 subnets"], ""),
    ("MaskAsSecondArgument", ["10.20.30.40", "255.255.255.224"], "", 0,
     ["Address:         10.20.30.40/27\n", "Broadcast:       10.20.30.63\n"], ""),
    ("MaskAfterSlash", ["172.16.0.0/255.255.255.192"], "", 0,
     ["Address:         172.16.0.0/26\n"], ""),
    ("TicketText", ["IP: 10.20.30.40/27,"], "", 0, ["Subnet:          10.20.30.32\n"], ""),
    ("BareTakesItsClassMask", ["--full", "172.16.5.4"], "", 0,
     ["Address:     172.16.5.4/16\n", "(none: the network is not subnetted)"], ""),
    ("SupernetWithoutPrefix", ["--full", "--supernet", "192.168.0.0"], "", 0,
     ["  CIDR Mask Bits:  0\n", "(none in Supernet mode)"], ""),
    ("ListCut", ["--list", "2", "192.168.1.10/27"], "", 0,
     ["  2) 192.168.1.32", "(2 of 6 subnets listed)"], ""),
    ("Html", ["--format", "html", "--full", "10.0.0.0/9"], "", 0,
     ["<meta charset=\"utf-8\">\n<table>\n", "<h3>Hosts/Subnets List</h3>"], ""),
    ("NoAddress", ["foo"], "", 1, [], "quorvane: no IPv4 address in \"foo\"\n"),
    ("FiveGroupsAreNoAddress", ["1.2.3.4.5"], "", 1, [],
     "quorvane: no IPv4 address in \"1.2.3.4.5\"\n"),
    ("Help", ["--help"], "", 0,
     ["Usage: quorvane", "--format FORMAT", "--list N", "--subnet", "--supernet",
      "e.g. quorvane --format json 192.168.1.10/26"], ""),
    # What was not taken as written: the report of what was used, a note in it and on
    # standard error, status 1.
    ("PrefixTheClassHasNot", ["--list", "0", "10.1.2.3/32"], "", 1,
     ["Address:         10.1.2.3/8\n", "Note:            class A has no /32 mask; shown with /8\n"],
     "quorvane: 10.1.2.3/32: class A has no /32 mask; shown with /8\n"),
    ("MaskTheClassHasNot", ["--list", "0", "172.16.0.0", "128.0.0.0"], "", 1,
     ["Address:         172.16.0.0/16\n"],
     "quorvane: 172.16.0.0 128.0.0.0: class B has no /1 mask; shown with /16\n"),
    ("NoMask", ["--list", "0", "10.1.2.3", "255.0.255.0"], "", 1, ["Address:         10.1.2.3/8\n"],
     "quorvane: 10.1.2.3 255.0.255.0: 255.0.255.0 is not a mask; shown with /8\n"),
    ("OctetAboveTheRange", ["--list", "0", "300.1.1.1/24"], "", 1,
     ["Address:  255.1.1.1\nClass:    E\n", "Note:     octet 1 (300) is above 255; shown as 255\n"],
     "quorvane: 300.1.1.1/24: octet 1 (300) is above 255; shown as 255\n"
     "quorvane: 300.1.1.1/24: /24 ignored: an experimental address (class E) is not "
     "subnetted\n"),
    ("FirstOctetZero", ["--list", "0", "0.0.0.0/0"], "", 1, ["Address:         1.0.0.0/8\n"],
     "quorvane: 0.0.0.0/0: octet 1 (0) is below 1; shown as 1\n"
     "quorvane: 0.0.0.0/0: class A has no /0 mask; shown with /8\n"),
    ("PrefixOfMulticast", ["--list", "0", "224.0.0.1/4"], "", 1, ["Address:  224.0.0.1\n"],
     "quorvane: 224.0.0.1/4: /4 ignored: a multicast address (class D) is not subnetted\n"),
    ("NoWildcard", ["--list", "0", "10.1.2.3", "0.255.0.255"], "", 1, ["Address:         10.1.2.3/8\n"],
     "quorvane: 10.1.2.3 0.255.0.255: 0.255.0.255 is not a mask; shown with /8\n"),
    # Taken as written: no note, status 0.
    ("RangeEndIsNoMask", ["10.0.0.1", "10.0.0.254"], "", 0, ["Address:         10.0.0.1/8\n"], ""),
    ("OctetsOf255", ["255.255.255.255"], "", 0, ["Address:  255.255.255.255\n"], ""),
    ("LongestList", ["--list", "300", "10.20.30.40/27"], "", 0, ["  300) 10.20.67.128  10.20.67.129 to 10.20.67.158  10.20.67.159\n"], ""),
    ("HtmlNote", ["--format", "html", "10.1.2.3/33"], "", 1,
     ["<tr><th align=\"left\">Note:</th><td>class A has no /33 mask; shown with /8</td></tr>"],
     "quorvane: 10.1.2.3/33: class A has no /33 mask; shown with /8\n"),
    ("BatchWithOneCorrection", ["--list", "0", "-"], "10.1.2.3/24\n10.1.2.3/320\n", 1,
     ["Address:         10.1.2.3/24\n", "Address:         10.1.2.3/8\n"],
     "quorvane: line 2: 10.1.2.3/320: class A has no /320 mask; shown with /8\n"),
    ("BatchOfText", ["--full", "-"], "10.1.2.3/30\n\n# a comment\n192.168.1.1/30\n", 0,
     ["Address:     10.1.2.3/30\n", "(RFC 1878)\n\nIP Information", "  (300 of 4194302",
      "  (300 of 4194302 subnets listed)\n\nAddress:     192.168.1.1/30\n"], ""),
]
for name, args, stdin, status, parts, err in TEXT:
    code, out, error = run(args, stdin)
    check(name, code == status, "status %d, not %d" % (code, status))
    check(name, error == err, "standard error %r, not %r" % (error, err))
    for part in parts:
        check(name, part in out, "no %r in %r" % (part, out[:400]))
    check(name, bool(parts) or out == "", "printed %r" % out[:200])

# JSON: one object a line, read back; N/A is null, counts are numbers.
code, out, error = run(["--format", "json", "--list", "2", "192.168.1.10/26"])
[one] = json_lines(out)
code, out, error = run(["--format", "json", "192.168.1.10/26"])
[screenful] = json_lines(out)
check("JsonListOnlyWhenAsked", list(screenful) == list(one)[:-1], "keys %s" % list(screenful))
expected = {"input": "192.168.1.10/26", "address": "192.168.1.10", "prefix": 26,
            "mask": "255.255.255.192", "wildcard": "0.0.0.63", "class": "C",
            "type": "private-use (RFC 1918)", "network_id": "192.168.1.x", "host_id": "x.x.x.10",
            "decimal": 3232235786, "subnet": "192.168.1.0", "broadcast": "192.168.1.63",
            "first_host": "192.168.1.1", "last_host": "192.168.1.62", "mask_bits": 26,
            "subnet_bits": 2, "host_bits": 6, "max_subnets": 2, "cidr_subnets": 4,
            "hosts_per_subnet": 62, "total_hosts": 124, "host_efficiency": 48.8, "mode": "subnet"}
for key, value in expected.items():
    check("Json", one.get(key) == value, "%s is %r, not %r" % (key, one.get(key), value))
check("Json", list(one)[:3] == ["input", "notes", "address"] and one["notes"] == [],
      "keys start %s, notes %r" % (list(one)[:3], one.get("notes")))
code, out, error = run(["--format", "json", "--list", "0", "10.1.2.3/33"])
check("JsonNotes", code == 1 and json_lines(out)[0]["notes"] ==
      ["class A has no /33 mask; shown with /8"], "status %d, %r" % (code, out))
check("Json", list(one)[-5:] == ["binary_host", "binary_mask", "binary_subnet",
                                 "binary_broadcast", "list"], "keys end %s" % list(one)[-5:])
check("Json", one["list"][1] == {"subnet": "192.168.1.64", "first_host": "192.168.1.65",
                                 "last_host": "192.168.1.126", "broadcast": "192.168.1.127"},
      "list %r" % one["list"])

code, out, error = run(["--format", "json", "--full", "224.0.0.5"])
[multicast] = json_lines(out)
for key in ("prefix", "mask", "wildcard", "subnet", "first_host", "max_subnets", "cidr_subnets",
            "total_hosts", "host_efficiency", "binary_mask"):
    check("JsonMulticast", multicast[key] is None, "%s is %r, not null" % (key, multicast[key]))
check("JsonMulticast", multicast["list"] == [] and multicast["class"] == "D", str(multicast))

code, out, error = run(["--format", "json", "--supernet", "--list", "0", "-"],
                       "10.0.0.1\nnot one\r\n198.51.100.7/31\n")
lines = json_lines(out)
check("JsonLines", code == 1, "status %d" % code)
check("JsonLines", error == "quorvane: line 2: no IPv4 address in \"not one\"\n", repr(error))
check("JsonLines", [l["input"] for l in lines] == ["10.0.0.1", "198.51.100.7/31"], repr(out))
check("JsonLines", lines[0]["mode"] == "supernet" and lines[0]["total_hosts"] is None, str(lines[0]))
check("JsonLines", (lines[1]["first_host"], lines[1]["last_host"]) ==
      ("198.51.100.6", "198.51.100.7"), "a /31's hosts %r" % lines[1])
code, out, error = run(["--format", "json", "--list", "2", "198.51.100.7/31"])
check("JsonPairs", [(l["first_host"], l["last_host"]) for l in json_lines(out)[0]["list"]] ==
      [("198.51.100.6", "198.51.100.7"), ("198.51.100.8", "198.51.100.9")], out)

# Standard output that cannot be written: said so, status 3, whatever the format.
for name, args, stdin in (("Full", ["1.2.3.4/24"], ""),
                          ("FullBatch", ["--format", "json", "-"], "1.2.3.4/24\n")):
    with open("/dev/full", "w") as full:
        done = subprocess.run([PROGRAM, *args], input=stdin.encode(), stdout=full,
                              stderr=subprocess.PIPE, env=ENV, timeout=60)
    check(name, done.returncode == 3, "status %d" % done.returncode)
    check(name, done.stderr == b"quorvane: cannot write to standard output: No space left on "
          b"device\n", repr(done.stderr))

# A reader that stops early ends the run: no message, no hang.
program = subprocess.Popen([PROGRAM, "-"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                           stderr=subprocess.PIPE, env=ENV)


def feed():
    try:
        for _ in range(100000):
            program.stdin.write(b"10.20.30.40/27\n")
        program.stdin.close()
    except (BrokenPipeError, OSError):
        pass


feeder = threading.Thread(target=feed)
feeder.start()
first = program.stdout.readline()
program.stdout.close()
try:
    program.wait(timeout=60)
except subprocess.TimeoutExpired:
    program.kill()
    failures.append("BrokenPipe: the run went on after its reader stopped")
feeder.join()
error = program.stderr.read()
check("BrokenPipe", first == b"Address:         10.20.30.40/27\n", repr(first))
check("BrokenPipe", error == b"", "standard error %r" % error)

# The screenful by default: at most 15 lines, compared line by line with the file.
SCREENFULS = [["10.20.30.40/27"], ["172.16.5.77", "255.255.255.192"], ["192.168.1.10/26"],
              ["224.0.0.5"], ["198.51.100.7/31"], ["--supernet", "192.168.4.0/22"]]
shown = ""
for args in SCREENFULS:
    code, out, error = run(args)
    check("Screenful", code == 0 and len(out.splitlines()) <= 15, "%s: %d lines" % (args, len(out.splitlines())))
    shown += "$ quorvane %s\n%s\n" % (" ".join(args), out)
golden = os.path.join(os.path.dirname(os.path.abspath(__file__)), "screenful.expected")
if os.environ.get("QUORVANE_UPDATE") == "1":
    with open(golden, "w") as file:
        file.write(shown)
with open(golden) as file:
    check("Screenful", file.read() == shown, "differs from %s:\n%s" % (golden, shown))

if failures:
    print("\n".join(failures))
    sys.exit(1)
print("command line: every case as expected")
