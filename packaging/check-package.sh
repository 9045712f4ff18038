#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the built packages without installing them: lintian on both; that the
# console package depends on no GUI library; the desktop entry and the metainfo
# validators; then the extracted programs: the console program alone, with no
# display, answers --version and an address's report (JSON that parses), says in
# one line that there is no display or no window, and the window package's program
# opens its window on an X server of its own.
#   packaging/check-package.sh [BUILD FOLDER, default build-release]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build-release}"
cli="$(ls "$build"/quorvane-cli_*.deb)"
window="$(ls "$build"/quorvane_*.deb)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)

for deb in "$cli" "$window"; do
    echo "== lintian $(basename "$deb")"
    lintian --info --display-info --pedantic --fail-on error,warning "$deb"
done

echo "== the console package's dependencies: no GUI library"
depends="$(dpkg-deb -f "$cli" Depends)"
echo "$depends"
if grep -Eiq 'qt|x11|xcb|wayland|libgl|egl|opengl|fontconfig|freetype|font' <<<"$depends"; then
    echo "quorvane-cli depends on a GUI library" >&2
    exit 1
fi
[[ "$(dpkg-deb -f "$window" Depends)" == *"quorvane-cli (= $(dpkg-deb -f "$cli" Version))"* ]] ||
    { echo "quorvane does not depend on this quorvane-cli" >&2; exit 1; }

mkdir "$work/cli" "$work/both"
dpkg-deb -x "$cli" "$work/cli"
dpkg-deb -x "$cli" "$work/both"
dpkg-deb -x "$window" "$work/both"

echo "== desktop-file-validate"
# It exits 0 on hints and warnings; the entry must draw none.
report="$(desktop-file-validate "$work"/both/usr/share/applications/*.desktop)"
[[ -z $report ]] || { echo "$report" >&2; exit 1; }
exec_line="$(grep '^Exec=' "$work"/both/usr/share/applications/*.desktop)"
[[ -x "$work/both${exec_line#Exec=}" ]] || { echo "$exec_line: not in the package" >&2; exit 1; }
echo "== appstreamcli validate"
metainfo=("$work"/both/usr/share/metainfo/*.metainfo.xml)
version="$(appstreamcli --version | awk '{ print $NF }')"
if dpkg --compare-versions "$version" ge 1.0; then
    appstreamcli validate --no-net --strict --pedantic "${metainfo[@]}"
else
    # AppStream before 1.0 (Debian 12) does not know <developer>, which 1.0 asks
    # for: there, that one notice alone may stand.
    report="$(appstreamcli validate --no-net --pedantic "${metainfo[@]}")" || { echo "$report"; exit 1; }
    echo "$report"
    if grep -E '^[EWI]: ' <<<"$report" | grep -qv ': unknown-tag developer$'; then exit 1; fi
fi

console="$work/cli/usr/bin/quorvane"
echo "== the console program alone links no GUI library"
! ldd "$console" | grep -Ei 'qt|x11|xcb|wayland|libgl|egl' || { echo "it does" >&2; exit 1; }

echo "== the console program, no display: --version"
expected="Quorvane $(dpkg-deb -f "$cli" Version)"
actual="$("${no_display[@]}" "$console" --version)"
echo "$actual"
[[ $actual == "$expected" ]] || { echo "expected: $expected" >&2; exit 1; }

echo "== the console program's report, no display: JSON that parses"
"${no_display[@]}" "$console" 192.168.1.10/26 --format json | python3 -m json.tool >"$work/report.json"
grep -q '"subnet": "192.168.1.0"' "$work/report.json" ||
    { echo "the report of 192.168.1.10/26 gives no subnet 192.168.1.0" >&2; exit 1; }
grep -E '"(address|mask|broadcast)"' "$work/report.json"

# expect_one_line WHAT STATUS COMMAND...: the command says WHAT in one line on
# standard error and exits with STATUS.
expect_one_line() {
    local what="$1" expected="$2" status=0 message
    shift 2
    message="$("$@" 2>&1)" || status=$?
    echo "$message"
    [[ $status -eq $expected && $message == *"$what"* && $message != *$'\n'* ]] ||
        { echo "expected status $expected and one line with '$what', got status $status" >&2; exit 1; }
}
echo "== without a display: one line, status 1"
expect_one_line DISPLAY 1 "${no_display[@]}" "$work/both/usr/bin/quorvane"
echo "== the console package alone, with a display: one line naming the window's package"
expect_one_line "package quorvane" 1 env DISPLAY=:99 "$console"

echo "== the window package: quorvane opens the window on an X server of its own"
xvfb-run -a bash -c '
    "$1" & program=$!
    trap "kill $program 2>/dev/null" EXIT
    timeout 30 xdotool search --sync --onlyvisible --name "^Quorvane$" >/dev/null
    kill -0 $program' check "$work/both/usr/bin/quorvane"
echo "the window is open"
