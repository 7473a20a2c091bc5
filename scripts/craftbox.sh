#!/usr/bin/env bash
# Set-up, build and run of Craftbox on Debian 12.
#   scripts/craftbox.sh start   install what is missing, build, start the program
#   scripts/craftbox.sh test    install what is missing, build, run the whole test suite
# BUILD_DIR (default build) and SANITIZE=1 (AddressSanitizer + UBSan) pick the build.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
case "$build" in /*) ;; *) build=$root/$build ;; esac

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6
    libgtest-dev libgmock-dev libbenchmark-dev
    fontconfig fonts-dejavu-core
    python3-fontforge fonts-comic-neue fonts-leckerli-one
    xvfb xauth xdotool imagemagick qt6-translations-l10n
    cups printer-driver-cups-pdf
)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'ok installed' || missing+=("$p")
    done
    if ((${#missing[@]})); then
        local sudo=()
        [ "$(id -u)" -eq 0 ] || sudo=(sudo)
        echo "Installing: ${missing[*]}"
        "${sudo[@]}" apt-get update -qq
        DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
            "${missing[@]}"
    fi
}

configure_and_build() {
    local options=(-G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo)
    if [ "${SANITIZE:-0}" = 1 ]; then
        options=(-G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUENBY_SANITIZE=ON -DQUENBY_BENCHMARKS=OFF)
    fi
    cmake -S "$root" -B "$build" "${options[@]}"
    cmake --build "$build" -j "$(nproc)"
}

case "${1:-}" in
    start)
        install_missing
        configure_and_build
        exec "$build/bin/quenby"
        ;;
    test)
        install_missing
        configure_and_build
        export QT_QPA_PLATFORM=offscreen
        if [ "${SANITIZE:-0}" = 1 ]; then
            export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
            export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
        fi
        # The printing tests print through a real print queue: start cupsd and add
        # the PDF queue where that is possible (root, or sudo without a password);
        # elsewhere those tests say why and skip.
        if [ "$(id -u)" -eq 0 ]; then
            sh "$root/tests/print/cups_setup.sh" || true
        elif sudo -n true 2>/dev/null; then
            sudo -n sh "$root/tests/print/cups_setup.sh" || true
        fi
        ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
        ;;
    *)
        echo "usage: $0 start|test" >&2
        exit 2
        ;;
esac
