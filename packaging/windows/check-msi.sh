#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the Windows installer under wine, in a fresh wine prefix of its own, as a
# deployment tool uses it: silent install; the program, the Start-menu shortcut to it
# and the Apps entry are there; the installed program answers --version; the same
# installer again changes nothing; silent uninstall by product code, as the Apps entry
# does it, leaves nothing of it behind. Then the next version (the build makes its
# installer of the same files) replaces this one, and this one refuses to go over it.
# msiexec's own logs stay in BUILD_DIR/msi-check.
#   packaging/windows/check-msi.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build-windows}"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
msi="$build/quorvane-$version-x64.msi"
next_msi=$(echo "$build"/packaging/windows/upgrade-check/quorvane-*-x64.msi)
logs="$build/msi-check"
fail() {
    echo "check-msi.sh: $*" >&2
    exit 1
}

work=$(mktemp -d)
export QUORVANE_WINEPREFIX="$work/wine"
run="$root/packaging/windows/wine-run.sh"
trap 'WINEPREFIX="$QUORVANE_WINEPREFIX" wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
rm -rf "$logs"
mkdir -p "$logs"

drive_c="$QUORVANE_WINEPREFIX/drive_c"
folder="$drive_c/Program Files/Quorvane"
exe='C:\Program Files\Quorvane\quorvane.exe'
uninstall_keys='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'

property() { msiinfo export "$1" Property | tr -d '\r' | sed -n "s/^$2\t//p"; }
# msiexec NAME OPTIONS...: runs it silently with a log, prints and returns its status.
msiexec() {
    local name=$1 status=0
    shift
    "$run" msiexec "$@" /qn /l*v "Z:${logs//\//\\}\\$name.log" || status=$?
    echo "$name: msiexec $* /qn: exit $status"
    return "$status"
}
# Windows puts a per-machine shortcut into all users' Start menu, wine into the user's.
shortcuts() { find "$drive_c" -path '*/Start Menu/Programs/*' -iname 'quorvane*.lnk'; }
# entry PRODUCT_CODE VALUE: a value of the product's Apps entry.
entry() {
    "$run" reg query "$uninstall_keys\\$1" /v "$2" 2>/dev/null | tr -d '\r' |
        sed -n "s/^ *$2 *REG_SZ *//p"
}
# What is left of any Quorvane: its folder, shortcut, icons, Apps entries.
left() {
    [ ! -e "$folder" ] || echo "$folder"
    shortcuts
    find "$drive_c/windows/Installer" -iname quorvane.ico
    "$run" reg query "$uninstall_keys" /s /v DisplayName 2>/dev/null | tr -d '\r' |
        grep -q 'REG_SZ *Quorvane$' && echo "an Apps entry"
    true
}

product_code=$(property "$msi" ProductCode)
# The fresh prefix first, and one wine server for all that follows.
"$run" wineserver -p30
msiexec install /i "$msi" || fail "the silent install failed"

[ -f "$folder/quorvane.exe" ] || fail "no quorvane.exe in Program Files\\Quorvane"
listed=$(cd "$folder" && LC_ALL=C ls | paste -sd ' ')
[ "$listed" = "DejaVu-Fonts-LICENSE.txt LICENSE.txt README.txt quorvane.exe" ] ||
    fail "Program Files\\Quorvane holds: $listed"
shortcut=$(shortcuts)
[ "$(basename "$shortcut")" = Quorvane.lnk ] || fail "Start-menu shortcuts: '$shortcut'"
grep -qxF "$exe" <(strings -a "$shortcut") || fail "$shortcut does not point at $exe"
# msiexec keeps the icon of the shortcut and of the Apps entry; the shortcut names it.
[ -f "$drive_c/windows/Installer/$product_code/quorvane.ico" ] || fail "no icon kept"
strings -a -el "$shortcut" | grep -qiF "\\Installer\\$product_code\\quorvane.ico" ||
    fail "$shortcut does not carry the program's icon"
echo "installed: $listed; ${shortcut#"$drive_c/"} -> $exe"

name=$(entry "$product_code" DisplayName) shown_version=$(entry "$product_code" DisplayVersion)
publisher=$(entry "$product_code" Publisher)
[ "$name" = Quorvane ] && [ "$shown_version" = "$version" ] && [ -n "$publisher" ] ||
    fail "Apps entry $product_code: '$name' '$shown_version' '$publisher'"
echo "Apps entry $product_code: $name $shown_version, $publisher, $(entry "$product_code" URLInfoAbout)"

answer=$("$run" "$exe" --version | tr -d '\r')
[ "$answer" = "Quorvane $version" ] || fail "the installed program's --version printed '$answer'"
echo "installed quorvane.exe --version: $answer"

msiexec reinstall /i "$msi" || fail "installing the same installer again failed"
[ -f "$folder/quorvane.exe" ] && [ "$(shortcuts)" = "$shortcut" ] &&
    [ "$(entry "$product_code" DisplayName)" = Quorvane ] ||
    fail "installing the same installer again changed what is installed"

msiexec uninstall /x "$product_code" || fail "the silent uninstall failed"
[ -z "$(left)" ] || fail "left after uninstall: $(left)"
echo "uninstalled: no Program Files\\Quorvane, no Start-menu shortcut, no icon, no Apps entry"

next_version=$(property "$next_msi" ProductVersion)
next_code=$(property "$next_msi" ProductCode)
msiexec install-earlier /i "$msi" >/dev/null || fail "the install before the upgrade failed"
msiexec upgrade /i "$next_msi" || fail "$next_version did not install over $version"
[ -z "$(entry "$product_code" DisplayName)" ] && [ "$(entry "$next_code" DisplayVersion)" = "$next_version" ] ||
    fail "$next_version did not replace $version in Apps"
status=0
msiexec downgrade /i "$msi" || status=$?
[ "$status" -ne 0 ] && [ -z "$(entry "$product_code" DisplayName)" ] ||
    fail "$version installed over $next_version"
msiexec uninstall-later /x "$next_code" >/dev/null || fail "the silent uninstall of $next_version failed"
[ -z "$(left)" ] || fail "left after uninstall: $(left)"
echo "$next_version replaced $version; $version refused to go over $next_version; nothing left"
