#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of Marvane on a private X server.
#
#   scripts/screenshot.sh [options] <marvane program> <output.png>
#
#   --moves "R,C R,C ..."  press these squares in turn (row and column 1..8, row 1 at the top)
#   --click "X,Y ..."      press these points, in pixels from the top-left corner of the
#                          window below its menu bar (the coordinates of the window layout)
#   --keys "KEY ..."       press these keys, by their X names (Right, Return, e, 3, ctrl+n)
#   --setting KEY=VALUE    start with this stored option, e.g. Menu=1 or Response=300
#   --clipboard TEXT       put TEXT on the clipboard before the program starts (for the paste
#                          keys; needs python3 with tkinter)
#   --pause SECONDS        wait after each press (default 0.5; longer to let the computer answer)
#   --screen               keep the whole screen instead of cropping to the window
#   --size WxH             screen size (default 1024x768)
#
# The program runs with a settings folder of its own, so it starts with its default options and
# those given with --setting. The presses are made in the order the options are given. When
# no audio server answers, a private PulseAudio with a null sink is started for the run, so the
# program finds a sound device. Everything the script starts is stopped when it ends.
#
# Needs: Xvfb, xdotool, ImageMagick (import, convert), pulseaudio and pactl; optipng if present.
set -euo pipefail

usage() {
    sed -n '2,22p' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
}

presses=()
settings=()
clipboard=""
pause=0.5
whole_screen=0
screen_size=1024x768
while (($#)); do
    case "$1" in
        --moves | --click | --keys)
            read -r -a items <<<"${2:?}"
            kind=square
            [ "$1" = --click ] && kind=point
            [ "$1" = --keys ] && kind=key
            for item in "${items[@]}"; do presses+=("$kind:$item"); done
            shift 2
            ;;
        --setting) settings+=("${2:?}"); shift 2 ;;
        --clipboard) clipboard=${2:?}; shift 2 ;;
        --pause) pause=${2:?}; shift 2 ;;
        --screen) whole_screen=1; shift ;;
        --size) screen_size=${2:?}; shift 2 ;;
        -h | --help) usage ;;
        -*) echo "unknown option: $1" >&2; usage ;;
        *) break ;;
    esac
done
(($# == 2)) || usage
program=$1
output=$2
[ -x "$program" ] || { echo "not a program: $program" >&2; exit 1; }
for tool in Xvfb xdotool import convert; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
clipboard_pid=""
audio_home=""
cleanup() {
    set +e
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null && wait "$app_pid" 2>/dev/null
    [ -n "$clipboard_pid" ] && kill "$clipboard_pid" 2>/dev/null && wait "$clipboard_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    [ -n "$audio_home" ] && HOME=$audio_home pulseaudio --kill >/dev/null 2>&1
    rm -rf "$work"
    return 0
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# -displayfd picks a free display and tells us its number once the server is ready. Another
# server started at the same moment can still take that number; then the screen we reach is not
# ours (or is gone), so try again.
start_x_server() {
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 "${screen_size}x24" -nolisten tcp 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    DISPLAY=":$(head -n1 "$work/display")"
    export DISPLAY
    [ "$(xdotool getdisplaygeometry 2>/dev/null | tr ' ' x)" = "$screen_size" ] &&
        kill -0 "$xvfb_pid" 2>/dev/null
}
for attempt in 1 2 3; do
    start_x_server && break
    { kill "$xvfb_pid" && wait "$xvfb_pid"; } 2>/dev/null || true
    xvfb_pid=""
    if ((attempt == 3)); then
        cat "$work/xvfb.log" >&2
        echo "cannot start Xvfb" >&2
        exit 1
    fi
done

if ! pactl info >/dev/null 2>&1; then
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    audio_home=$XDG_RUNTIME_DIR
    HOME=$audio_home pulseaudio -D --exit-idle-time=-1 -n \
        --load="module-null-sink sink_name=screenshot" \
        --load="module-native-protocol-unix auth-anonymous=1" >/dev/null 2>&1 || true
    for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
fi

# The X clipboard is served by the program that owns it: a hidden Tk window keeps it until the
# end of the run.
if [ -n "$clipboard" ]; then
    python3 -c '
import sys, tkinter
root = tkinter.Tk()
root.withdraw()
root.clipboard_clear()
root.clipboard_append(sys.argv[1])
root.update()
print("owned", flush=True)
root.mainloop()
' "$clipboard" >"$work/clipboard.log" 2>&1 &
    clipboard_pid=$!
    for _ in $(seq 50); do grep -q owned "$work/clipboard.log" && break; sleep 0.1; done
    grep -q owned "$work/clipboard.log" || { cat "$work/clipboard.log" >&2; exit 1; }
fi

mkdir -p "$work/config/Corvath"
{
    echo "[General]"
    for setting in "${settings[@]}"; do echo "$setting"; done
} >"$work/config/Corvath/Marvane.conf"
XDG_CONFIG_HOME=$work/config "$program" >"$work/program.log" 2>&1 &
app_pid=$!

window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name '^Marvane.' 2>/dev/null | head -n1 || true)
    [ -n "$window" ] && break
    kill -0 "$app_pid" 2>/dev/null || { cat "$work/program.log" >&2; exit 1; }
    sleep 0.1
done
[ -n "$window" ] || { echo "the Marvane window did not appear" >&2; exit 1; }
sleep 1  # the first paint and the start-up checks

# A start-up message (missing sounds, no sound device) would stand in front of the game.
for box in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    [ "$box" = "$window" ] && continue
    echo "warning: a window \"$(xdotool getwindowname "$box")\" is open over the game" >&2
done

# The board picture sits centred in its 417 x 433 area at (12, 12) of the window's client area,
# which starts below the menu bar when that is shown. The first pure blue pixel down the first
# column of faces is the top of the first face, 25 pixels below the client area's top.
client_top=0
if ((${#presses[@]})); then
    import -window "$window" "$work/probe.png"
    first_blue=$(convert "$work/probe.png" -crop 1x120+40+0 +repage txt:- |
        awk -F'[,:]' '/#0000FF/ { print $2; exit }')
    [ -n "$first_blue" ] || { echo "cannot find the board in the window" >&2; exit 1; }
    client_top=$((first_blue - 25))
fi

# Without a window manager the keyboard focus stays where it was put last (the clipboard's
# hidden window takes it): keys go to the game only once it has the focus.
xdotool windowfocus "$window" 2>/dev/null || true

# Left and top edges of the counter boxes, by column and by row; presses go to box centres.
square_left=(12 65 116 168 220 271 322 373)
square_top=(12 65 118 171 224 277 328 382)
for press in "${presses[@]}"; do
    if [[ "$press" == key:* ]]; then
        xdotool key --clearmodifiers "${press#key:}"
        sleep "$pause"
        continue
    fi
    IFS=, read -r a b <<<"${press#*:}"
    case "$press" in
        square:*)
            if ! [[ "$a" =~ ^[1-8]$ && "$b" =~ ^[1-8]$ ]]; then
                echo "not a square: ${press#*:}" >&2
                exit 2
            fi
            x=$((12 + ${square_left[b - 1]} + 15))
            y=$((12 + ${square_top[a - 1]} + 15))
            ;;
        point:*)
            if ! [[ "$a" =~ ^[0-9]+$ && "$b" =~ ^[0-9]+$ ]]; then
                echo "not a point: ${press#*:}" >&2
                exit 2
            fi
            x=$a
            y=$b
            ;;
    esac
    xdotool mousemove --window "$window" "$x" $((client_top + y)) click 1
    sleep "$pause"
done
xdotool mousemove 0 0  # no hover highlight in the picture

mkdir -p "$(dirname "$output")"
if ((whole_screen)); then
    import -window root "$work/shot.png"
else
    import -window "$window" "$work/shot.png"
fi
convert "$work/shot.png" -strip "$output"
if command -v optipng >/dev/null; then optipng -quiet -o5 "$output"; fi
echo "$output: $(identify -format '%wx%h' "$output"), $(stat -c %s "$output") bytes"
