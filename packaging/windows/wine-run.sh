#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a Windows program under wine, quietly, in the project's own wine prefix (made
# on first use, outside the clone), so that nobody's ~/.wine is touched.
#   packaging/windows/wine-run.sh PROGRAM.exe [ARGUMENTS...]
#   packaging/windows/wine-run.sh wineserver [OPTIONS...]   the prefix's server
#   QUORVANE_WINEPREFIX   the prefix; default <cache>/wine
set -euo pipefail
cache="${QUORVANE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvane}"
export WINEPREFIX="${QUORVANE_WINEPREFIX:-$cache/wine}"
# Wine's own messages stay quiet; what the program tells a debugger comes out on
# standard error: Qt writes its warnings and fatal errors there when it finds no
# console, as under wine.
export WINEDEBUG=-all,warn+debugstr
# No desktop integration: no menu entries, no file associations, no Mono or Gecko prompt.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-winemenubuilder.exe=d;mscoree=d;mshtml=d}"
if [ ! -f "$WINEPREFIX/.complete" ]; then
    # Two runs must not make the prefix at once (ctest runs tests in parallel).
    mkdir -p "$WINEPREFIX"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/.complete" ]; then
            wineboot --init >/dev/null 2>&1
            wineserver --wait
            touch "$WINEPREFIX/.complete"
        fi
    ) 9>"$WINEPREFIX.lock"
fi
[ "${1:-}" = wineserver ] && exec "$@"
exec wine "$@"
