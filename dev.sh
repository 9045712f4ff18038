#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# One entry point for a fresh Debian machine: installs what is missing, builds, then
#   ./dev.sh run      builds the programs alone (Release, build-release/) and opens the window
#   ./dev.sh test     runs every test headless (default build, fuzzers briefly, sanitizer
#                     build) and builds and checks the package
#   ./dev.sh package  builds build-release/quorvane-cli_<version>_<arch>.deb (the command
#                     line) and quorvane_<version>_<arch>.deb (the window) and checks them
#   ./dev.sh bench    runs the benchmarks and prints their table
#   ./dev.sh screenshot  refreshes docs/screenshot.png under Xvfb
#   ./dev.sh web      builds the page into build-web/quorvane-web/ and serves it on a
#                     local port
#   ./dev.sh windows  cross-builds build-windows/quorvane-<version>-windows-x86_64.zip
#                     and the installer quorvane-<version>-x64.msi (Qt for Windows is
#                     built once into ~/.cache/quorvane) and checks them under wine
set -euo pipefail
cd "$(dirname "$0")"

# What the programs alone need to build and open the window.
RUN_PACKAGES=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev fonts-dejavu-core)
# What the package and its checks need.
PACKAGE_PACKAGES=(dpkg-dev file lintian desktop-file-utils appstream)
# What the tests, fuzzers, benchmarks and screenshots need, named as Debian 12 and 13
# both have them: clang and libFuzzer's runtime in the release's own version; the
# formatter in the one version the style is checked with (another version may lay out
# the same code differently).
CLANG_FORMAT=clang-format-19
TEST_PACKAGES=(
    "$CLANG_FORMAT" libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
    clang libclang-rt-dev locales-all
    xvfb xauth x11-utils imagemagick xdotool xclip
    dbus-daemon at-spi2-core python3-pyatspi
)

# What the Windows build needs besides the program's packages: the cross compiler,
# Debian's Qt source (dpkg-dev unpacks it), GoogleTest's source, wixl to make the
# installer, msitools to read it and wine to run it all.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix dpkg-dev libgtest-dev nlohmann-json3-dev wixl msitools
                  wine wine64)
# What the benchmarks compare the command line with, and time it by.
BENCH_PACKAGES=(ipcalc-ng time)

# What the page needs: Debian's emscripten (which brings node); for its tests and
# benchmark, Chromium, driven by playwright-core from npm (web/package-lock.json).
WEB_PACKAGES=(emscripten python3)
WEB_TEST_PACKAGES=(chromium)
WEB_PORT=8029

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# build PRESET [TARGET]
build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" ${2:+--target "$2"}
}

# Builds the packages from the Release build and checks them without installing them.
package() {
    rm -f build-release/quorvane_*.deb build-release/quorvane-cli_*.deb
    build release package
    bash packaging/check-package.sh
}

# Cross-builds the program, its zip and its installer for Windows against a Qt for
# Windows built once from Debian's own source into the cache, and checks them under wine.
#   windows [TARGET]   msi (the default; the zip with it) or all: the tests too
windows() {
    local qt
    install_missing "${RUN_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
    qt=$(bash packaging/windows/build-qt.sh | tail -n 1)
    cmake --preset windows -DQUORVANE_WINDOWS_QT="$qt" >/dev/null
    cmake --build --preset windows --target "${1:-msi}"
    bash packaging/windows/check.sh
    bash packaging/windows/check-msi.sh
}

# Builds the page and its module (preset web).
web_build() {
    install_missing "${WEB_PACKAGES[@]}"
    build web
}

# What drives the browser in the page's tests and benchmark.
web_browser() {
    install_missing "${WEB_TEST_PACKAGES[@]}"
    # A node from elsewhere brings its own npm (and may refuse Debian's).
    command -v npm >/dev/null || install_missing npm
    (cd web && npm ci --no-audit --no-fund --loglevel=error)
}

# Without a display, Qt runs offscreen.
headless() {
    if [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        export QT_QPA_PLATFORM=offscreen
    fi
}

case "${1:-}" in
run)
    install_missing "${RUN_PACKAGES[@]}"
    cmake --preset release >/dev/null
    cmake --build --preset release --target quorvane quorvane-window
    exec build-release/bin/quorvane "${@:2}"
    ;;
test)
    install_missing "${RUN_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    headless
    # Formatting is part of the build: a diff from .clang-format fails the run.
    git ls-files '*.cpp' '*.h' | xargs "$CLANG_FORMAT" --dry-run --Werror
    build default
    ctest --preset default -j2
    tools/a11y-check.py build/bin/quorvane   # what a screen reader reads, over AT-SPI
    package
    bash tools/fuzz/run-short.sh
    build asan
    ctest --preset asan -j2
    # The page: the toolkit-free suites under node, the goldens and its checks in Chromium.
    web_build
    web_browser
    ctest --preset web -j2
    # The same tests on the Windows build, under wine.
    windows_started=$SECONDS
    windows all
    ctest --preset windows -j2
    echo "Windows step: $((SECONDS - windows_started)) s"
    ;;
package)
    install_missing "${RUN_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
    package
    ;;
bench)
    install_missing "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${BENCH_PACKAGES[@]}"
    build default
    build release quorvane
    web_build
    web_browser
    headless
    bash bench/run.sh
    ;;
windows)
    windows
    ;;
web)
    web_build
    echo "The page: http://127.0.0.1:$WEB_PORT/ (Ctrl+C stops the server)"
    exec python3 -m http.server "$WEB_PORT" --bind 127.0.0.1 --directory build-web/quorvane-web
    ;;
screenshot)
    install_missing "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    build default
    bash tools/screenshot.sh
    ;;
*)
    echo "usage: ./dev.sh run|test|package|bench|screenshot|windows|web" >&2
    exit 2
    ;;
esac
