#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks a built package without installing it: lintian, the desktop entry and the
# metainfo validators, then the extracted program's --version with no display.
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
if ! appstreamcli validate --no-net --strict --pedantic "${metainfo[@]}"; then
    # AppStream before 1.0 (Debian 12) does not know <developer>, which 1.0 asks
    # for: there, that one notice alone may stand.
    version="$(appstreamcli --version | awk '{ print $NF }')"
    dpkg --compare-versions "$version" lt 1.0 || exit 1
    report="$(appstreamcli validate --no-net --pedantic "${metainfo[@]}")" || exit 1
    if grep -E '^[EWI]: ' <<<"$report" | grep -qv ': unknown-tag developer$'; then exit 1; fi
    echo "(AppStream $version: <developer> is for AppStream 1.0)"
fi

echo "== the extracted program, no display"
expected="Quorvane $(dpkg-deb -f "$deb" Version)"
actual="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/usr/bin/quorvane" --version)"
echo "$actual"
[[ $actual == "$expected" ]] || { echo "expected: $expected" >&2; exit 1; }
