#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The console program against its peers, side by side in one run, as Markdown table
rows:
- one `quorvane 10.20.30.40/27` and one `ipcalc-ng 10.20.30.40/27`, start to exit,
  taken in turn: median wall time, median CPU time (user + system) and peak memory;
- 10,000 random addresses to JSON: `quorvane --format json -` against a short Python
  script that prints the same fields with the standard ipaddress module
  (ipaddress_fields.py), and against a shell loop of ipcalc-ng, in addresses per
  second.

  command_line.py QUORVANE [STARTS]"""

import json
import os
import random
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

program = sys.argv[1]
starts = int(sys.argv[2]) if len(sys.argv) > 2 else 300
here = os.path.dirname(os.path.abspath(__file__))
env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
ipcalc = shutil.which("ipcalc-ng")


def row(*cells):
    print("| " + " | ".join(cells) + " |")


def start(command):
    """One start to exit: wall seconds and CPU seconds."""
    with open(os.devnull, "w") as null:
        began = time.perf_counter()
        pid = os.posix_spawn(command[0], command, env,
                             file_actions=[(os.POSIX_SPAWN_DUP2, null.fileno(), 1)])
        _, status, usage = os.wait4(pid, 0)
        wall = time.perf_counter() - began
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("%s exited %d" % (command, os.waitstatus_to_exitcode(status)))
    return wall, usage.ru_utime + usage.ru_stime


def peak(command):
    """Peak memory in KiB, as GNU time reads it: started from its small process, so
    the peak is the program's own, not a copy of this interpreter's."""
    done = subprocess.run(["/usr/bin/time", "-f", "%M", *command], capture_output=True,
                          text=True, env=env, check=True)
    return int(done.stderr.strip().splitlines()[-1])


def starts_in_turn(commands, runs):
    samples = {name: [] for name in commands}
    for _ in range(runs):
        for name, command in commands.items():
            samples[name].append(start(command))
    return {name: (statistics.median(s[0] for s in runs_of) * 1000,
                   statistics.median(s[1] for s in runs_of) * 1000,
                   max(peak(commands[name]) for _ in range(5)) / 1024)
            for name, runs_of in samples.items()}


commands = {"quorvane": [program, "10.20.30.40/27"]}
if ipcalc:
    commands["ipcalc-ng"] = [ipcalc, "10.20.30.40/27"]
for command in commands.values():  # warm the page cache
    start(command)
single = starts_in_turn(commands, starts)
ours = single["quorvane"]
for name, (wall, cpu, peak) in single.items():
    row("one `%s 10.20.30.40/27`, start to exit (%d runs in turn)" % (name, starts),
        "median %.2f ms" % wall, "CPU median %.2f ms" % cpu, "peak %.1f MiB" % peak, "")
if ipcalc:
    theirs = single["ipcalc-ng"]
    met = ours[0] <= theirs[0] and ours[1] <= theirs[1] and ours[2] <= theirs[2] + 2
    row("quorvane against ipcalc-ng", "wall %.2fx" % (ours[0] / theirs[0]),
        "CPU %.2fx" % (ours[1] / theirs[1]), "peak %+.1f MiB" % (ours[2] - theirs[2]),
        "no slower, peak within 2 MiB: " + ("met" if met else "MISSED"))

choose = random.Random(20261208)
addresses = "".join("%d.%d.%d.%d/%d\n" % (choose.randint(1, 223), choose.randint(0, 255),
                                           choose.randint(0, 255), choose.randint(0, 255),
                                           choose.randint(2, 31)) for _ in range(10000))
count = addresses.count("\n")


def best(command, stdin, runs=5):
    """The best wall time of a few runs, reading a file and writing one, as a script
    would (a pipe to this interpreter would time its reading too), and the output."""
    times = []
    with tempfile.TemporaryFile("w+") as source, tempfile.TemporaryFile("w+") as sink:
        source.write(stdin)
        for _ in range(runs):
            source.seek(0)
            sink.seek(0)
            sink.truncate()
            began = time.perf_counter()
            subprocess.run(command, stdin=source, stdout=sink, env=env, check=True)
            times.append(time.perf_counter() - began)
        sink.seek(0)
        return min(times), sink.read()


batch, ours_json = best([program, "--format", "json", "-"], addresses)
python, theirs_json = best([sys.executable, os.path.join(here, "ipaddress_fields.py")], addresses)
same = sum(1 for a, b in zip(ours_json.splitlines(), theirs_json.splitlines())
           if all(json.loads(a)[k] == json.loads(b)[k] for k in ("subnet", "broadcast", "mask")))
row("%d addresses to JSON: `quorvane --format json -`" % count, "%.0f addresses/s" % (count / batch),
    "Python ipaddress: %.0f addresses/s" % (count / python), "%.1f times" % (python / batch),
    "at least 10 times: " + ("met" if python / batch >= 10 else "MISSED"))
row("(subnet, broadcast and mask alike in both)", "%d of %d" % (same, count), "", "", "")
if ipcalc:
    # A loop of one start an address, as a shell script does it; a tenth of them.
    some = "".join(addresses.splitlines(keepends=True)[:count // 10])
    loop, _ = best(["sh", "-c", 'while read a; do "$0" --json "$a"; done', ipcalc], some, runs=1)
    per_address = loop / (count // 10)
    row("the same as a shell loop of `ipcalc-ng --json`", "%.0f addresses/s" % (1 / per_address),
        "", "%.0f times" % (per_address * count / batch),
        "at least 100 times: " + ("met" if per_address * count / batch >= 100 else "MISSED"))
