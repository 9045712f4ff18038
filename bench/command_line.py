#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The command line's speed, as Markdown table rows: 10,000 random addresses with
prefixes piped into `quorvane --format json --list 0 -` and into a short Python
script that prints the same fields with the standard ipaddress module
(ipaddress_fields.py), side by side in one run, in addresses per second; and one
`quorvane ADDRESS` from start to exit. The best of a few runs each, so that other
work on the machine weighs least.

  command_line.py QUORVANE [RUNS]"""

import json
import os
import random
import statistics
import subprocess
import sys
import time

program = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
here = os.path.dirname(os.path.abspath(__file__))
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}

choose = random.Random(20261208)
addresses = "".join("%d.%d.%d.%d/%d\n" % (choose.randint(1, 223), choose.randint(0, 255),
                                           choose.randint(0, 255), choose.randint(0, 255),
                                           choose.randint(2, 31)) for _ in range(10000))
count = addresses.count("\n")


def best(command, stdin=""):
    times, out = [], ""
    for _ in range(runs):
        start = time.perf_counter()
        out = subprocess.run(command, input=stdin, capture_output=True, text=True, env=env,
                             check=True).stdout
        times.append(time.perf_counter() - start)
    return min(times), out, times


quorvane, ours, _ = best([program, "--format", "json", "--list", "0", "-"], addresses)
python, theirs, _ = best([sys.executable, os.path.join(here, "ipaddress_fields.py")], addresses)
# Both must say the same where they say the same thing.
same = sum(1 for a, b in zip(ours.splitlines(), theirs.splitlines())
           if all(json.loads(a)[k] == json.loads(b)[k] for k in ("subnet", "broadcast", "mask")))
ratio = python / quorvane
print("| command line: %d addresses, --format json --list 0 | %.0f addresses/s | "
      "Python ipaddress: %.0f addresses/s | %.1f times | %s |" %
      (count, count / quorvane, count / python, ratio,
       "at least 5 times: met" if ratio >= 5 else "at least 5 times: MISSED"))
print("| (subnet, broadcast and mask alike in both) | %d of %d | | | |" % (same, count))

_, _, single = best([program, "10.20.30.40/27"])
single_ms = [t * 1000 for t in single]
print("| command line: one `quorvane 10.20.30.40/27`, start to exit | median %.1f ms | max %.1f ms "
      "| | %s |" % (statistics.median(single_ms), max(single_ms),
                    "under 50 ms: met" if max(single_ms) < 50 else "under 50 ms: MISSED"))
