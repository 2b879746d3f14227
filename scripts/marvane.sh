#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Marvane's one entry point for a fresh Debian/Ubuntu machine:
#   scripts/marvane.sh run    install what is missing, build, open the game
#   scripts/marvane.sh test   install what is missing, build, run the whole test suite
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/install-missing.sh
source scripts/install-missing.sh

BUILD_DIR=${MARVANE_BUILD_DIR:-build}
PACKAGES=(cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev libsndfile1-dev
          fonts-liberation fonts-cabin fonts-league-spartan fonts-lobstertwo fonts-dancingscript
          qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
TEST_PACKAGES=(libgtest-dev pulseaudio pulseaudio-utils desktop-file-utils appstream xvfb xauth
               xdotool)

build() {
    cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$BUILD_DIR" -j"$(nproc)"
}

# The sound tests play into a real audio server. Without one (CI, a container), start a private
# PulseAudio with a null sink for the length of the run.
start_audio_server() {
    if pactl info >/dev/null 2>&1; then return 0; fi
    export XDG_RUNTIME_DIR
    XDG_RUNTIME_DIR=$(mktemp -d)
    chmod 700 "$XDG_RUNTIME_DIR"
    HOME=$XDG_RUNTIME_DIR pulseaudio -D --exit-idle-time=-1 -n \
        --load="module-null-sink sink_name=ci" \
        --load="module-native-protocol-unix auth-anonymous=1" || true
    local i
    for i in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    trap 'HOME=$XDG_RUNTIME_DIR pulseaudio --kill >/dev/null 2>&1 || true; rm -rf "$XDG_RUNTIME_DIR"' EXIT
}

case "${1:-}" in
    run)
        install_missing "${PACKAGES[@]}"
        build -DBUILD_TESTING=OFF
        exec "$BUILD_DIR/bin/marvane"
        ;;
    test)
        install_missing "${PACKAGES[@]}" "${TEST_PACKAGES[@]}"
        build -DBUILD_TESTING=ON -DMARVANE_CHECKS=ON
        start_audio_server
        # Every test runs once: a crash, a sanitizer report or a timeout fails the run.
        (cd "$BUILD_DIR" && ctest --output-on-failure -j"$(nproc)")
        # The same suite under AddressSanitizer and UBSan, then the fuzzers for a minute each.
        scripts/hardening.sh
        ;;
    *)
        echo "usage: $0 run|test" >&2
        exit 2
        ;;
esac
