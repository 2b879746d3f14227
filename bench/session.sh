# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by the bench scripts, which set `here` (this folder) and `bench_name` first: the build
# folder, messages, a work folder cleaned up on exit, and a private X display and null-sink
# PulseAudio server kept in it.
#
#   bench_work_begin            # sets work (a new folder) and launched (pids to kill at exit)
#   bench_session_begin WORK    # sets DISPLAY, XDG_RUNTIME_DIR, QT_QPA_PLATFORM
#   bench_session_end           # stops both; bench_work_begin's exit trap calls it
#   bench_stop PID [SECONDS]    # ends a launched program: SIGTERM, then SIGKILL after SECONDS (5)

bench_name=${bench_name:-bench}
root=$(dirname "${here:?set here before sourcing this}")
build=${BENCH_BUILD_DIR:-$root/build-bench}
# shellcheck disable=SC2034  # the scripts that source this use it
bin=$build/bin

say() { printf '%s\n' "$*" >&2; }
die() {
    say "$bench_name: $*"
    exit 1
}

bench_work_begin() {
    work=$(mktemp -d)
    launched=()
    trap bench_work_end EXIT
}

# Kills what is still running and removes the work folder; after a failure its logs are kept.
bench_work_end() {
    local status=$?
    for pid in "${launched[@]}"; do kill "$pid" 2>/dev/null || true; done
    bench_session_end
    if ((status == 0)); then rm -rf "$work"; else say "$bench_name: logs kept in $work"; fi
}

# Sends SIGTERM and waits until the program has ended (or is a zombie for its watcher to reap);
# one that is still there after the given seconds is killed.
bench_stop() { # pid [seconds]
    kill "$1" 2>/dev/null || true
    for _ in $(seq $((${2:-5} * 20))); do
        [[ -r /proc/$1/stat ]] || return 0
        [[ $(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) == Z ]] && return 0
        sleep 0.05
    done
    kill -9 "$1" 2>/dev/null || true
}

bench_xvfb_pid=
bench_session_work=

bench_session_begin() { # work-folder
    bench_session_work=$1
    export XDG_RUNTIME_DIR=$1/run
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    HOME=$XDG_RUNTIME_DIR pulseaudio -D --exit-idle-time=-1 -n \
        --load="module-null-sink sink_name=bench" \
        --load="module-native-protocol-unix auth-anonymous=1" 2>/dev/null ||
        die "cannot start a null-sink PulseAudio server"
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break || sleep 0.1; done

    # Wide enough that the floor (at the origin) and Marvane (centred) never overlap: the watcher
    # tells windows apart by where the drawing lands.
    Xvfb -displayfd 3 -screen 0 2048x1536x24 -nolisten tcp -noreset 3>"$1/display" \
        2>"$1/xvfb.log" &
    bench_xvfb_pid=$!
    for _ in $(seq 100); do [[ -s $1/display ]] && break || sleep 0.05; done
    [[ -s $1/display ]] || die "Xvfb did not start"
    export DISPLAY=:$(head -n1 "$1/display")
    export QT_QPA_PLATFORM=xcb
    unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
}

bench_session_end() {
    [[ -n $bench_xvfb_pid ]] && kill "$bench_xvfb_pid" 2>/dev/null || true
    [[ -n $bench_session_work ]] && HOME=$bench_session_work/run pulseaudio --kill 2>/dev/null || true
}

# The options file of a run: sound on, the menu bar shown or not, a response time.
bench_write_options() { # folder response menu
    mkdir -p "$1/Corvath"
    printf '[General]\nSound=1\nMenu=%s\nStatus=0\nResponse=%s\nC1=1\nC2=2\n' "$3" "$2" \
        >"$1/Corvath/Marvane.conf"
}
