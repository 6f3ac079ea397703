#!/usr/bin/env bash
# The real program on a virtual X display with a window manager, driven by real X events as a
# user would drive it: answer the start-up questions about the sound device, then File > Save As,
# type a name, and find the composition on disk under that name, with the title following it.
# Frames, title bars and focus exist only under a window manager, so openbox runs on the display.
set -euo pipefail
BIN="$1"
work="$(mktemp -d)"
pid=""
xvfb=""
wm=""
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    if [ -n "$wm" ]; then kill "$wm" 2>/dev/null || true; fi
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
command -v openbox >/dev/null || fail "openbox is not installed"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 100); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then break; fi
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' || fail "openbox did not start"

# The client area of a window on the screen, as X and Y (xdotool's own geometry counts a
# frame's offset twice under a window manager).
clientGeometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/{print "X=" $4} /Absolute upper-left Y/{print "Y=" $4}'
}

export MOTIVICA_HOME="$work/home"
mkdir -p "$MOTIVICA_HOME/tnrs"
# the sanitizer build reports leaks of the X libraries at exit; this test is about behaviour
export ASAN_OPTIONS="detect_leaks=0"
"$BIN" >"$work/program.log" 2>&1 &
pid=$!

visible() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 || true; }
# Waits up to ten seconds for a visible window named as the pattern says, and prints its id.
waitVisible() {
    for _ in $(seq 100); do
        w="$(visible "$1")"
        if [ -n "$w" ]; then
            echo "$w"
            return 0
        fi
        sleep 0.1
    done
}

# Waits for the main window titled as the pattern says, and prints its id. Without a sound
# device the program says so and offers the device dialog first: both are cancelled. A question
# about unsaved work left behind gets its default answer, Restore, and "$work/asked" notes it.
mainWindow() {
    for _ in $(seq 600); do
        kill -0 "$pid" 2>/dev/null || return 0
        for dialog in '^Error$' '^MIDI Devices$'; do
            w="$(visible "$dialog")"
            if [ -n "$w" ]; then
                xdotool windowfocus --sync "$w" key --window "$w" Escape 2>/dev/null || true
            fi
        done
        w="$(visible '^Unsaved Work$')"
        if [ -n "$w" ] && [ ! -e "$work/asked" ]; then
            touch "$work/asked"
            xdotool windowfocus --sync "$w" key --window "$w" Return 2>/dev/null || true
        fi
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
[ ! -e "$work/asked" ] || fail "a first start asked about unsaved work"

xdotool windowfocus --sync "$main"
xdotool key --window "$main" alt+f
sleep 0.5
# New, Open, Open Recent, Save, Save As...
xdotool key Down Down Down Down Return
dialog="$(waitVisible '^Save As$')"
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

# The DAD gesture with the real pointer: press in the first motive, then push through the pane
# boundary level with a note, against the outer edge to lengthen it, back through the boundary
# for the next note and once more, release, save, and find the three notes in the file.
# A dismissed dialog can leave Escape down in the server; it would end the press at once.
xdotool keyup Escape
eval "$(clientGeometry "$opened")"
mx=$X
my=$Y
# "insert all": every position of the melody range is offered, so the rows below are there
xdotool mousemove $((mx + 143)) $((my + 76)) click 1
sleep 0.3
# the first canvas, a little after its start: the cursor is at the anacrusis
xdotool mousemove $((mx + 183)) $((my + 524))
sleep 0.3
xdotool mousedown 1
dad="$(waitVisible '^DAD')"
[ -n "$dad" ] || fail "pressing in the first motive showed no DAD popup"
eval "$(clientGeometry "$dad")"
# the view lies five pixels inside the popup
ox=$((X + 5))
oy=$((Y + 5))
row() { echo $((oy + 677 - 19 * $1 + 9)); }
push() {
    for _ in $(seq "$2"); do
        xdotool mousemove_relative -- "$1" 0
        sleep 0.03
    done
}
xdotool mousemove $((ox + 225)) "$(row 20)"
sleep 0.1
push 6 16
push 6 40
xdotool mousemove $((ox + 253)) "$(row 22)"
sleep 0.1
push -6 16
xdotool mousemove $((ox + 225)) "$(row 24)"
sleep 0.1
push 6 16
sleep 0.2
xdotool mouseup 1
sleep 0.3
[ -z "$(visible '^DAD')" ] || fail "the popup stayed open after the release"

# Nothing is lost when the program dies: within a few seconds of the edit its composition is
# kept safe; killed outright, the next start offers it back, and it comes back byte for byte.
kept=""
for _ in $(seq 100); do
    kept="$(grep -l 'TIME="270" PITCH="24"' "$MOTIVICA_HOME"/recovery/*.recovery 2>/dev/null | head -1 || true)"
    if [ -n "$kept" ]; then break; fi
    sleep 0.1
done
[ -n "$kept" ] || fail "the edit was not kept safe within ten seconds"
head -n 2 "$kept" | grep -qx "NAME $saved" || fail "the kept composition does not carry its name"
tail -n +4 "$kept" >"$work/kept.tnr"
kill -9 "$pid"
wait "$pid" 2>/dev/null || true
"$BIN" >"$work/program.log" 2>&1 &
pid=$!
opened="$(mainWindow "^Motivica 1.0 - $saved\$")"
[ -e "$work/asked" ] || fail "the start after the crash did not offer the kept composition"
[ -n "$opened" ] || fail "restoring did not bring back the composition under its name"
xdotool keyup Escape

# Ctrl+S writes the opened document again; prints the notes of its k-th motive.
saveAndShowMotive() {
    rm -f "$saved"
    xdotool windowfocus --sync "$opened"
    xdotool key --window "$opened" ctrl+s
    for _ in $(seq 100); do
        if [ -s "$saved" ]; then break; fi
        sleep 0.1
    done
    [ -s "$saved" ] || fail "Save did not write the composition again"
    awk -v k="$1" '/<NOTES>/{n++} n==k{print} /<\/NOTES>/{if(n==k) exit}' "$saved"
}
notes="$(saveAndShowMotive 1)"
cmp -s "$saved" "$work/kept.tnr" || fail "the restored composition differs from the one kept safe"
# saved: nothing is left to recover
for _ in $(seq 100); do
    if ! ls "$MOTIVICA_HOME"/recovery/*.recovery >/dev/null 2>&1; then break; fi
    sleep 0.1
done
! ls "$MOTIVICA_HOME"/recovery/*.recovery >/dev/null 2>&1 || fail "a saved composition is still kept"
echo "$notes" | grep -q 'TIME="180" PITCH="20" DURATION="EIGHTH"' ||
    fail "the first note is not in the first motive: $notes"
echo "$notes" | grep -q 'TIME="240" PITCH="22" DURATION="SIXTEENTH"' ||
    fail "the second note is not in the first motive: $notes"
echo "$notes" | grep -q 'TIME="270" PITCH="24"' || fail "the third note is not in the first motive: $notes"
[ "$(echo "$notes" | grep -c '<NOTE ')" -eq 3 ] || fail "the first motive holds other notes: $notes"

# Development by real drags: the first motive's handle onto the "Sequence Up" chooser, then the
# first variant's handle onto the second motive's canvas; the second motive then holds the
# melody a step higher.
drag() {
    xdotool mousemove "$1" "$2"
    sleep 0.2
    xdotool mousedown 1
    sleep 0.2
    for step in 1 2 3 4 5 6 7 8; do
        xdotool mousemove $(($1 + ($3 - $1) * step / 8)) $(($2 + ($4 - $2) * step / 8))
        sleep 0.1
    done
    sleep 0.2
    xdotool mouseup 1
    sleep 0.4
}
eval "$(clientGeometry "$opened")"
# the client area starts under the menu bar; the choosers' first row is 42 pixels into it
drag $((X + 158)) $((Y + 550)) $((X + 240)) $((Y + 73))
drag $((X + 225)) $((Y + 190)) $((X + 500)) $((Y + 524))
second="$(saveAndShowMotive 2)"
echo "$second" | grep -q 'TIME="180" PITCH="21" DURATION="EIGHTH"' ||
    fail "the variant did not reach the second motive: $second"
echo "$second" | grep -q 'TIME="270" PITCH="25"' ||
    fail "the variant did not reach the second motive: $second"
# A demonstration with the real pointer: the chord demonstration starts from its help button
# beside the chord buttons, loads its own composition, and any key ends it; the composition
# comes back under its own name and the page window goes.
xdotool mousemove $((X + 116)) $((Y + 142)) click 1
demo="$(waitVisible 'helpSelectChord.tnr$')"
[ -n "$demo" ] || fail "the chord demonstration did not load its composition"
[ -n "$(visible '^PRESS ANY KEY TO CANCEL$')" ] || fail "the demonstration shows no page window"
sleep 1
xdotool key space
back=""
for _ in $(seq 100); do
    back="$(visible "^Motivica 1.0 - $saved\$")"
    if [ -n "$back" ] && [ -z "$(visible '^PRESS ANY KEY TO CANCEL$')" ]; then break; fi
    back=""
    sleep 0.1
done
[ -n "$back" ] || fail "a key did not end the demonstration with the composition back"
[ -z "$(visible '^CANCELLING...$')" ] || fail "the page window stayed after the cancel"

# The popup in real hands, on a fresh default composition: twenty presses over motives 1 to 4,
# each a sixteenth further on. Every popup opens with the pointer in its client area where the
# note before it lies (or mid-height), 50 pixels from the boundary, and offers candidates: one
# push through the boundary writes a note at the time of the column pressed.
kill "$pid"
wait "$pid" 2>/dev/null || true
export MOTIVICA_HOME="$work/fresh"
mkdir -p "$MOTIVICA_HOME/tnrs"
"$BIN" >"$work/program.log" 2>&1 &
pid=$!
fresh="$(mainWindow '^Motivica 1.0 - Untitled$')"
[ -n "$fresh" ] || fail "the fresh start showed no window"
xdotool keyup Escape
eval "$(clientGeometry "$fresh")"
cx=$X
cy=$Y
# "insert all", so that the row the pointer starts in holds a candidate
xdotool mousemove $((cx + 143)) $((cy + 76)) click 1
sleep 0.3
# the canvases' left edges in the client area, and the head columns of the first six
# sixteenths of a 2/4 motive with an eighth's up-beat
lefts=(162 396 653 887)
heads=(20 43 85 108 131 154)
times=(180 210 240 270 300 330)
opens=""
for slot in 0 1 2 3 4; do
    for k in 0 1 2 3; do
        s=$slot
        # the fourth motive's fifth column lies beyond the window's edge: the first motive's
        # sixth instead
        if [ "$slot" -eq 4 ] && [ "$k" -eq 3 ]; then s=5; k=0; fi
        opens="$opens $k:$s"
    done
done
for open in $opens; do
    k=${open%%:*}
    s=${open##*:}
    xdotool mousemove $((cx + ${lefts[$k]} + ${heads[$s]})) $((cy + 505))
    sleep 0.25
    xdotool mousedown 1
    dad="$(waitVisible '^DAD')"
    [ -n "$dad" ] || fail "press $open showed no popup"
    sleep 0.15
    eval "$(clientGeometry "$dad")"
    eval "$(xdotool getmouselocation --shell | grep -E '^(X|Y)=' | sed 's/^/P/')"
    vx=$((PX - X - 5))
    vy=$((PY - Y - 5))
    [ "$vx" -eq 190 ] || fail "press $open put the pointer at view x $vx"
    # mid-height, or level with a pitch row: 677 - 19 p + 9
    if [ "$vy" -ne 225 ] && [ $(((686 - vy) % 19)) -ne 0 ]; then
        fail "press $open put the pointer at view y $vy"
    fi
    for _ in $(seq 30); do
        xdotool mousemove_relative -- 6 0
        sleep 0.03
    done
    xdotool mouseup 1
    sleep 0.6
    [ -z "$(visible '^DAD')" ] || fail "the popup of press $open stayed open"
done
# The composition kept safe a moment after the last edit holds what the presses wrote: each
# wrote a note at its column's time. The first motive's sixth column was pressed last.
twenty=""
for _ in $(seq 100); do
    twenty="$(ls "$MOTIVICA_HOME"/recovery/*.recovery 2>/dev/null | head -1 || true)"
    if [ -n "$twenty" ] &&
        awk '/<NOTES>/{n++} n==1' "$twenty" | grep -q 'TIME="330"'; then break; fi
    sleep 0.1
done
[ -n "$twenty" ] || fail "the twenty presses' composition was not kept"
for open in $opens; do
    k=${open%%:*}
    s=${open##*:}
    motive="$(awk -v k=$((k + 1)) '/<NOTES>/{n++} n==k{print} /<\/NOTES>/{if(n==k) exit}' "$twenty")"
    echo "$motive" | grep -q "TIME=\"${times[$s]}\"" ||
        fail "press $open wrote no note at ${times[$s]}: $motive"
done

# A chord through the chord popup: a press in the second motive's chord band, the first
# candidate of the grid, then down its column and across it row by row until an arrangement
# is touched and taken; the motive then holds a chord of its own after the one carried over.
xdotool mousemove $((cx + ${lefts[1]} + 60)) $((cy + 625))
sleep 0.25
xdotool mousedown 1
dad="$(waitVisible '^DAD$')"
[ -n "$dad" ] || fail "a press in the chord band showed no chord popup"
sleep 0.15
eval "$(clientGeometry "$dad")"
ox=$((X + 5))
oy=$((Y + 5))
xdotool mousemove $((ox + 248)) $((oy + 15))
sleep 0.2
xdotool mousemove $((ox + 248)) $((oy + 200))
sleep 0.2
for y in $(seq 110 12 440); do
    for x in $(seq 300 -4 240); do xdotool mousemove $((ox + x)) $((oy + y)); done
    sleep 0.02
done
xdotool mouseup 1
sleep 0.5
[ -z "$(visible '^DAD$')" ] || fail "the chord popup stayed open after the release"
for _ in $(seq 100); do
    if awk '/<MOTIVE>/{n++} n==2' "$twenty" | grep -q 'CHORD CHORD_TYPE=.* TIME="240"'; then
        break
    fi
    sleep 0.1
done
awk '/<MOTIVE>/{n++} n==2' "$twenty" | grep -q 'CHORD CHORD_TYPE=.* TIME="240"' ||
    fail "the chord popup wrote no chord into the second motive"

# Closing through the window manager with all that unsaved: the program asks first. Cancel
# keeps it running; Save runs Save As for the untitled composition, writes it, and the program
# ends. What it writes is the work kept safe a moment ago.
cp "$twenty" "$work/kept-before-closing"
closeAndAsk() {
    xdotool windowfocus --sync "$fresh"
    xdotool key --window "$fresh" alt+F4
    question="$(waitVisible '^Save Changes$')"
    [ -n "$question" ] || fail "closing with unsaved changes asked nothing"
    sleep 0.3
    eval "$(clientGeometry "$question")"
}
# the question's buttons lie in a row near its foot: Save, Discard, Cancel
closeAndAsk
xdotool mousemove $((X + 221)) $((Y + 62)) click 1
sleep 0.5
[ -z "$(visible '^Save Changes$')" ] || fail "Cancel did not close the question"
kill -0 "$pid" 2>/dev/null || fail "Cancel on the question closed the program"
[ -n "$(visible '^Motivica 1.0 - Untitled$')" ] || fail "Cancel on the question closed the window"
closeAndAsk
xdotool mousemove $((X + 49)) $((Y + 62)) click 1
dialog="$(waitVisible '^Save As$')"
[ -n "$dialog" ] || fail "Save on the question showed no Save As dialog"
xdotool windowfocus --sync "$dialog"
xdotool type --delay 10 "before closing"
# the dialog's own Save button, near its lower right corner: a key pressed in a dialog opened
# from the window manager's close does not reach it under Xvfb
eval "$(clientGeometry "$dialog")"
eval "$(xwininfo -id "$dialog" | awk '/Width:/{print "W=" $2} /Height:/{print "H=" $2}')"
xdotool mousemove $((X + W - 52)) $((Y + H - 55)) click 1
for _ in $(seq 100); do
    if ! kill -0 "$pid" 2>/dev/null; then break; fi
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then ls -la "$MOTIVICA_HOME/tnrs" >&2; import -window root /tmp/xtest-fail.png; fail "the program kept running after Save on the question"; fi
pid=""
cmp -s "$MOTIVICA_HOME/tnrs/before closing.tnr" <(tail -n +4 "$work/kept-before-closing") ||
    fail "what was saved on closing differs from the work kept safe"

# A document at another tempo plays at its own tempo: with a sound server to listen to (CI
# starts a silent one), the tutorial's composition, set to tempo 150, is opened on the command
# line and played with the toolbar's Play. Its sixteen motives of 2/4 after an eighth's up-beat
# are 260 steps, 13 s at 50 ms a step (and the last note's release); at the start-up tempo they
# would take twice as long.
if [ -n "${MOTIVICA_LIVE_SOUND_TEST:-}" ] && pactl info >/dev/null 2>&1; then
    fast="$MOTIVICA_HOME/tnrs/fast.tnr"
    sed 's/<TEMP VALUE="[0-9]*"\/>/<TEMP VALUE="150"\/>/' \
        "$(dirname "$0")/../../data/stepbystep/step8.tnr" >"$fast"
    grep -q '<TEMP VALUE="150"/>' "$fast" || fail "no tempo to change in the tutorial's composition"
    "$BIN" "$fast" >"$work/program.log" 2>&1 &
    pid=$!
    opened="$(mainWindow "^Motivica 1.0 - $fast\$")"
    [ -n "$opened" ] || fail "the document at tempo 150 did not open"
    timeout 30 parec --raw --format=s16le --rate=44100 --channels=1 -d @DEFAULT_MONITOR@ \
        >"$work/heard.raw" 2>/dev/null &
    recorder=$!
    sleep 2
    eval "$(clientGeometry "$opened")"
    xdotool mousemove $((X + 112)) $((Y + 38)) click 1
    sleep 17
    kill "$recorder" 2>/dev/null || true
    wait "$recorder" 2>/dev/null || true
    heard="$(python3 - "$work/heard.raw" <<'PY'
import array, sys
samples = array.array("h", open(sys.argv[1], "rb").read())
window = 441  # 10 ms
loud = [i for i in range(0, len(samples) - window, window)
        if max(abs(v) for v in samples[i:i + window]) > 300]
print("%.2f" % ((loud[-1] - loud[0]) / 44100.0) if loud else "0")
PY
)"
    echo "the period at tempo 150 sounded for $heard s"
    python3 -c "import sys; sys.exit(0 if 11.0 <= float('$heard') <= 15.0 else 1)" ||
        fail "the period at tempo 150 sounded for $heard s instead of about 13 s and a release"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""
fi

echo "PASS"
