# shellcheck shell=bash
# Sourced by the bench scripts: a private X display and a private null-sink PulseAudio server,
# both kept in one work folder and stopped by bench_session_end.
#
#   bench_session_begin WORK    # sets DISPLAY, XDG_RUNTIME_DIR, QT_QPA_PLATFORM; needs
#                               # say and die from the caller
#   bench_session_end           # from the caller's EXIT trap

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
