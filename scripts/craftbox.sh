#!/usr/bin/env bash
# Set-up, build and run of Craftbox on Debian 12.
#   scripts/craftbox.sh start   install what is missing, build, start the program
#   scripts/craftbox.sh test    install what is missing, build, run the whole test suite
#   scripts/craftbox.sh fuzz [SECONDS]
#                               build the fuzz targets with clang (every library with the
#                               fuzzer's coverage and ASan + UBSan, in build-fuzz) and run
#                               each for SECONDS (default 60)
# BUILD_DIR (default build) and SANITIZE=1 (AddressSanitizer + UBSan) pick the build.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build}
case "$build" in /*) ;; *) build=$root/$build ;; esac
fuzz_build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
case "$fuzz_build" in /*) ;; *) fuzz_build=$root/$fuzz_build ;; esac

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6
    libgtest-dev libgmock-dev libbenchmark-dev
    fontconfig fonts-dejavu-core
    python3-fontforge fonts-comic-neue fonts-leckerli-one
    xvfb xauth xdotool imagemagick qt6-translations-l10n
    dbus at-spi2-core python3-pyatspi
    desktop-file-utils appstream shared-mime-info
    cups printer-driver-cups-pdf poppler-utils
    clang libclang-rt-14-dev
    librsvg2-bin poppler-utils
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

# The build the README's fuzz command gives: clang, QUENBY_FUZZ (which instruments
# every library), no benchmarks.
configure_and_build_fuzz() {
    CXX=clang++ cmake -S "$root" -B "$fuzz_build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DQUENBY_FUZZ=ON -DQUENBY_BENCHMARKS=OFF
    cmake --build "$fuzz_build" -j "$(nproc)" --target fuzz_targets
}

# Least coverage (program counters reached) a short run of each target must show: a
# target built without the libraries' instrumentation sees a few dozen.
declare -A min_coverage=([wxd_reader]=300 [settings_reader]=400 [wxg_reader]=180
                         [drawing_path]=1200)

# Runs every fuzz target for $1 seconds on a scratch copy of its corpus; fails on a
# finding or on a target that sees too little of the code it reaches.
run_fuzz_targets() {
    local seconds=$1 work status=0
    work=$(mktemp -d "${TMPDIR:-/tmp}/quenby-fuzz.XXXXXX")
    for target in "${!min_coverage[@]}"; do
        mkdir -p "$work/$target"
        echo "== fuzz_$target for ${seconds}s"
        if ! QT_QPA_PLATFORM=offscreen "$fuzz_build/bin/fuzz_$target" \
            -max_total_time="$seconds" -timeout=60 -rss_limit_mb=3072 -max_len=32768 \
            -print_final_stats=1 \
            -artifact_prefix="$work/$target-" "$work/$target" "$root/fuzz/corpus/$target" \
            >"$work/$target.log" 2>&1; then
            tail -n 40 "$work/$target.log"
            echo "fuzz_$target found a fault; the input is kept as $work/$target-*" >&2
            status=1
            continue
        fi
        local cov
        cov=$(grep -Eo 'cov: [0-9]+' "$work/$target.log" | tail -n 1 | grep -Eo '[0-9]+' || echo 0)
        grep -E '^stat::number_of_executed_units' "$work/$target.log" || true
        echo "coverage: $cov program counters"
        if ((cov < ${min_coverage[$target]})); then
            echo "fuzz_$target sees only $cov program counters: is the build instrumented?" >&2
            status=1
        fi
    done
    ((status == 0)) && rm -rf "$work"
    return "$status"
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
    fuzz)
        install_missing
        configure_and_build_fuzz
        run_fuzz_targets "${2:-60}"
        ;;
    *)
        echo "usage: $0 start|test|fuzz [SECONDS]" >&2
        exit 2
        ;;
esac
