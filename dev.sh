#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# One entry point for a fresh Debian machine: installs what is missing, builds, then
#   ./dev.sh run      opens the window
#   ./dev.sh test     runs every test headless (default build, fuzzers briefly, sanitizer build)
#   ./dev.sh bench    runs the benchmarks and prints their table
#   ./dev.sh screenshot  refreshes docs/screenshot.png under Xvfb
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    cmake ninja-build g++ pkg-config clang-format
    qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev locales-all
    xvfb xauth x11-utils imagemagick xdotool
    dbus-daemon at-spi2-core python3-pyatspi
)

install_missing() {
    local missing=()
    for package in "${PACKAGES[@]}"; do
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

build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
}

# Without a display, Qt runs offscreen.
headless() {
    if [ -z "${QT_QPA_PLATFORM:-}" ] && [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
        export QT_QPA_PLATFORM=offscreen
    fi
}

case "${1:-}" in
run)
    install_missing
    build default
    exec build/bin/quorvane
    ;;
test)
    install_missing
    headless
    # Formatting is part of the build: a diff from .clang-format fails the run.
    git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
    build default
    ctest --preset default -j2
    tools/a11y-check.py build/bin/quorvane   # what a screen reader reads, over AT-SPI
    bash tools/fuzz/run-short.sh
    build asan
    ctest --preset asan -j2
    ;;
bench)
    install_missing
    build default
    headless
    bash bench/run.sh
    ;;
screenshot)
    install_missing
    build default
    bash tools/screenshot.sh
    ;;
*)
    echo "usage: ./dev.sh run|test|bench|screenshot" >&2
    exit 2
    ;;
esac
