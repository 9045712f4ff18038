#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks a built package without installing it: lintian, the desktop entry and the
# metainfo validators, then the extracted program with no display: --version,
# without arguments the one line that says there is no display, and an address's
# report as JSON.
#   packaging/check-package.sh [DEB, default build-release/quorvane_*.deb]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
deb="${1:-$(ls "$root"/build-release/quorvane_*.deb)}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

echo "== lintian $(basename "$deb")"
lintian --info --display-info --pedantic --fail-on error,warning "$deb"

dpkg-deb -x "$deb" "$work"
echo "== desktop-file-validate"
# It exits 0 on hints and warnings; the entry must draw none.
report="$(desktop-file-validate "$work"/usr/share/applications/*.desktop)"
[[ -z $report ]] || { echo "$report" >&2; exit 1; }
echo "== appstreamcli validate"
metainfo=("$work"/usr/share/metainfo/*.metainfo.xml)
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

echo "== the extracted program, no display"
expected="Quorvane $(dpkg-deb -f "$deb" Version)"
actual="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/usr/bin/quorvane" --version)"
echo "$actual"
[[ $actual == "$expected" ]] || { echo "expected: $expected" >&2; exit 1; }

echo "== the extracted program without a display: one line, status 1"
status=0
message="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/usr/bin/quorvane" 2>&1)" ||
    status=$?
echo "$message"
[[ $status -eq 1 && $message == *DISPLAY* && $message != *$'\n'* ]] ||
    { echo "expected status 1 and one line naming the display, got status $status" >&2; exit 1; }

echo "== the extracted program's report, no display: JSON that parses"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/usr/bin/quorvane" \
    192.168.1.10/26 --format json | python3 -m json.tool >"$work/report.json"
grep -q '"subnet": "192.168.1.0"' "$work/report.json" ||
    { echo "the report of 192.168.1.10/26 gives no subnet 192.168.1.0" >&2; exit 1; }
grep -E '"(address|mask|broadcast)"' "$work/report.json"
