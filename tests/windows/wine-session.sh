#!/usr/bin/env bash
# Plays the Windows build under Wine in a virtual X server:
#
#   tests/windows/wine-session.sh TABELORA_EXE TST_X11SESSION
#
# The end-to-end session (TST_X11SESSION, built for Linux) starts the program through Wine,
# saves a screenshot of the information window, closes it, drags a tile onto its cell with
# the real pointer, corrects, presses "Enviar" and checks the report's bytes in the Wine
# drive C:. This script then reads the memory figures off the information window's screenshot
# and checks them against what the system reports, and makes the report file read-only to see
# the error box of a failed save. Screenshots stay in build-windows/wine-shots.
set -euo pipefail

exe="$(realpath "${1:?usage: $0 TABELORA_EXE TST_X11SESSION}")"
session="$(realpath "${2:?usage: $0 TABELORA_EXE TST_X11SESSION}")"
out="$(dirname "$exe")"
shots="$out/wine-shots"

export WINEPREFIX="$out/wine-prefix" WINEARCH=win64 WINEDEBUG=-all
# No Mono or Gecko installer dialogs: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="
# English system messages (the reason in the error box below). The program writes its numbers
# in its own language, Spanish here: the thousands separator is a dot.
export LANG=C.UTF-8 LC_ALL=C.UTF-8

# Wine opens files with the rights of the user who runs it, and root writes through a file's
# mode: as root the file is made immutable instead.
protect() {
    if [ "$(id -u)" -eq 0 ]; then chattr +i "$1"; else chmod a-w "$1"; fi
}
unprotect() {
    if [ "$(id -u)" -eq 0 ]; then chattr -i "$1"; else chmod u+w "$1"; fi
}

rm -rf "$shots"
mkdir -p "$shots"
passed=0
failed=0
check() { # name, then the command that checks
    local name="$1"
    shift
    if "$@"; then
        echo "PASS   : $name"
        passed=$((passed + 1))
    else
        echo "FAIL!  : $name"
        failed=$((failed + 1))
    fi
}

# One virtual X server for the whole script.
rm -f "$out/xvfb-display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$out/xvfb-display" 2>"$out/xvfb.log" &
xvfb_pid=$!
cleanup() {
    wineserver -k 2>/dev/null || true
    # The failure check below may have stopped with the report protected.
    [ -f "$WINEPREFIX/drive_c/result.txt" ] && unprotect "$WINEPREFIX/drive_c/result.txt"
    kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 100); do
    [ -s "$out/xvfb-display" ] && break
    sleep 0.2
done
[ -s "$out/xvfb-display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(cat "$out/xvfb-display")"

# Wine's desktop process, started here, keeps the display it found for the whole session.
echo "Preparing the Wine prefix $WINEPREFIX"
wine wineboot --init >"$out/wineboot.log" 2>&1 || true
[ -f "$WINEPREFIX/drive_c/result.txt" ] && unprotect "$WINEPREFIX/drive_c/result.txt"
rm -f "$WINEPREFIX/drive_c/result.txt"

session_status=0
TABELORA_SESSION_PROGRAM="$exe" TABELORA_SESSION_LAUNCHER=wine \
    TABELORA_SESSION_REPORT="$WINEPREFIX/drive_c/result.txt" TABELORA_SESSION_SHOTS="$shots" \
    "$session" || session_status=$?
wineserver -k 2>/dev/null || true
check "the session under Wine (drag, correct, Enviar, report bytes)" test "$session_status" -eq 0

# A report that can't be replaced: the error box names the file and the reason, and the file
# keeps its earlier bytes.
report="$WINEPREFIX/drive_c/result.txt"
failure_shown() {
    [ -f "$report" ] || return 1
    cp "$report" "$out/result-before.txt"
    protect "$report"
    wine "$exe" --idioma es >/dev/null 2>&1 &
    disown
    local info main box
    info="$(timeout 60 xdotool search --sync --onlyvisible --name '^Información$' | head -1)"
    [ -n "$info" ] || { echo "no information window"; return 1; }
    xdotool windowfocus --sync "$info" key Escape
    main="$(timeout 30 xdotool search --sync --onlyvisible --name '^Tabelora$' | head -1)"
    [ -n "$main" ] || { echo "no main window"; return 1; }
    eval "$(xdotool getwindowgeometry --shell "$main")"
    xdotool mousemove --sync $((X + 248 + 36)) $((Y + 13)) click 1
    # The error box is a second window with the application's title.
    for _ in $(seq 30); do
        box="$(xdotool search --onlyvisible --name '^Tabelora$' | grep -vx "$main" | head -1 || true)"
        [ -n "$box" ] && break
        sleep 1
    done
    [ -n "$box" ] || { echo "no error box"; return 1; }
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$box")"
    import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$shots/report-refused.png"
    local text
    text="$(convert "$shots/report-refused.png" -resize 300% -colorspace Gray png:- |
        tesseract - - --psm 6 2>/dev/null | tr '\n' ' ')"
    echo "Error box: $text"
    unprotect "$report"
    # OCR reads the quotes, the backslash and the file name unreliably; the message's exact
    # text is a unit test's.
    [[ "$text" == *"Cannot create file"*"Access denied"* ]] && cmp -s "$report" "$out/result-before.txt"
}
check "a report that can't be written: the error box, the earlier file kept" failure_shown
wineserver -k 2>/dev/null || true

# The figures beside "Memoria física disponible:" (x 403, y 121) and "Memoria usada:"
# (x 404, y 143), read by OCR from the screenshot enlarged four times (OCR may drop the
# space before "KB" and "%"). Tesseract's line mode loses a lone digit ("8 %" read as "%"),
# which its word mode reads: that is asked only where the line mode read no digit.
read_figure() { # y
    convert "$shots/information.png" -crop "150x17+398+$(($1 - 2))" +repage -resize 400% \
        -colorspace Gray "$shots/figure-$1.png"
    local psm text
    for psm in 7 8; do
        text="$(tesseract "$shots/figure-$1.png" - --psm $psm \
            -c tessedit_char_whitelist='0123456789,.% KB' 2>/dev/null | tr -d '\n')"
        [[ "$text" =~ [0-9] ]] && break
    done
    echo "$text"
}
expected_kb="$(awk '/^MemTotal:/ {print $2}' /proc/meminfo)"
physmem=""
load=""
if [ -f "$shots/information.png" ]; then
    physmem="$(read_figure 121)"
    load="$(read_figure 143)"
fi
echo "Information window: total \"$physmem\" (the system says $expected_kb kB), load \"$load\""
total_matches() {
    [[ "$physmem" =~ ^[0-9]{1,3}(\.[0-9]{3})*\ ?KB$ ]] || return 1
    local shown="${physmem//[^0-9]/}"
    # Wine counts whole pages of 4 KB.
    [ $((shown > expected_kb ? shown - expected_kb : expected_kb - shown)) -le 4 ]
}
load_plausible() {
    [[ "$load" =~ ^([0-9]{1,3})\ ?%$ ]] || return 1
    local shown="${BASH_REMATCH[1]}"
    local now
    now="$(awk '/^MemTotal:/ {t = $2} /^MemAvailable:/ {a = $2} END {printf "%d", (t - a) * 100 / t + 0.5}' /proc/meminfo)"
    # Memory moves while the session runs.
    [ "$shown" -le 100 ] && [ $((shown > now ? shown - now : now - shown)) -le 15 ]
}
check "total physical memory, grouped by threes" total_matches
check "memory load in per cent" load_plausible

# The teacher's exports with no window, run from a command prompt: whatever they have to say
# goes to the console, the status tells the rest, and no window waits for a click.
windows_during() { # the names of the visible windows while the command runs, one a line
    "$@" &
    local pid=$!
    while kill -0 "$pid" 2>/dev/null; do
        xdotool search --onlyvisible --name '.+' getwindowname %@ 2>/dev/null || true
        sleep 0.2
    done | sort -u
    wait "$pid"
}
export_exe="$(winepath -w "$exe")"
exports_run() { # status file, output file, then the arguments after the program
    local status="$1" output="$2"
    shift 2
    local start=$SECONDS code=0
    timeout 60 wine cmd /c "$export_exe" "$@" >"$output" 2>&1 || code=$?
    echo "$code $((SECONDS - start))" >"$status"
}
missing_folder_told() {
    local windows
    windows="$(windows_during exports_run "$out/export-status" "$out/export-output" \
        --resumen 'C:\noexiste' --csv 'C:\clase.csv')"
    local status seconds
    read -r status seconds <"$out/export-status"
    echo "A folder that is not there: status $status after $seconds s, printed: $(cat "$out/export-output")"
    [ -n "$windows" ] && echo "windows shown: $windows"
    [ "$status" -eq 2 ] && [ "$seconds" -le 20 ] && [ -z "$windows" ] &&
        grep -q 'C:\\noexiste' "$out/export-output" && grep -q 'no existe' "$out/export-output"
}
check "an export from a folder that is not there: the reason printed, status 2, no window" \
    missing_folder_told
wineserver -k 2>/dev/null || true

# One pupil's record and one file that holds none: the CSV is written all the same, and the file
# left out is named on the console.
skipped_record_written() {
    local class="$WINEPREFIX/drive_c/clase"
    rm -rf "$class" "$WINEPREFIX/drive_c/clase.csv"
    mkdir -p "$class"
    printf '{"alumno":"Ana Ruiz","correcciones":[{"aciertos":114,"casillas":114,"hora":"2026-12-07T10:14:02+01:00","partida":1,"posiciones":[%s]}],"enviado":"2026-12-07T10:15:30+01:00","equipo":"aula1-pc07","formato":"tabelora-registro","grupo":"3B","idioma":"es","tabla":"clasica","totales":{"aciertos":114,"casillas":114,"porcentaje":100},"usuario":"ana","version":1}' \
        "$(seq -s, 1 114)" >"$class/ana.json"
    printf '{"alumno":' >"$class/roto.json"
    local windows
    windows="$(windows_during exports_run "$out/export-status" "$out/export-output" \
        --resumen 'C:\clase' --csv 'C:\clase.csv')"
    local status seconds
    read -r status seconds <"$out/export-status"
    echo "A record left out: status $status after $seconds s, printed: $(cat "$out/export-output")"
    [ -n "$windows" ] && echo "windows shown: $windows"
    [ "$status" -eq 0 ] && [ -z "$windows" ] && grep -q 'roto.json' "$out/export-output" &&
        grep -q '^Ana Ruiz;3B;aula1-pc07;' "$WINEPREFIX/drive_c/clase.csv"
}
check "an export with a record left out: the CSV written, the file named, no window" \
    skipped_record_written
wineserver -k 2>/dev/null || true

echo "Screenshots: $shots"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
