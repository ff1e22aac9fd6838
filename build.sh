#!/usr/bin/env bash
# Sets up a Debian or Ubuntu machine for Tabelora, builds it, and runs it or its tests.
#
#   ./build.sh run     build and start build/tabelora
#   ./build.sh test    build and run every test, headless
#   ./build.sh bench   build the Release benchmarks and run the suite (see bench/README.md)
#
# Missing system packages are installed with apt-get (through sudo when not root). Builds
# are incremental: running it again with nothing changed takes seconds.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here"

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    xvfb xauth xdotool x11-utils imagemagick libxtst-dev
    desktop-file-utils appstream dpkg-dev
)

die() {
    echo "build.sh: $*" >&2
    exit 1
}

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    command -v apt-get >/dev/null || die "missing packages (${missing[*]}) and no apt-get to install them"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || die "missing packages (${missing[*]}): run as root or install sudo"
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -q || die "apt-get update failed"
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}" \
        || die "could not install ${missing[*]}"
}

configure_and_build() {
    local dir="$1"
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S . -B "$dir" -G Ninja "$@" || die "configuring $dir failed"
    fi
    cmake --build "$dir" -j"$(nproc)" || die "building $dir failed"
}

# Tests that only run other tools, or the whole program in an X server, run once.
sanitize_skip="tst_x11session|tst_monkey_x11|validates|install_lays_out"

command="${1:-}"
case "$command" in
run)
    install_packages
    configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    exec ./build/tabelora
    ;;
test)
    install_packages
    configure_and_build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    export QT_QPA_PLATFORM=offscreen
    ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 300 || die "tests failed"
    # The same suites again under AddressSanitizer (with leak checks) and
    # UndefinedBehaviorSanitizer; any report fails the run.
    configure_and_build build-sanitize -DCMAKE_BUILD_TYPE=Debug -DTABELORA_SANITIZE=ON
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$here/tests/sanitizers/lsan.supp:print_suppressions=0"
    ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)" --timeout 600 \
        -E "$sanitize_skip" || die "tests failed under the sanitizers"
    ;;
bench)
    install_packages
    configure_and_build build-release -DCMAKE_BUILD_TYPE=Release -DTABELORA_BUILD_BENCH=ON -DBUILD_TESTING=OFF
    exec bench/run.sh build-release
    ;;
*)
    echo "usage: ./build.sh run | test | bench" >&2
    exit 2
    ;;
esac
