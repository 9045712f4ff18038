#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the fuzz preset and runs every fuzzer briefly over its seed corpus.
# Exits non-zero when a fuzzer finds a crash, a sanitizer fault or a broken rule.
#   tools/fuzz/run-short.sh [seconds per fuzzer, default 20]
set -euo pipefail

seconds="${1:-20}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${QUORVANE_FUZZ_BUILD:-$root/build-fuzz}"
fuzzers=(fuzz_text_value fuzz_read_address fuzz_find_address)

cmake --preset fuzz -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j2 --target "${fuzzers[@]}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
for fuzzer in "${fuzzers[@]}"; do
    # New inputs go to a scratch folder; the seed corpus in the tree stays as it is.
    mkdir -p "$work/$fuzzer"
    echo "== $fuzzer: ${seconds}s"
    if ! (cd "$work" && "$build/bin/$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
              "$work/$fuzzer" "$root/tests/fuzz-corpus/$fuzzer" >"$work/$fuzzer.log" 2>&1); then
        status=1
        echo "!! $fuzzer failed; its log ends with:"
        tail -n 40 "$work/$fuzzer.log"
        mkdir -p "$build/crashes"
        cp "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$build/crashes/" 2>/dev/null || true
        echo "!! reproducers copied to $build/crashes"
    else
        grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$work/$fuzzer.log" || true
    fi
done
exit "$status"
