#!/usr/bin/env bash
# The real program on a virtual X display, driven by real X events as a user would drive it:
# answer the start-up questions about the sound device, then File > Save As, type a name, and
# find the composition on disk under that name, with the title following it.
set -euo pipefail
BIN="$1"
work="$(mktemp -d)"
pid=""
xvfb=""
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    echo "--- program output:" >&2
    cat "$work/program.log" >&2 || true
    exit 1
}

# without any display the program says so in one line instead of aborting
set +e
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$BIN" >"$work/out.txt" 2>"$work/err.txt"
status=$?
set -e
[ "$status" -eq 1 ] || fail "without a display the program exited with $status"
grep -qx "cannot open a window: no display; the command-line tool is motivica-cli" \
    "$work/err.txt" || fail "without a display it said: $(cat "$work/err.txt")"

# a display number nobody holds
display=""
for d in $(seq 91 160); do
    if [ ! -e "/tmp/.X$d-lock" ] && [ ! -e "/tmp/.X11-unix/X$d" ]; then
        display=":$d"
        break
    fi
done
[ -n "$display" ] || fail "no free display number"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
export DISPLAY="$display"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
for _ in $(seq 100); do
    if xdotool getdisplaygeometry >/dev/null 2>&1; then break; fi
    sleep 0.1
done
xdotool getdisplaygeometry >/dev/null 2>&1 || fail "Xvfb did not start"

export MOTIVICA_HOME="$work/home"
mkdir -p "$MOTIVICA_HOME/tnrs"
# the sanitizer build reports leaks of the X libraries at exit; this test is about behaviour
export ASAN_OPTIONS="detect_leaks=0"
"$BIN" >"$work/program.log" 2>&1 &
pid=$!

visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true; }

# Waits for the main window titled as the pattern says, and prints its id. Without a sound
# device the program says so and offers the device dialog first: both are cancelled.
mainWindow() {
    for _ in $(seq 600); do
        kill -0 "$pid" 2>/dev/null || return 0
        for dialog in '^Error$' '^MIDI Devices$'; do
            w="$(visible "$dialog")"
            if [ -n "$w" ]; then
                xdotool windowfocus --sync "$w" key --window "$w" Escape 2>/dev/null || true
            fi
        done
        w="$(visible "$1")"
        if [ -n "$w" ]; then
            echo "$w"
            return 0
        fi
        sleep 0.1
    done
}

main="$(mainWindow '^Motivica 1.0 - Untitled$')"
[ -n "$main" ] || fail "the main window did not appear"

xdotool windowfocus --sync "$main"
xdotool key --window "$main" alt+f
sleep 0.5
xdotool key Down Down Down Return
dialog=""
for _ in $(seq 100); do
    dialog="$(visible '^Save As$')"
    if [ -n "$dialog" ]; then break; fi
    sleep 0.1
done
[ -n "$dialog" ] || fail "File > Save As... showed no dialog"
xdotool windowfocus --sync "$dialog"
xdotool type --delay 10 "typed by hand"
xdotool key Return

saved="$MOTIVICA_HOME/tnrs/typed by hand.tnr"
for _ in $(seq 100); do
    if [ -s "$saved" ]; then break; fi
    sleep 0.1
done
[ -s "$saved" ] || fail "nothing was saved as $saved"
head -c 8 "$saved" | grep -q '^<PERIOD>' || fail "the saved file is not a composition"
grep -q 'MOTIVE_TYPE VALUE="EIGHTH"' "$saved" || fail "the saved file is not the default composition"
[ -n "$(visible "^Motivica 1.0 - $saved\$")" ] || fail "the title does not name the saved file"

# a document handed over on the command line, as a file manager does, opens at once
kill "$pid"
wait "$pid" 2>/dev/null || true
"$BIN" "$saved" >"$work/program.log" 2>&1 &
pid=$!
opened="$(mainWindow "^Motivica 1.0 - $saved\$")"
[ -n "$opened" ] || fail "the document given on the command line was not opened"
