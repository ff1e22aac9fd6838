#!/usr/bin/env bash
# Runs the random-pupil test of the main window at any seed and size:
#
#   tools/monkey.sh SEED EVENTS [BUILD_DIR]
#   TABELORA_MONKEY_X11=1 tools/monkey.sh SEED EVENTS [BUILD_DIR]   on a virtual X display
#
# BUILD_DIR is build-sanitize when it holds the test (./build.sh test makes it), else build.
# The same seed and size send the same stream of events again, so a failure it prints can be
# replayed; the tiles' drift still depends on when their timers fire.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
usage="usage: tools/monkey.sh SEED EVENTS [BUILD_DIR]"
seed="${1:?$usage}"
events="${2:?$usage}"
[[ "$seed" =~ ^[0-9]+$ && "$events" =~ ^[0-9]+$ ]] || { echo "$usage" >&2; exit 2; }

find_test() {
    [ -d "$1" ] && find "$1" -name tst_monkey -type f -perm -u+x -print -quit
}
if [ $# -ge 3 ]; then
    test_binary="$(find_test "$3")"
else
    test_binary="$(find_test "$here/build-sanitize")"
    [ -n "$test_binary" ] || test_binary="$(find_test "$here/build")"
fi
[ -n "$test_binary" ] || { echo "monkey.sh: no tst_monkey built; run ./build.sh test first" >&2; exit 1; }

x11=()
if [ "${TABELORA_MONKEY_X11:-0}" = 1 ]; then
    # Real pointer and key input through the X server, in a display of its own.
    export QT_QPA_PLATFORM=xcb
    x11=(xvfb-run -a -s "-screen 0 1024x768x24")
else
    export QT_QPA_PLATFORM=offscreen
fi
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:strict_string_checks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$here/tests/sanitizers/lsan.supp:print_suppressions=0}"
export TABELORA_MONKEY_SEED="$seed" TABELORA_MONKEY_EVENTS="$events"
# A long run outlasts the test library's five-minute limit per test function.
export QTEST_FUNCTION_TIMEOUT="${QTEST_FUNCTION_TIMEOUT:-86400000}"

echo "monkey.sh: $test_binary, seed $seed, $events events"
start=$SECONDS
status=0
"${x11[@]}" "$test_binary" || status=$?
echo "monkey.sh: exit status $status after $((SECONDS - start)) s (seed $seed, $events events)"
exit "$status"
