#!/usr/bin/env bash
# Installs the Debian packages Motivica needs, only those that are missing: to build and run it,
# and with --tests also to test it.
set -euo pipefail

# What building and running the program needs: ./run installs these.
PACKAGES=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev libxcb1-dev libpugixml-dev librtmidi-dev libfluidsynth-dev libsystemd-dev timgm6mb-soundfont
)
# What the tests, benchmarks and checks add: ./check installs these too (--tests).
TEST_PACKAGES=(
    libgtest-dev libbenchmark-dev clang-format
    xvfb xauth xdotool openbox x11-utils
    midicsv python3-mido
    # the PDF export's tests count and render the pages
    poppler-utils
    # the icon's test renders its SVG; the install test validates the menu entry, compiles and
    # queries the document type and reads the man page
    qt6-svg-dev desktop-file-utils shared-mime-info libglib2.0-bin groff-base
    # the fuzz targets: clang with libFuzzer and its sanitizer runtimes, which clang only recommends
    clang libfuzzer-14-dev libclang-rt-14-dev
)
if [ "${1:-}" = "--tests" ]; then
    PACKAGES+=("${TEST_PACKAGES[@]}")
fi

missing=()
for p in "${PACKAGES[@]}"; do
    # a package removed but for its configuration files is still known to dpkg: not installed
    [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
