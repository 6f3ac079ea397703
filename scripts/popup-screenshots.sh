#!/usr/bin/env bash
# Pictures of the DAD popup as a user sees it: the program on a virtual display with a window
# manager, at a screen scale of 1 or 2, the note popup half-way through a push and the chord
# popup with an arrangement hovered, each taken while the button is still held.
#   scripts/popup-screenshots.sh BUILD/src/app/motivica OUTDIR [SCALE]
set -euo pipefail
BIN="$1"
OUT="$2"
SCALE="${3:-1}"
mkdir -p "$OUT"
work="$(mktemp -d)"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

display=""
for d in $(seq 161 220); do
    if [ ! -e "/tmp/.X$d-lock" ] && [ ! -e "/tmp/.X11-unix/X$d" ]; then
        display=":$d"
        break
    fi
done
Xvfb "$display" -screen 0 $((1280 * SCALE))x$((800 * SCALE))x24 -nolisten tcp -noreset \
    >/dev/null 2>&1 &
pids+=($!)
export DISPLAY="$display"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
for _ in $(seq 100); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 1

export MOTIVICA_HOME="$work/home" QT_SCALE_FACTOR="$SCALE" ASAN_OPTIONS="detect_leaks=0"
mkdir -p "$MOTIVICA_HOME/tnrs"
"$BIN" >"$work/program.log" 2>&1 &
pids+=($!)

visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true; }
waitVisible() {
    for _ in $(seq 100); do
        w="$(visible "$1")"
        if [ -n "$w" ]; then echo "$w"; return 0; fi
        sleep 0.1
    done
}
main=""
for _ in $(seq 300); do
    for dialog in '^Error$' '^MIDI Devices$'; do
        w="$(visible "$dialog")"
        [ -n "$w" ] && xdotool windowfocus --sync "$w" key --window "$w" Escape 2>/dev/null || true
    done
    main="$(visible '^Motivica 1.0 - Untitled$')"
    [ -n "$main" ] && break
    sleep 0.1
done
[ -n "$main" ] || { echo "no main window" >&2; cat "$work/program.log" >&2; exit 1; }
xdotool keyup Escape
origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{print "X=" $4} /Absolute upper-left Y/{print "Y=" $4}'
}
# a point given in logical pixels from a window's client area
at() { echo $(($1 + $3 * SCALE)) $(($2 + $4 * SCALE)); }
eval "$(origin "$main")"
cx=$X
cy=$Y
# "insert all", then a press on the second motive's first head
xdotool mousemove $(at $cx $cy 143 76) click 1
sleep 0.3
xdotool mousemove $(at $cx $cy 419 505)
sleep 0.3
xdotool mousedown 1
dad="$(waitVisible '^DAD')"
sleep 0.3
eval "$(origin "$dad")"
ox=$((X + 5 * SCALE))
oy=$((Y + 5 * SCALE))
import -window root "$OUT/note-popup-open-scale$SCALE.png"
# half a push towards the other pane: the meter fills
for _ in $(seq 6); do xdotool mousemove_relative -- $((6 * SCALE)) 0; sleep 0.05; done
sleep 0.2
import -window root "$OUT/note-popup-scale$SCALE.png"
for _ in $(seq 30); do xdotool mousemove_relative -- $((6 * SCALE)) 0; sleep 0.03; done
sleep 0.3
import -window root "$OUT/note-popup-taken-scale$SCALE.png"
xdotool mouseup 1
sleep 0.8

# the chord popup on the third motive: the first candidate, down its column, across it
eval "$(origin "$main")"
xdotool mousemove $(at $cx $cy 713 625)
sleep 0.3
xdotool mousedown 1
dad="$(waitVisible '^DAD$')"
sleep 0.3
eval "$(origin "$dad")"
ox=$((X + 5 * SCALE))
oy=$((Y + 5 * SCALE))
# the grid stands in the pane that is not active (the active one has the cream background):
# into its first column of cells, then down the column of the lowest row's first cell,
# sweeping outwards over the arrangement marks (inwards would push the chord through)
read -r px py <<<"$(at $ox $oy 100 300)"
if import -window root -crop "1x1+$px+$py" -depth 8 txt:- | grep -qi '#FFFBF0'; then
    first=248 from=244 to=330 step=4
else
    first=230 from=236 to=150 step=-4
fi
for y in 15 45 75; do
    xdotool mousemove $(at $ox $oy $first $y)
    sleep 0.1
done
xdotool mousemove $(at $ox $oy $first 200)
sleep 0.2
for y in $(seq 200 12 400); do
    for x in $(seq $from $step $to); do xdotool mousemove $(at $ox $oy $x $y); done
done
sleep 0.3
import -window root "$OUT/chord-popup-scale$SCALE.png"
xdotool mouseup 1
sleep 0.5
echo "pictures in $OUT"
