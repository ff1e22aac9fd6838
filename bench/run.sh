#!/usr/bin/env bash
# Runs the performance suite against a Release build and prints the budget table.
#
#   bench/run.sh BUILD_DIR
#
# Needs Xvfb. Every figure is taken RUNS times (TABELORA_BENCH_RUNS, default 5), the program
# and the reference program alternating so that a busy moment of the machine hits both; each
# measured window lasts TABELORA_BENCH_SECONDS (default 3). Raw results go to
# BUILD_DIR/bench-results/. The exit status is 1 when a line of the budget is missed, the
# summary of a year's records (bench_records, printed after the micro-benchmarks) included.
set -euo pipefail

build="$(cd "${1:?usage: bench/run.sh BUILD_DIR}" && pwd)"
runs="${TABELORA_BENCH_RUNS:-5}"
seconds="${TABELORA_BENCH_SECONDS:-3}"
bin="$build/bench"
out="$build/bench-results"

die() {
    echo "bench/run.sh: $*" >&2
    exit 2
}

for program in "$build/tabelora" "$bin/tabelora_reference" "$bin/tabelora_scenario" \
    "$bin/tabelora_bench_summary" "$bin/bench_game" "$bin/bench_records"; do
    [ -x "$program" ] || die "$program is missing: build with -DTABELORA_BUILD_BENCH=ON"
done
command -v Xvfb >/dev/null || die "Xvfb is missing"

mkdir -p "$out"
rm -f "$out"/*.txt
results="$out/results.txt"
: >"$results"

# A virtual X server of our own; it picks a free display number itself.
displayfile="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" >"$out/xvfb.log" 2>&1 &
xpid=$!
cleanup() {
    kill "$xpid" 2>/dev/null || true
    wait "$xpid" 2>/dev/null || true
    rm -f "$displayfile"
}
trap cleanup EXIT
for _ in $(seq 100); do
    [ -s "$displayfile" ] && break
    sleep 0.05
done
[ -s "$displayfile" ] || die "Xvfb did not start (see $out/xvfb.log)"
export DISPLAY=":$(head -n1 "$displayfile")"
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$out/runtime}"
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
# The pointer rests over the middle of the screen, where the windows open, as a pupil's would.
if command -v xdotool >/dev/null; then
    xdotool mousemove 512 384 || true
fi

echo "Tabelora performance suite: $runs runs of ${seconds}s windows on $DISPLAY"

# Start-up: from exec to the first window on screen, and the peak memory 5 s after start.
startup() { # name title program [arguments...]
    local name="$1" title="$2"
    shift 2
    local line
    if [ -x "$bin/tabelora_startup_watch" ]; then
        line="$("$bin/tabelora_startup_watch" "$title" 5000 "$@" 2>>"$out/errors.txt")" || return 0
    else
        # Without the watcher: poll the window list, which adds its own delay to both programs.
        local start end pid
        start=$(date +%s%N)
        "$@" 2>>"$out/errors.txt" &
        pid=$!
        until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do sleep 0.005; done
        end=$(date +%s%N)
        sleep 5
        local hwm
        hwm=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")
        kill "$pid"
        wait "$pid" 2>/dev/null || true
        line="ms=$(((end - start) / 1000000)) memory_kb=$hwm"
    fi
    echo "$name $line" | tee -a "$results"
}

scenario() { # arguments for tabelora_scenario
    "$bin/tabelora_scenario" --seconds "$seconds" --x-pid "$xpid" "$@" 2>>"$out/errors.txt" \
        | tee -a "$results" || true
}

for run in $(seq "$runs"); do
    echo "-- run $run of $runs"
    startup startup.tabelora "Información" "$build/tabelora" --idioma es
    startup startup.tabelora-actual "Información" "$build/tabelora" --idioma es --tabla actual
    startup startup.reference "Referencia" "$bin/tabelora_reference"
    scenario --scenario rest-info --settle 1000
    scenario --scenario rest
    scenario --program reference --scenario rest
    scenario --scenario steady
    scenario --program reference --scenario steady --repaint change
    scenario --program reference --scenario steady --repaint every --label steady-every.reference
    scenario --scenario drift
    scenario --program reference --scenario drift
done

echo "-- micro-benchmarks (offscreen)"
QT_QPA_PLATFORM=offscreen "$bin/bench_game" -csv 2>>"$out/errors.txt" | tee "$out/micro.txt" || true

echo "-- the teacher's summary of a school year's records (no display)"
records_missed=0
"$bin/bench_records" 2>>"$out/errors.txt" | tee "$out/records.txt" || records_missed=1

echo
status=0
"$bin/tabelora_bench_summary" "$results" "$out/micro.txt" || status=$?
if [ "$status" -eq 0 ] && [ "$records_missed" -ne 0 ]; then
    status=1
fi
exit "$status"
