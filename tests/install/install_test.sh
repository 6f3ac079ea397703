#!/usr/bin/env bash
# Installs the build into a scratch root as a package build would, then checks what a user's
# desktop gets: the files, a valid menu entry, the document type, and programs that find their
# installed data from anywhere, with a fresh home and no MOTIVICA_HOME.
set -euo pipefail
CMAKE="$1"
BUILD="$2"

tmp="$(mktemp -d)"
pid=""
cleanup() {
    if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

DESTDIR="$tmp/root" "$CMAKE" --install "$BUILD" --prefix /usr >"$tmp/install.log" 2>&1 ||
    { cat "$tmp/install.log" >&2; fail "cmake --install failed"; }
root="$tmp/root/usr"
# a package build leaves the desktop's caches to the package's own triggers
[ ! -e "$root/share/mime/mime.cache" ] || fail "the install refreshed a DESTDIR mime database"

for f in bin/motivica bin/motivica-cli \
    share/applications/motivica.desktop share/mime/packages/motivica.xml \
    share/man/man1/motivica-cli.1 \
    share/icons/hicolor/scalable/apps/motivica.svg \
    share/icons/hicolor/48x48/apps/motivica.png \
    share/icons/hicolor/128x128/apps/motivica.png \
    share/icons/hicolor/256x256/apps/motivica.png \
    share/motivica/instruments.xml share/motivica/drums.xml \
    share/motivica/instruments/Default.xml share/motivica/help/index.html \
    share/motivica/stepbystep/step8.tnr share/motivica/theoryhelp/theory.html \
    share/motivica/dynamichelp/helpSelectNotes.tnr; do
    [ -s "$root/$f" ] || fail "not installed: $f"
done
[ -x "$root/bin/motivica" ] && [ -x "$root/bin/motivica-cli" ] || fail "programs not executable"
for size in 48 128 256; do
    png="$root/share/icons/hicolor/${size}x${size}/apps/motivica.png"
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] ||
        fail "$png is not a PNG"
    # the IHDR width and height: the picture is as large as the folder it is in says
    [ "$(od -An -tu4 --endian=big -j 16 -N 8 "$png" | xargs)" = "$size $size" ] ||
        fail "$png is not ${size}x${size}"
done
grep -q 'viewBox="0 0 256 256"' "$root/share/icons/hicolor/scalable/apps/motivica.svg" ||
    fail "the scalable icon has no 256-unit viewBox"

# the menu entry
entry="$root/share/applications/motivica.desktop"
desktop-file-validate "$entry" >"$tmp/validate.txt" 2>&1 ||
    { cat "$tmp/validate.txt" >&2; fail "desktop-file-validate rejects the entry"; }
if grep -qi "error" "$tmp/validate.txt"; then
    cat "$tmp/validate.txt" >&2
    fail "desktop-file-validate reports errors"
fi
for line in "Exec=motivica %f" "Icon=motivica" "MimeType=application/x-motivica;"; do
    grep -qxF "$line" "$entry" || fail "the entry lacks $line"
done
grep -q '^Categories=.*Education;' "$entry" && grep -q '^Categories=.*Music;' "$entry" ||
    fail "the entry is not in Education and Music"

# the document type, compiled as a desktop would compile it
update-mime-database "$root/share/mime" >"$tmp/mime.log" 2>&1 ||
    { cat "$tmp/mime.log" >&2; fail "update-mime-database failed"; }
[ -s "$root/share/mime/application/x-motivica.xml" ] || fail "no application/x-motivica type"
grep -q "Motivica composition" "$root/share/mime/application/x-motivica.xml" ||
    fail "the type is not called a Motivica composition"
grep -qE '^[0-9]+:application/x-motivica:\*\.tnr$' "$root/share/mime/globs2" ||
    fail "globs2 does not give *.tnr to application/x-motivica"
grep -qa '<PERIOD>' "$root/share/mime/magic" || fail "no content rule for <PERIOD> in magic"
grep -qxF 'application/x-motivica:motivica' "$root/share/mime/icons" ||
    fail "the type does not show the program's icon"

# the man page names every command the tool's help lists, and reads without groff warnings
cli="$root/bin/motivica-cli"
man="$root/share/man/man1/motivica-cli.1"
work="$tmp/work"
mkdir -p "$work"
cd "$work"
# a fresh user: no MOTIVICA_HOME, every XDG folder in the scratch area
unset MOTIVICA_HOME
export HOME="$tmp/home"
export XDG_DATA_HOME="$tmp/home/.local/share"
export XDG_CONFIG_HOME="$tmp/home/.config"
export XDG_CACHE_HOME="$tmp/home/.cache"
export XDG_RUNTIME_DIR="$tmp/runtime"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

"$cli" --help >"$tmp/help.txt" || fail "motivica-cli --help failed"
commands="$(sed -n '/^Commands:/,/^$/p' "$tmp/help.txt" | awk 'NF && !/^Commands:/ {print $1}')"
[ "$(echo "$commands" | wc -l)" -ge 5 ] || fail "too few commands in --help: $commands"
for c in $commands; do
    grep -qE "^\.B $c( |$)" "$man" || fail "the man page does not describe the command $c"
done
groff -man -ww -z "$man" 2>"$tmp/groff.txt" || fail "groff cannot read the man page"
[ ! -s "$tmp/groff.txt" ] || { cat "$tmp/groff.txt" >&2; fail "groff warns on the man page"; }

# the installed command-line tool works from a folder that is not the sources
"$cli" new --template 2 --key -1 --mode major -o song.tnr || fail "motivica-cli new failed"
[ "$(head -c 8 song.tnr)" = "<PERIOD>" ] || fail "a composition does not start with <PERIOD>"

# a desktop's type detection, given only the installed database: by name, and by content when
# a composition has lost its name's ending; other XML is not taken for a composition
cp song.tnr song-without-ending
echo "<CATALOGUE/>" >other-xml
contentType() {
    XDG_DATA_DIRS="$root/share" gio info -a standard::content-type "$1" |
        sed -n 's/^ *standard::content-type: //p'
}
[ "$(contentType song.tnr)" = "application/x-motivica" ] || fail "song.tnr is not detected"
[ "$(contentType song-without-ending)" = "application/x-motivica" ] ||
    fail "a composition is not detected by its content"
[ "$(contentType other-xml)" != "application/x-motivica" ] ||
    fail "any XML is taken for a composition"
"$cli" info song.tnr >"$tmp/info.txt" || fail "motivica-cli info failed"
[ -s "$tmp/info.txt" ] || fail "motivica-cli info printed nothing"
"$cli" export song.tnr -o song.mid || fail "motivica-cli export failed"
[ "$(head -c 4 song.mid)" = "MThd" ] || fail "the export is not a MIDI file"

# The installed desktop program, started with a fresh home, fills the per-user folder from the
# installed data and not from the sources: a file only the installed copy has shows it.
echo "installed copy" >"$root/share/motivica/installed-marker.txt"
rm -rf "$XDG_DATA_HOME/motivica"
# the sanitizer build reports leaks of the platform libraries at exit; this is about behaviour
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 "$root/bin/motivica" \
    >"$tmp/program.log" 2>&1 &
pid=$!
for _ in $(seq 300); do
    [ -e "$XDG_DATA_HOME/motivica/installed-marker.txt" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
[ -e "$XDG_DATA_HOME/motivica/installed-marker.txt" ] ||
    { cat "$tmp/program.log" >&2; fail "the per-user folder was not seeded from the installed data"; }
[ -s "$XDG_DATA_HOME/motivica/instruments/Default.xml" ] || fail "the seeding left out instruments"
sleep 2
kill -0 "$pid" 2>/dev/null || { cat "$tmp/program.log" >&2; fail "motivica did not stay up"; }
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=""

# the program's own pictures, drawn from installed files
ASAN_OPTIONS=detect_leaks=0 "$root/bin/motivica" --render-icon "$tmp/icons" ||
    fail "motivica --render-icon failed"
for f in motivica.svg motivica-48.png motivica-128.png motivica-256.png; do
    [ -s "$tmp/icons/$f" ] || fail "--render-icon did not write $f"
done
ASAN_OPTIONS=detect_leaks=0 "$root/bin/motivica" --render-motives \
    "$root/share/motivica/stepbystep/step8.tnr" 0 2 "$tmp/motives.png" ||
    fail "motivica --render-motives failed on an installed composition"
[ "$(head -c 4 "$tmp/motives.png" | tail -c 3)" = "PNG" ] || fail "--render-motives wrote no PNG"

echo "installed and checked under $root"
