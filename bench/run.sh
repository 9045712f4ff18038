#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs every benchmark and prints one Markdown table: the calculator per user
# action on the headless window, the same actions on the real window (offscreen),
# start-up and memory against an empty Qt window, and the replay player's memory
# over a long random script in window mode, and the console program against
# ipcalc-ng and Python's ipaddress module.
#   bench/run.sh [build folder, default build] [start-up runs, default 20]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
runs="${2:-20}"
bin="$build/bin"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"

# Google Benchmark's CSV: the name, then the mean time and its unit, then the
# counters; the header names the counter columns.
table_rows() {
    awk -F, '
        /^name,/ { for (i = 1; i <= NF; i++) { gsub(/"/, "", $i); col[$i] = i }; next }
        /^"/ {
            name = $1; gsub(/"/, "", name); sub(/\/manual_time$/, "", name)
            mean = $(col["real_time"]); unit = $(col["time_unit"])
            p99 = $(col["p99_us"]); max = $(col["max_us"])
            budget = (unit == "us") ? mean : (unit == "ms") ? mean * 1000 : mean / 1000
            note = (name ~ /^window:/) ? ((budget <= 1667) ? "mean <= 1667 us: met" : "mean <= 1667 us: MISSED") : ""
            printf "| %s | %.1f %s | %.1f us | %.1f us | %s |\n", name, mean, unit, p99, max, note
        }'
}

echo "Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores;" \
     "load before the run: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "| Benchmark | mean | p99 | max | target |"
echo "|---|---|---|---|---|"
"$bin/quorvane_bench_model" --benchmark_format=csv --benchmark_min_time=0.5 2>/dev/null | table_rows
if [[ -x "$bin/quorvane_bench_window" ]]; then
    "$bin/quorvane_bench_window" --benchmark_format=csv --benchmark_min_time=0.5 2>/dev/null | table_rows
    "$bin/quorvane_bench_startup" "$runs" 2>/dev/null
    "$bin/quorvane_bench_memory" 2>/dev/null
else
    echo "| (the real window is not built: configure with QUORVANE_GUI=ON) | | | | |"
fi
# The console program as it ships: the release build's.
python3 "$root/bench/command_line.py" "$root/build-release/bin/quorvane"
# The page, where it is built (./dev.sh web) and its browser driver installed.
if [[ -f "$root/build-web/quorvane-web/index.html" && -d "$root/web/node_modules" ]]; then
    node "$root/bench/web.mjs" 10
fi
