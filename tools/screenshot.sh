#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes docs/screenshot.png: the program on a virtual X server after a person has
# typed the address 192.168.1.10 and picked the mask 255.255.255.192.
#   tools/screenshot.sh [PROGRAM] [PNG]
# Needs xvfb-run (xvfb, xauth), xdotool and ImageMagick's import.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$root/build/bin/quorvane}
png=${2:-$root/docs/screenshot.png}

if [[ ${QUORVANE_ON_XVFB:-} != 1 ]]; then
    [[ -x $program ]] || { echo "screenshot.sh: no program at $program (build it first)" >&2; exit 1; }
    for tool in xvfb-run xdotool import; do
        command -v "$tool" >/dev/null || { echo "screenshot.sh: $tool is not installed" >&2; exit 1; }
    done
    exec env QUORVANE_ON_XVFB=1 xvfb-run -a -s "-screen 0 640x600x24 -dpi 96" "$0" "$program" "$png"
fi

unset QT_QPA_PLATFORM
"$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=$(xdotool search --sync --onlyvisible --name '^Quorvane$' | head -n 1)
xdotool windowfocus --sync "$window"
sleep 1

# The focus starts in the first octet box; Tab walks the boxes, then the mask list.
xdotool type --delay 40 192
xdotool key Tab
xdotool type --delay 40 168
xdotool key Tab
xdotool type --delay 40 1
xdotool key Tab
xdotool type --delay 40 10
xdotool key Tab
# The class C list starts at 255.255.255.0; two steps down is 255.255.255.192.
xdotool key --delay 100 Down Down
sleep 1

mkdir -p "$(dirname "$png")"
import -window "$window" "$png"
echo "screenshot.sh: wrote $png"
