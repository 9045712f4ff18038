#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Qt 6 for Windows (static, release, x86_64) from Debian's own qt6-base source of
# the host Qt's version, with Debian's mingw-w64 GCC and the host's Qt tools (moc, uic,
# rcc). Only what the window and the test tools use. The result lands in a cache folder
# outside the clone, which later runs reuse; the build folder is removed afterwards.
#   packaging/windows/build-qt.sh            prints the install prefix on its last line
#   packaging/windows/build-qt.sh --prefix   only prints it, built or not
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

version="$(dpkg-query -W -f='${Version}' qt6-base-dev)"   # e.g. 6.4.2+dfsg-10
upstream="${version%%+*}"
upstream="${upstream%%-*}"
cache="${QUORVANE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvane}"
# What Qt is built with names its folder: a changed option or toolchain builds anew
# instead of reusing a Qt made another way.
options=(
    -xplatform win32-g++ -qt-host-path /usr -static -static-runtime -release
    -nomake examples -nomake tests
    -no-opengl -no-dbus -no-icu -no-zstd -no-vulkan
    -no-feature-sql -no-feature-network -no-feature-printsupport
    -no-feature-concurrent -no-feature-xml -no-feature-tabletevent
    -no-feature-direct2d1_1 -no-feature-gif -no-feature-ico -no-libjpeg
    -no-feature-pdf -no-feature-textodfwriter
    -no-feature-textmarkdownreader -no-feature-textmarkdownwriter
    -qt-zlib -qt-libpng -qt-freetype -qt-harfbuzz -qt-pcre
)
key="$(printf '%s\n' "${options[@]}" | cat - "$here/mingw-w64.cmake" | sha256sum | cut -c1-12)"
prefix="$cache/qt-$upstream-windows-x86_64-static-$key"
if [ "${1:-}" = "--prefix" ] || [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

# apt-get source needs deb-src lines for the mirrors the machine already uses.
if ! apt-get indextargets --format '$(CREATED_BY)' 2>/dev/null | grep -q '^Sources$'; then
    sources=/etc/apt/sources.list.d/quorvane-deb-src.sources
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
            $sudo tee "$sources" >/dev/null
    else
        grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
            $sudo tee /etc/apt/sources.list.d/quorvane-deb-src.list >/dev/null
    fi
    $sudo apt-get update -qq
fi

work="$(mktemp -d "$cache/qt-build.XXXXXX" 2>/dev/null || { mkdir -p "$cache" && mktemp -d "$cache/qt-build.XXXXXX"; })"
trap 'rm -rf "$work"' EXIT
cd "$work"
started=$(date +%s)
apt-get source -qq --download-only "qt6-base=$version" >/dev/null
dpkg-source -x ./qt6-base_*.dsc src >/dev/null
# Debian's patches stay applied: the same source as the host Qt.

mkdir build
cd build
../src/configure -prefix "$prefix" "${options[@]}" \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 ||
    { tail -40 configure.log >&2; exit 1; }
configured=$(date +%s)
nice cmake --build . --parallel "$(nproc)" >build.log 2>&1 || { tail -60 build.log >&2; exit 1; }
cmake --install . >/dev/null
echo "configure $((configured - started)) s, build $(($(date +%s) - configured)) s" >"$prefix/.complete"
cat "$prefix/.complete" >&2
echo "$prefix"
