#!/usr/bin/env bash
# Starts a PulseAudio server of our own whose only output is silent and can be recorded, for
# the live sound test, and prints the PULSE_SERVER address that reaches it. It stays apart from
# a desktop's own sound server. Installs the server when it is missing.
set -euo pipefail

missing=()
for p in pulseaudio pulseaudio-utils; do
    # a package removed but for its configuration files is still known to dpkg: not installed
    [ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" = "install ok installed" ] || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq >&2
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2
fi

RUNTIME="${TMPDIR:-/tmp}/motivica-sound-$(id -u)"
ADDRESS="unix:$RUNTIME/pulse/native"
answers() { PULSE_SERVER="$ADDRESS" pactl info >/dev/null 2>&1; }

if ! answers; then
    mkdir -p "$RUNTIME"
    chmod 700 "$RUNTIME"
    XDG_RUNTIME_DIR="$RUNTIME" pulseaudio --daemonize=yes -n --exit-idle-time=-1 \
        --log-target="file:$RUNTIME/server.log" \
        --load="module-native-protocol-unix auth-anonymous=1" \
        --load="module-null-sink sink_name=silent rate=44100" >&2
    for _ in $(seq 50); do
        answers && break
        sleep 0.1
    done
    if ! answers; then
        echo "the test sound server did not start:" >&2
        cat "$RUNTIME/server.log" >&2 || true
        exit 1
    fi
fi
echo "$ADDRESS"
