#!/usr/bin/env bash
# build.sh configures a build folder again exactly when its options, or the compiler CXX
# names, differ from those it was configured with, and then from an empty cache. CMake is
# replaced by a function that records each call and leaves what a configure leaves.
#
#   check_configure.sh path/to/build.sh scratch-folder
set -uo pipefail

scratch="$2"
rm -rf "$scratch" && mkdir -p "$scratch"
dir="$scratch/build"
calls="$scratch/calls"
: >"$calls"
# shellcheck source=/dev/null
source "$1" || { echo "FAIL: sourcing $1"; exit 1; }
set +e

failures=0
# expect CALLS WHAT: cmake has run CALLS times so far, the last time as WHAT (if given).
expect() {
    local n last
    n="$(wc -l <"$calls")" last="$(tail -n 1 "$calls")"
    if [ "$n" -ne "$1" ] || { [ $# -gt 1 ] && [ "$last" != "$2" ]; }; then
        echo "FAIL at line ${BASH_LINENO[0]}: cmake ran $n times, last as \"$last\""
        failures=$((failures + 1))
    fi
}

# cmake -S . -B dir -G Ninja options...: notes whether the cache was there; -DFAIL=ON fails.
cmake() {
    local build="$4"
    shift 6
    echo "$([ -f "$build/CMakeCache.txt" ] && echo kept || echo fresh) $*" >>"$calls"
    mkdir -p "$build" && : >"$build/CMakeCache.txt"
    rm -f "$build/build.ninja"
    [[ " $* " == *" -DFAIL=ON "* ]] && return 1
    : >"$build/build.ninja"
}
run() { (configure "$dir" "$@") >/dev/null 2>&1; }

run -DCMAKE_BUILD_TYPE=Debug -DTABELORA_SANITIZE=ON
expect 1 "fresh -DCMAKE_BUILD_TYPE=Debug -DTABELORA_SANITIZE=ON"
run -DCMAKE_BUILD_TYPE=Debug -DTABELORA_SANITIZE=ON
expect 1
# An option left out must not linger in the cache.
run -DCMAKE_BUILD_TYPE=Debug
expect 2 "fresh -DCMAKE_BUILD_TYPE=Debug"
(CXX=clang++ configure "$dir" -DCMAKE_BUILD_TYPE=Debug) >/dev/null 2>&1
expect 3 "fresh -DCMAKE_BUILD_TYPE=Debug"
# A failed configure is tried again next time.
run -DFAIL=ON
run -DFAIL=ON
expect 5
# An option whose value holds spaces is one option.
run "-DCMAKE_CXX_FLAGS=-O1 -g"
run "-DCMAKE_CXX_FLAGS=-O1" "-g"
expect 7 "fresh -DCMAKE_CXX_FLAGS=-O1 -g"

[ "$failures" -eq 0 ] || exit 1
echo "build.sh configures again exactly when its options change"
