#!/usr/bin/env bash
# build.sh configures a build folder again exactly when the options it is given, or the
# compilers CC and CXX name, differ from those it was configured with, and then from an empty
# cache. CMake is replaced by a function that records each call and writes what a configure
# leaves behind.
#
#   check_configure.sh path/to/build.sh scratch-folder
set -uo pipefail

script="$1"
scratch="$2"
rm -rf "$scratch"
mkdir -p "$scratch"
dir="$scratch/build"
calls="$scratch/calls"
: >"$calls"

# shellcheck source=/dev/null
source "$script" || { echo "FAIL: sourcing $script"; exit 1; }
set +e

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# cmake -S . -B dir -G Ninja options...: notes whether the cache was there when it started,
# and fails, leaving no build.ninja, when an option is -DFAIL=ON.
cmake() {
    local build="$4"
    shift 6
    local cache=fresh
    [ -f "$build/CMakeCache.txt" ] && cache=kept
    echo "$cache $*" >>"$calls"
    mkdir -p "$build"
    echo "CMAKE_CXX_COMPILER:FILEPATH=${CXX:-c++}" >"$build/CMakeCache.txt"
    local option
    for option in "$@"; do
        if [ "$option" = -DFAIL=ON ]; then
            rm -f "$build/build.ninja"
            return 1
        fi
    done
    : >"$build/build.ninja"
}

ncalls() { wc -l <"$calls"; }
last() { tail -n 1 "$calls"; }

# configure in a subshell, as die ends the shell; its output in $scratch/out.
run() { (configure "$dir" "$@") >"$scratch/out" 2>&1; }

run -DCMAKE_BUILD_TYPE=Debug -DTABELORA_SANITIZE=ON || fail "the first configure failed"
[ "$(ncalls)" -eq 1 ] || fail "the first configure ran cmake $(ncalls) times"
[ "$(last)" = "fresh -DCMAKE_BUILD_TYPE=Debug -DTABELORA_SANITIZE=ON" ] ||
    fail "the first configure ran: $(last)"

run -DCMAKE_BUILD_TYPE=Debug -DTABELORA_SANITIZE=ON
[ "$(ncalls)" -eq 1 ] || fail "the same options configured the folder again"
[ -s "$scratch/out" ] && fail "the same options printed: $(cat "$scratch/out")"

# An option left out must not stay in the cache: the cache goes.
run -DCMAKE_BUILD_TYPE=Debug
[ "$(ncalls)" -eq 2 ] || fail "leaving an option out did not configure again"
[ "$(last)" = "fresh -DCMAKE_BUILD_TYPE=Debug" ] || fail "leaving an option out ran: $(last)"
grep -q "configuring it afresh" "$scratch/out" || fail "configuring afresh was not said"

run -DCMAKE_BUILD_TYPE=Release
[ "$(ncalls)" -eq 3 ] || fail "another value of an option did not configure again"

run -DCMAKE_BUILD_TYPE=Release
[ "$(ncalls)" -eq 3 ] || fail "the options just configured configured the folder again"

(CXX=clang++ configure "$dir" -DCMAKE_BUILD_TYPE=Release) >/dev/null 2>&1
[ "$(ncalls)" -eq 4 ] || fail "another compiler in CXX did not configure again"
grep -q clang++ "$dir/CMakeCache.txt" || fail "the compiler in CXX did not reach a fresh cache"
(CXX=clang++ configure "$dir" -DCMAKE_BUILD_TYPE=Release) >/dev/null 2>&1
[ "$(ncalls)" -eq 4 ] || fail "the same compiler in CXX configured the folder again"

# A failed configure leaves nothing that passes for done: the next run tries again.
run -DCMAKE_BUILD_TYPE=Release -DFAIL=ON && fail "a failed cmake did not fail configure"
grep -q "configuring $dir failed" "$scratch/out" || fail "a failed configure was not said"
run -DCMAKE_BUILD_TYPE=Release -DFAIL=ON
[ "$(ncalls)" -eq 6 ] || fail "a failed configure was not tried again"

# A folder whose build.ninja went, or that holds no record of its options, is configured.
run -DCMAKE_BUILD_TYPE=Release
[ "$(ncalls)" -eq 7 ] || fail "after a failed configure the options did not configure again"
rm -f "$dir/build.ninja"
run -DCMAKE_BUILD_TYPE=Release
[ "$(ncalls)" -eq 8 ] || fail "a folder without build.ninja was not configured"
rm -f "$dir/build.sh-options"
run -DCMAKE_BUILD_TYPE=Release
[ "$(ncalls)" -eq 9 ] || fail "a folder without its record of options was not configured"
[ "$(last)" = "fresh -DCMAKE_BUILD_TYPE=Release" ] ||
    fail "a folder without its record of options kept its cache"
grep -q "no record of its options" "$scratch/out" || fail "the missing record was not said"

# An option whose value holds spaces is one option.
run "-DCMAKE_CXX_FLAGS=-O1 -g" -DCMAKE_BUILD_TYPE=Release
run "-DCMAKE_CXX_FLAGS=-O1" "-g" -DCMAKE_BUILD_TYPE=Release
[ "$(ncalls)" -eq 11 ] || fail "an option with spaces was taken for two"

if [ "$failures" -ne 0 ]; then
    echo "cmake was run as:"
    cat "$calls"
    exit 1
fi
echo "build.sh configures again exactly when its options change"
