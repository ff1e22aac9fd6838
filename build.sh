#!/usr/bin/env bash
# Sets up a Debian or Ubuntu machine for Tabelora, builds it, and runs it or its tests.
#
#   ./build.sh run     build and start build/tabelora
#   ./build.sh test    build and run every test, headless
#   ./build.sh bench   build the Release benchmarks and run the suite (see bench/README.md)
#   ./build.sh package build the Debian package, build-package/tabelora_<version>_<arch>.deb
#   ./build.sh windows       cross-compile build-windows/tabelora.exe for 64-bit Windows
#   ./build.sh windows-test  the same, then play it under Wine in a virtual X server
#   ./build.sh fuzz [seconds]
#                      run the strip loader's fuzzer for that long, 600 seconds unless told
#                      (needs clang, which only this command installs)
#   ./build.sh test-debian13
#                      the test command, the package and the installed program in a
#                      Debian 13 system made once with debootstrap (root only)
#
# The Windows build first builds a static Qt from Debian's own Qt source package, once, into
# ${XDG_CACHE_HOME:-~/.cache}/tabelora (about 30 minutes on two cores); later runs reuse it.
#
# Missing system packages are installed with apt-get (through sudo when not root), which waits
# up to 10 minutes for another package manager to finish. Builds are incremental: running it
# again with nothing changed takes seconds.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$here"

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    xvfb xauth xdotool x11-utils imagemagick libxtst-dev openbox
    desktop-file-utils appstream dpkg-dev
    at-spi2-core dbus-daemon dbus-bin python3-pyatspi
)

# What the Debian package needs: the build tools and Qt, dpkg-dev for the library
# dependencies, and file, which dpkg-shlibdeps runs and a minimal system lacks.
package_packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev libxcb1-dev
    qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
    dpkg-dev file
)

# How long apt-get waits for the package locks that another apt-get, or the automatic updates
# of a freshly started desktop, holds: seconds.
apt_lock_wait=600

die() {
    echo "build.sh: $*" >&2
    exit 1
}

# Whether a process holds a lock on the file, by the kernel's list of locks.
lock_held() {
    local inode
    inode="$(stat -c %i "$1" 2>/dev/null)" && grep -q ":$inode " /proc/locks
}

# apt-get update, waiting as long as apt-get install does (DPkg::Lock::Timeout) for another
# package manager that holds the package lists, whose lock apt-get update does not wait for.
apt_update() {
    local lists="" deadline=$((SECONDS + apt_lock_wait)) told=""
    eval "$(apt-config shell lists Dir::State::Lists/d)"
    while :; do
        while lock_held "${lists}lock" && [ $SECONDS -lt $deadline ]; do
            [ -n "$told" ] || echo "Waiting for another package manager to finish updating the package lists..."
            told=yes
            sleep 5
        done
        "$@" update -q && return 0
        lock_held "${lists}lock" && [ $SECONDS -lt $deadline ] || return 1
    done
}

# Installs the given packages, or the list above, when missing.
install_packages() {
    [ $# -gt 0 ] || set -- "${packages[@]}"
    local missing=()
    for p in "$@"; do
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
    local apt=("${sudo[@]}" apt-get -o DPkg::Lock::Timeout="$apt_lock_wait")
    apt_update "${apt[@]}" || die "apt-get update failed"
    DEBIAN_FRONTEND=noninteractive "${apt[@]}" install -y -q --no-install-recommends "${missing[@]}" \
        || die "could not install ${missing[*]}"
}

# Configures the build folder with the given CMake options, unless it was configured with
# exactly these before. The options are kept in the folder, in build.sh-options, with the
# compilers that CC and CXX name; when they differ, the folder is configured afresh, from an
# empty cache, so that an option given before and left out now does not linger in the cache
# (CMake also reads CC and CXX only into an empty cache). The objects stay, so only what the
# new options change is built again.
configure() {
    local dir="$1"
    shift
    local stamp="$dir/build.sh-options" wanted
    wanted="$(printf '%s\n' "CC=${CC:-}" "CXX=${CXX:-}" "$@")"
    if [ -f "$dir/build.ninja" ] && [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted" ]; then
        return 0
    fi
    if [ -f "$dir/CMakeCache.txt" ]; then
        if [ -f "$stamp" ]; then
            echo "build.sh: $dir was configured with other options; configuring it afresh with: $*"
        else
            echo "build.sh: $dir has no record of its options; configuring it afresh with: $*"
        fi
        rm -f "$dir/CMakeCache.txt"
    fi
    rm -f "$stamp"
    cmake -S . -B "$dir" -G Ninja "$@" || die "configuring $dir failed"
    printf '%s\n' "$wanted" >"$stamp"
}

configure_and_build() {
    configure "$@"
    cmake --build "$1" -j"$(nproc)" || die "building $1 failed"
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        command -v sudo >/dev/null || die "$1 needs root: run as root or install sudo"
        sudo "$@"
    fi
}

# ---- Windows: a static Qt for MinGW-w64, built once, then the program -----------------------

windows_packages=(
    cmake ninja-build g++-mingw-w64-x86-64-posix mingw-w64-tools dpkg-dev perl xz-utils patch
    qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    qt6-translations-l10n
)
qt_cache="${XDG_CACHE_HOME:-$HOME/.cache}/tabelora"
qt_source="$qt_cache/qt6-base-src"
qt_build="$qt_cache/qt6-build"
qt_prefix="$qt_cache/qt6-install"
# Only what the program uses: Core, Gui, Widgets, the Windows platform plugin and styles, PNG
# and BMP pictures, with Qt's own zlib, libpng, FreeType, HarfBuzz and PCRE2. The runtime is
# linked in, so the program is one file. Debian's source leaves out the tablet (wintab)
# headers, hence no tablet events.
qt_options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_testlib=OFF -DFEATURE_xml=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF -DFEATURE_tabletevent=OFF -DFEATURE_androiddeployqt=OFF
    -DFEATURE_zstd=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_png=ON -DFEATURE_system_png=OFF
    -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF -DFEATURE_harfbuzz=ON -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_pcre2=ON -DFEATURE_system_pcre2=OFF
)

# apt-get source needs a deb-src entry beside each deb one of the distribution's archive. Only
# the Windows commands come here, and only while the Qt source is not unpacked yet: nothing
# else edits the system's package sources. Where apt already knows qt6-base's source package,
# they are left as they are.
ensure_deb_src() {
    local known
    known="$(apt-cache showsrc qt6-base 2>/dev/null || true)"
    if grep -q '^Package: qt6-base$' <<<"$known"; then
        return 0
    fi
    local list
    for list in /etc/apt/sources.list.d/debian.sources /etc/apt/sources.list.d/ubuntu.sources; do
        if [ -f "$list" ] && grep -q '^Types: deb$' "$list"; then
            echo "Adding a deb-src entry to $list for Qt's source package (qt6-base)," \
                "which the Windows build compiles"
            as_root sed -i 's/^Types: deb$/Types: deb deb-src/' "$list"
            as_root apt-get update -q || die "apt-get update failed"
        fi
    done
    if [ -f /etc/apt/sources.list ] && grep -q '^deb ' /etc/apt/sources.list &&
        ! grep -qs '^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/deb-src.list; then
        echo "Adding deb-src entries, in /etc/apt/sources.list.d/deb-src.list, for Qt's source" \
            "package (qt6-base), which the Windows build compiles"
        grep '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /' |
            as_root tee /etc/apt/sources.list.d/deb-src.list >/dev/null
        as_root apt-get update -q || die "apt-get update failed"
    fi
}

# The fixes for the given qt6-base version: the patch for its Qt release (Qt 6.8's is
# cmake/qt6.8-windows-minimal.patch) when there is one, else the general one.
windows_qt_patch() {
    local release
    release="$(sed -E 's/^([0-9]+:)?([0-9]+\.[0-9]+).*/\2/' <<<"$1")"
    if [ -f "cmake/qt$release-windows-minimal.patch" ]; then
        echo "cmake/qt$release-windows-minimal.patch"
    else
        echo cmake/qt6-windows-minimal.patch
    fi
}

build_windows_qt() {
    # The source of the very version of the host tools, which the cross build runs.
    local version
    version="$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)"
    local stamp="$qt_prefix/.tabelora-options"
    if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$version ${qt_options[*]}" ]; then
        return 0
    fi
    mkdir -p "$qt_cache"
    # The source is unpacked and patched aside and only then moved into place, with a stamp
    # naming its version and patch: a source whose patching did not finish is never built.
    local fixes source_stamp="$qt_source/.tabelora-source"
    fixes="$(windows_qt_patch "$version")"
    local wanted
    wanted="$version $(sha256sum <"$fixes" | cut -d' ' -f1)"
    if [ ! -f "$source_stamp" ] || [ "$(cat "$source_stamp")" != "$wanted" ]; then
        ensure_deb_src
        rm -rf "$qt_source" "$qt_source.part"
        (cd "$qt_cache" && apt-get source --download-only "qt6-base=$version") ||
            die "could not download the source of qt6-base $version"
        (cd "$qt_cache" && dpkg-source -x qt6-base_"${version#*:}".dsc "$qt_source.part") ||
            die "could not unpack the source of qt6-base"
        patch -d "$qt_source.part" -p1 --forward --batch <"$fixes" ||
            die "could not patch the source of qt6-base $version with $fixes"
        echo "$wanted" >"$qt_source.part/.tabelora-source"
        mv "$qt_source.part" "$qt_source"
    fi
    cp cmake/mingw-w64-x86_64.cmake "$qt_cache/mingw-w64-x86_64.cmake"
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    local log="$qt_cache/qt6-build.log" start=$SECONDS
    echo "Building Qt $version for Windows in $qt_build (log: $log); this takes long."
    cmake -S "$qt_source" -B "$qt_build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$qt_cache/mingw-w64-x86_64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$qt_prefix" "${launcher[@]}" "${qt_options[@]}" >"$log" 2>&1 ||
        die "configuring Qt failed: see $log"
    nice -n 10 cmake --build "$qt_build" --parallel "$(nproc)" >>"$log" 2>&1 ||
        die "building Qt failed: see $log"
    cmake --install "$qt_build" >>"$log" 2>&1 || die "installing Qt failed: see $log"
    echo "$version ${qt_options[*]}" >"$stamp"
    echo "Qt for Windows built in $(((SECONDS - start) / 60)) minutes."
}

build_windows() {
    install_packages "${windows_packages[@]}"
    build_windows_qt
    configure_and_build build-windows \
        -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DCMAKE_EXE_LINKER_FLAGS=-s
    echo "build-windows/tabelora.exe: $(stat -c %s build-windows/tabelora.exe) bytes"
}

# Sourced, as its own test does, the script stops here with its functions defined.
if [ "${BASH_SOURCE[0]}" != "$0" ]; then
    return 0
fi

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
    # Tests that only run other tools, or the whole program in an X server, run once.
    ctest --test-dir build-sanitize --output-on-failure -j"$(nproc)" --timeout 600 \
        -LE "display|install" || die "tests failed under the sanitizers"
    ;;
bench)
    install_packages
    configure_and_build build-release -DCMAKE_BUILD_TYPE=Release -DTABELORA_BUILD_BENCH=ON -DBUILD_TESTING=OFF
    exec bench/run.sh build-release
    ;;
windows)
    build_windows
    ;;
windows-test)
    build_windows
    install_packages wine wine64 fonts-wine tesseract-ocr "${packages[@]}"
    # The session that plays it is the Linux end-to-end test program.
    configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build --target tst_x11session || die "building tst_x11session failed"
    exec tests/windows/wine-session.sh build-windows/tabelora.exe build/tests/e2e/tst_x11session
    ;;
package)
    install_packages "${package_packages[@]}"
    configure_and_build build-package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        -DCMAKE_INSTALL_PREFIX=/usr
    # Only this run's package is left, so the name printed is the one to install.
    rm -f build-package/tabelora_*.deb
    (cd build-package && cpack -G DEB) || die "making the package failed"
    deb=(build-package/tabelora_*.deb)
    [ -f "${deb[0]}" ] || die "cpack made no build-package/tabelora_*.deb"
    echo "The package: $here/${deb[0]}"
    echo "Install it with: sudo apt-get install ./${deb[0]}"
    ;;
fuzz)
    seconds="${2:-600}"
    [[ "$seconds" =~ ^[0-9]+$ ]] || die "fuzz: give the running time in whole seconds"
    # The sanitizer and libFuzzer runtimes of the very clang that the system's clang is.
    install_packages "${packages[@]}" clang
    clang_major="$(clang -dumpversion)"
    install_packages "libclang-rt-${clang_major%%.*}-dev"
    CC=clang CXX=clang++ configure build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBUILD_TESTING=OFF -DTABELORA_FUZZ=ON
    cmake --build build-fuzz --target fuzz_striploader || die "building the fuzzer failed"
    # New inputs go to build-fuzz/corpus; an input that breaks a promise is written to
    # build-fuzz/found/ and belongs in tests/fuzz/regressions/ once the fault is fixed.
    mkdir -p build-fuzz/corpus build-fuzz/found
    exec build-fuzz/tests/fuzz/fuzz_striploader build-fuzz/corpus tests/fuzz/seeds \
        tests/fuzz/regressions -max_total_time="$seconds" -max_len=65536 -timeout=10 \
        -rss_limit_mb=4096 -artifact_prefix=build-fuzz/found/ -print_final_stats=1
    ;;
test-debian13)
    exec tools/test-debian13.sh
    ;;
*)
    echo "usage: ./build.sh run | test | bench | package | windows | windows-test | fuzz [seconds] | test-debian13" >&2
    exit 2
    ;;
esac
