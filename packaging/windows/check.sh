#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the Windows build (preset "windows") under wine: the zip holds what it
# should; the program imports Windows' own DLLs only; --version, --help, a report and a wrong
# argument answer as on Linux. (`ctest --preset windows` runs the tests under wine.)
#   packaging/windows/check.sh [BUILD_DIR]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$root/build-windows}"
run="$root/packaging/windows/wine-run.sh"
exe="$build/packaging/windows/zip/quorvane.exe"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
zip="$build/quorvane-$version-windows-x86_64.zip"
fail() {
    echo "check.sh: $*" >&2
    exit 1
}

listed=$(cmake -E tar tf "$zip" | LC_ALL=C sort | tr '\n' ' ')
[ "$listed" = "DejaVu-Fonts-LICENSE.txt LICENSE.txt README.txt quorvane.exe " ] ||
    fail "$zip holds: $listed"

# A DLL that wine does not bring itself is not part of Windows (libgcc_s_seh-1.dll,
# libstdc++-6.dll, libwinpthread-1.dll, Qt's own); api-ms-win-* are Windows' API sets,
# which the system resolves without a file.
system_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
for dll in $imports; do
    [[ ${dll,,} == api-ms-win-* || -e $system_dlls/${dll,,} ]] ||
        fail "quorvane.exe imports $dll, which Windows does not have"
done
echo "quorvane.exe imports only Windows DLLs:" $imports

# A static Qt links only the plugins it is told of: without the windows platform the
# program answers --version and --help, and then cannot open its window.
grep -qaF QWindowsIntegrationPlugin "$exe" ||
    fail "quorvane.exe carries no windows platform plugin"

# Every start of wine would start a server too: one for all the checks and tests
# (it refuses, and the one already running serves, when one is up).
"$run" wineserver -p30 2>/dev/null || true

answer=$("$run" "$exe" --version | tr -d '\r')
[ "$answer" = "Quorvane $version" ] || fail "--version printed '$answer'"
"$run" "$exe" --help | grep -q '^Usage: quorvane' || fail "--help printed no usage"
status=0
"$run" "$exe" --no-such-option 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "an unknown argument exited with $status, not 2"
report=$("$run" "$exe" 10.20.30.40/27 | tr -d '\r')
grep -q '^Subnet: *10.20.30.32$' <<<"$report" || fail "the report of 10.20.30.40/27 printed: $report"
echo "quorvane.exe --version: $answer; --help, a wrong argument and an address's report answer as on Linux"
