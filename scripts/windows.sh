#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Marvane for 64-bit Windows, built on Debian 12 with Debian's packages and sources only.
#
#   scripts/windows.sh build   cross-build Qt (once, into the cache) and Marvane, then make the
#                              ready-to-run folder and the NSIS installer
#   scripts/windows.sh test    run the Windows unit tests and the program itself under Wine on a
#                              private X server, with a fresh Wine prefix
#
# MARVANE_WINDOWS_CACHE  where Qt's source, its build and its install are kept between runs
#                        (default: ~/.cache/marvane-windows)
# MARVANE_WINDOWS_BUILD  Marvane's build folders and the outputs (default: build-windows)
# MARVANE_WINDOWS_SHOTS  where the test's screenshots and its recording of the sound go
#                        (default: a new folder under /tmp)
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=scripts/install-missing.sh
source scripts/install-missing.sh

CACHE=${MARVANE_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/marvane-windows}
OUT=${MARVANE_WINDOWS_BUILD:-build-windows}
JOBS=$(nproc)
QT_VERSION=6.4.2
QT_SRC_PACKAGE=qt6-base
QT_PREFIX=$CACHE/qt6-win64
TOOLCHAIN=$PWD/cmake/mingw-w64-x86_64.cmake
MINGW=x86_64-w64-mingw32

BUILD_PACKAGES=(dpkg-dev cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools
                qt6-multimedia-dev libsndfile1-dev googletest
                qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
                g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools nsis)
TEST_PACKAGES=(wine wine64 xvfb xauth xdotool imagemagick pulseaudio pulseaudio-utils locales)

log() { printf '== %s\n' "$*" >&2; }
die() { printf 'windows.sh: %s\n' "$*" >&2; exit 1; }
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# --- Qt for Windows from Debian's source package -------------------------------------------------

# Only what Marvane uses: Core, Gui, Widgets and the Windows platform plugin. The other features
# are off because they are not needed, or because their Windows parts are not in Debian's source:
#  * the +dfsg source drops the tablet (wintab) headers, so tabletevent is off;
#  * with OpenGL off, opengl_dynamic/dynamicgl must be turned off too, or the platform plugin asks
#    for the dynamic GL context code that is not built;
#  * Gui builds the DirectWrite font database only with direct2d on, while the plugin uses it
#    whenever directwrite3 is on: with direct2d off, directwrite3 must be off (GDI fonts).
QT_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_pkg_config=OFF
    -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_opengl_dynamic=OFF -DFEATURE_dynamicgl=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF
    -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_testlib=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_androiddeployqt=OFF
    -DFEATURE_icu=OFF -DFEATURE_glib=OFF -DFEATURE_zstd=OFF -DFEATURE_jpeg=OFF -DFEATURE_freetype=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_png=OFF -DFEATURE_system_doubleconversion=OFF
)

# apt-get source needs a deb-src entry. Add one beside the existing Debian entry: same archive,
# suite and keyring, main component only.
enable_sources() {
    local versions
    versions=$(apt-cache showsrc "$QT_SRC_PACKAGE" 2>/dev/null || true)
    grep -q "^Version: $QT_VERSION" <<<"$versions" && return 0
    local list=/etc/apt/sources.list.d/debian-src.sources uri keyring
    uri=$(sed -n 's/^URIs: *\(.*debian\/*\)$/\1/p' /etc/apt/sources.list.d/debian.sources 2>/dev/null \
          | head -n1)
    keyring=$(sed -n 's/^Signed-By: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n1)
    log "adding a deb-src entry: $list"
    as_root tee "$list" >/dev/null <<EOF
Types: deb-src
URIs: ${uri:-http://deb.debian.org/debian}
Suites: bookworm
Components: main
Signed-By: ${keyring:-/usr/share/keyrings/debian-archive-keyring.gpg}
EOF
    as_root apt-get update -qq
}

qt_source_dir() {
    local d
    for d in "$CACHE/src/$QT_SRC_PACKAGE-$QT_VERSION"*/; do [ -f "$d/CMakeLists.txt" ] && echo "${d%/}"; done
    return 0
}

# The install is reused while it was made with the same options; the stamp records them.
build_qt() {
    local stamp=$QT_PREFIX/.marvane-options want
    want=$(printf '%s\n' "$QT_VERSION" "${QT_OPTIONS[@]}" | sha256sum | cut -d' ' -f1)
    if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$want" ]; then
        log "Qt for Windows: reusing $QT_PREFIX"
        return 0
    fi
    enable_sources
    mkdir -p "$CACHE/src"
    local src
    src=$(qt_source_dir)
    if [ -z "$src" ]; then
        log "Qt for Windows: getting Debian's $QT_SRC_PACKAGE source"
        local version
        version=$(apt-cache showsrc "$QT_SRC_PACKAGE" | sed -n "s/^Version: \($QT_VERSION.*\)/\1/p" \
                  | head -n1)
        [ -n "$version" ] || die "no $QT_SRC_PACKAGE $QT_VERSION source package in the apt lists"
        (cd "$CACHE/src" && apt-get source -qq --download-only "$QT_SRC_PACKAGE=$version" \
            && dpkg-source -x "${QT_SRC_PACKAGE}_${version#*:}.dsc" >/dev/null)
        src=$(qt_source_dir)
        [ -n "$src" ] || die "no unpacked $QT_SRC_PACKAGE source in $CACHE/src"
    fi
    log "Qt for Windows: configuring in $CACHE/build-qt"
    rm -rf "$CACHE/build-qt" "$QT_PREFIX"
    mkdir -p "$CACHE/build-qt"
    cmake -G Ninja -S "$src" -B "$CACHE/build-qt" -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$TOOLCHAIN" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$QT_PREFIX" "${QT_OPTIONS[@]}" >"$CACHE/qt-configure.log"
    log "Qt for Windows: building (about 900 steps; log in $CACHE/qt-build.log)"
    cmake --build "$CACHE/build-qt" -j"$JOBS" >"$CACHE/qt-build.log" \
        || { tail -n 30 "$CACHE/qt-build.log" >&2; die "Qt build failed"; }
    cmake --install "$CACHE/build-qt" >/dev/null
    echo "$want" >"$stamp"
}

# --- Marvane -----------------------------------------------------------------------------------

# The generators that run during the build (the sounds, the icon) are built for this machine.
build_host_tools() {
    log "host tools: $OUT/host"
    cmake -G Ninja -S . -B "$OUT/host" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$OUT/host" -j"$JOBS" --target marvane_makesounds marvane_makeicons
}

build_marvane() {
    log "Marvane for Windows: $OUT/win"
    # Qt's toolchain file adds its install to the search paths, then loads ours.
    cmake -G Ninja -S . -B "$OUT/win" -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$QT_PREFIX/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$TOOLCHAIN" \
        -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON \
        -DMARVANE_HOST_TOOLS="$PWD/$OUT/host/MarvaneHostTools.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR=wine >/dev/null
    cmake --build "$OUT/win" -j"$JOBS"
}

# Where the DLLs a Windows program imports are found: Qt's, then the compiler's runtime.
dll_folders() {
    echo "$QT_PREFIX/bin"
    dirname "$("$MINGW-g++-posix" -print-file-name=libstdc++-6.dll)"
    dirname "$("$MINGW-g++-posix" -print-file-name=libwinpthread-1.dll)"
}

imported_dlls() { "$MINGW-objdump" -p "$1" | sed -n 's/^\s*DLL Name: //p'; }

# Copies into `folder` every DLL that `file` needs and that Windows itself does not provide,
# and what those need in turn.
copy_dependencies() {
    local file=$1 folder=$2 dll dir found
    for dll in $(imported_dlls "$file"); do
        [ -e "$folder/$dll" ] && continue
        found=
        for dir in $(dll_folders); do
            if [ -f "$dir/$dll" ]; then found=$dir/$dll; break; fi
        done
        [ -n "$found" ] || continue  # a system DLL
        cp "$found" "$folder/"
        copy_dependencies "$folder/$dll" "$folder"
    done
}

# The languages the program carries a catalogue for: de, pt_BR, ...
languages() {
    local ts
    for ts in translations/marvane_*.ts; do
        ts=${ts#translations/marvane_}
        echo "${ts%.ts}"
    done
}

# The folder that runs as it is: the program, its sound module and sounds, Qt and the runtime,
# and Qt's own catalogues (standard buttons, key names) for each language of the program, where
# Qt looks for them: translations/ beside the program. The program's catalogues are built in.
make_folder() {
    local app=$OUT/Marvane plugin language
    log "ready-to-run folder: $app"
    rm -rf "$app"
    mkdir -p "$app/platforms" "$app/translations"
    cp "$OUT/win/bin/marvane.exe" "$OUT/win/bin/marvane-sound.dll" "$app/"
    cp -r "$OUT/win/bin/system" "$app/"
    cp "$QT_PREFIX/plugins/platforms/qwindows.dll" "$app/platforms/"
    for language in $(languages); do
        cp "/usr/share/qt6/translations/qtbase_$language.qm" "$app/translations/"
    done
    for plugin in "$app"/*.exe "$app"/*.dll "$app"/platforms/*.dll; do
        copy_dependencies "$plugin" "$app"
    done
    find "$app" -name '*.exe' -o -name '*.dll' | xargs "$MINGW-strip"
}

# The installer's file list, one macro to install the folder and one to remove exactly that.
write_file_list() {
    local folder=$1 dir file win
    echo '!macro MarvaneInstallFiles'
    while read -r dir; do
        win=${dir#.}
        echo "  SetOutPath \"\$INSTDIR${win//\//\\}\""
        find "$folder/$dir" -maxdepth 1 -type f | sort | sed 's/.*/  File "&"/'
    done < <(cd "$folder" && find . -type d | sort)
    echo '!macroend'
    echo '!macro MarvaneRemoveFiles'
    while read -r file; do
        win=${file#./}
        echo "  Delete \"\$INSTDIR\\${win//\//\\}\""
    done < <(cd "$folder" && find . -type f | sort)
    while read -r dir; do
        win=${dir#./}
        echo "  RMDir \"\$INSTDIR\\${win//\//\\}\""
    done < <(cd "$folder" && find . -mindepth 1 -type d | sort -r)
    echo '!macroend'
}

installer_name() {
    echo "$OUT/Marvane-$(sed -n 's/^project(Marvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)-setup.exe"
}

make_installer() {
    local version setup
    version=$(sed -n 's/^project(Marvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    setup=$(installer_name)
    log "installer: $setup"
    write_file_list "$PWD/$OUT/Marvane" >"$OUT/installer-files.nsh"
    makensis -V2 -DVERSION="$version" -DICON="$PWD/$OUT/win/packaging/marvane.ico" \
        -DFILES="$PWD/$OUT/installer-files.nsh" -DOUTFILE="$PWD/$setup" packaging/windows/marvane.nsi
}

# --- Under Wine --------------------------------------------------------------------------------

failures=0
check() {  # check "what" command...: runs the command, reports, counts a failure
    local what=$1
    shift
    if "$@"; then echo "PASS  $what"; else echo "FAIL  $what"; failures=$((failures + 1)); fi
}

work=""
xvfb_pid=""
audio_home=""
record_pid=""
keeper_pid=""
stop_everything() {
    set +e
    [ -n "$record_pid" ] && kill "$record_pid" 2>/dev/null && wait "$record_pid" 2>/dev/null
    [ -n "$keeper_pid" ] && kill "$keeper_pid" 2>/dev/null && wait "$keeper_pid" 2>/dev/null
    [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] && wineserver -k 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    [ -n "$audio_home" ] && HOME=$audio_home pulseaudio --kill >/dev/null 2>&1
    [ -n "$work" ] && rm -rf "$work"
    return 0
}

start_x_server() {
    : >"$work/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local i
    for i in $(seq 100); do
        [ -s "$work/display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || die "Xvfb did not start: $(cat "$work/xvfb.log")"
        sleep 0.1
    done
    export DISPLAY=":$(head -n1 "$work/display")"
}

# Records the monitor of the sink "wine" into `file`, 16-bit mono at 8 kHz, from when samples
# arrive; the recorder's process id goes into the variable named `var`.
#
# A null sink mixes as far ahead as its streams allow: 2 s while none asks for less (parec's
# default buffer asks nothing). A stream Wine opens then waits up to 2 s for the next mix while
# Wine's clock runs on as if it played, so a short sound's output is done and closed unread; and
# a recorder that connects meanwhile gets nothing until the 2 s already mixed have passed. So
# the recorder asks for 20 ms, and one such recorder runs from the server's start.
start_recorder() {  # start_recorder var file
    parec --latency-msec=20 -d wine.monitor --raw --format=s16le --channels=1 --rate=8000 >"$2" &
    printf -v "$1" %s "$!"
    local i
    for i in $(seq 100); do [ -s "$2" ] && return 0; sleep 0.1; done
    die "no samples from the audio sink's monitor"
}

# A private PulseAudio whose null sink "wine" takes whatever Wine plays, kept at a short latency.
start_audio_server() {
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    audio_home=$XDG_RUNTIME_DIR
    HOME=$audio_home pulseaudio -D --exit-idle-time=-1 -n \
        --load="module-null-sink sink_name=wine" \
        --load="module-native-protocol-unix auth-anonymous=1" >/dev/null 2>&1
    local i
    for i in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
    pactl info >/dev/null 2>&1 || die "PulseAudio did not start"
    start_recorder keeper_pid "$work/keeper.raw"
}

new_wine_prefix() {
    export WINEPREFIX=$work/prefix WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG=-all
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    [ -f "$WINEPREFIX/system.reg" ] || die "wineboot made no prefix"
}

winpath() { local p; p=$(realpath "$1"); echo "Z:${p//\//\\}"; }

run_unit_tests() {
    local dir path=""
    for dir in $(dll_folders); do path+="$(winpath "$dir");"; done
    WINEPATH=$path ctest --test-dir "$OUT/win" --output-on-failure
}

# The board as 8 lines of W (white counter), B (black counter) and . (anything else), read
# from the middle of every square of the window's picture.
square_left=(12 65 116 168 220 271 322 373)
square_top=(12 65 118 171 224 277 328 382)
board_of() {
    local shot=$1 row col x y points=""
    for row in 0 1 2 3 4 5 6 7; do
        for col in 0 1 2 3 4 5 6 7; do
            x=$((12 + square_left[col] + 15))
            y=$((12 + square_top[row] + 15))
            points+="%[hex:p{$x,$y}] "
        done
        points+="\n"
    done
    convert "$shot" -depth 8 -type TrueColor -format "$points" info: | awk '{
        line = ""
        for (i = 1; i <= NF; i++) line = line ($i == "FFFFFF" ? "W" : $i == "000000" ? "B" : ".")
        print line
    }'
}

START_BOARD=$'........\n........\n........\n...WB...\n...BW...\n........\n........\n........'

shot() { import -window "$window" "$SHOTS/$1.png"; echo "$SHOTS/$1.png"; }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep "${3:-0.6}"; }
key() { xdotool key --clearmodifiers "$@"; sleep 0.6; }
click_square() {  # a square by its name, such as f4: column a-h, row 1-8 from the top
    local col=$(($(printf '%d' "'${1:0:1}") - 97)) row=$((${1:1:1} - 1))
    click $((12 + square_left[col] + 15)) $((12 + square_top[row] + 15))
}

# Another top-level window than the game's whose name matches; waits up to 10 s.
find_other_window() {
    local id i
    for i in $(seq 50); do
        for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null); do
            [ "$id" != "$window" ] && { echo "$id"; return 0; }
        done
        sleep 0.2
    done
    return 1
}

# Answers a file dialog of the game with `path` typed into its file name box.
answer_file_dialog() {
    local dialog
    dialog=$(find_other_window "$1") || return 1
    sleep 1
    # The file name box lies at the bottom of Wine's file dialog, left of the type list.
    eval "$(xdotool getwindowgeometry --shell "$dialog")"
    xdotool mousemove --window "$dialog" $((WIDTH * 57 / 100)) $((HEIGHT - 42)) click 1
    xdotool key End shift+Home
    xdotool type --delay 20 "$2"
    xdotool key Return
    local i
    for i in $(seq 25); do xdotool getwindowname "$dialog" >/dev/null 2>&1 || break; sleep 0.2; done
    sleep 1
}

# Closes a message box with its default button. With no window manager nothing gives the box
# the keyboard: a key pressed as it appears goes to whatever Wine still has focused, so a click
# on the box's text comes first. Waits up to 10 s for the box to go.
close_box() {
    local i
    eval "$(xdotool getwindowgeometry --shell "$1")"
    xdotool mousemove --window "$1" $((WIDTH / 2)) 12 click 1
    sleep 0.5
    xdotool key Return
    for i in $(seq 50); do xdotool getwindowname "$1" >/dev/null 2>&1 || { sleep 1; return 0; }; sleep 0.2; done
    return 1
}

# How many separate sounds a recording of 16-bit mono samples at 8 kHz holds: stretches louder
# than 1000 (the monitor of a null sink is all zeros in silence), apart by 200 ms of quiet at
# least, as the moves' sounds are. Prints the count and the loudest sample.
count_sounds() {
    od -An -v -td2 -w2 "$1" | awk '
        { v = $1 < 0 ? -$1 : $1; if (v > peak) peak = v
          if (v > 1000) { if (n == 0 || NR - last > 1600) n++; last = NR } }
        END { print n + 0, peak + 0 }'
}

same() { [ "$1" = "$2" ]; }
board_has() { [ "$(board_of "$1" | tr -cd "$2" | wc -c)" -eq "$3" ]; }

# Waits up to 30 s for the program's window to show; sets `window`, empty when none came.
wait_for_window() {
    local i
    window=""
    for i in $(seq 150); do
        window=$(xdotool search --onlyvisible --name '^Marvane' 2>/dev/null | head -n1 || true)
        [ -n "$window" ] && return 0
        sleep 0.2
    done
    return 1
}

# The text a catalogue gives for an English text (the first entry that has it).
translation_of() {
    sed -n "/<source>$2<\/source>/{n;s/.*<translation>\(.*\)<\/translation>.*/\1/p;q}" \
        "translations/marvane_$1.ts"
}

# The installed program once more, on a German system: Wine takes the Windows locale from the
# Unix one, made here in a private folder. Its own texts come from the catalogue built in (the
# Save dialog's title), Qt's from the one installed beside it (the key names in the Game menu,
# "Strg+N": look at the screenshot).
run_german_checks() {
    local program=$1 job dialog title i
    check "Qt's catalogue of each language is installed" \
        test -f "$program/translations/qtbase_de.qm" -a -f "$program/translations/qtbase_pt_BR.qm"
    mkdir -p "$work/locales"
    localedef -i de_DE -f UTF-8 "$work/locales/de_DE.UTF-8" 2>/dev/null || true
    (cd "$program" && LOCPATH="$work/locales" LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 \
        WINEDEBUG=-all wine marvane.exe >"$SHOTS/program-de.log" 2>&1) &
    job=$!
    wait_for_window || true
    check "the program starts on a German system" test -n "$window"
    [ -n "$window" ] || return 0
    sleep 1
    shot 9-german >/dev/null
    title=$(translation_of de "Save Game")
    key ctrl+s
    dialog=$(find_other_window "^$title\$") || dialog=""
    check "the Save dialog is titled in German ($title)" test -n "$dialog"
    if [ -n "$dialog" ]; then
        xdotool key --window "$dialog" Escape
        for i in $(seq 25); do xdotool getwindowname "$dialog" >/dev/null 2>&1 || break; sleep 0.2; done
    fi
    key alt Left Down  # the Game menu, the last, a window of its own
    sleep 1
    import -window root "$SHOTS/10-german-game-menu.png"
    key Escape
    key ctrl+q
    for i in $(seq 100); do kill -0 "$job" 2>/dev/null || break; sleep 0.1; done
    kill "$job" 2>/dev/null || true
    wineserver -w
}

# "Key=default" for each line of the option table, in its order.
option_defaults() {
    sed -nE 's/^ *X\( *[a-zA-Z0-9]+, *"([A-Za-z0-9]+)", *[A-Za-z]+, *(-?[0-9]+),.*/\1=\2/p' \
        settings/options.h
}

run_program_checks() {
    local setup version caption moves="f4d3c2g4d6c6b6e6h4a6" program played saved box i
    setup=$(installer_name)
    version=$(sed -n 's/^project(Marvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    program="$WINEPREFIX/drive_c/Program Files/Marvane"

    check "the installer installs silently" wine "$setup" /S
    check "the program, its sound module and sounds are installed" \
        test -f "$program/marvane.exe" -a -f "$program/marvane-sound.dll" -a -f "$program/system/Won.wav"
    check "a Start menu entry is made" \
        test -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Marvane.lnk"

    start_recorder record_pid "$work/sound.raw"
    # The program's own warnings (qWarning) reach Wine's debug channel "debugstr".
    (cd "$program" && WINEDEBUG=-all,+debugstr wine marvane.exe >"$SHOTS/program.log" 2>&1) &
    local program_job=$!
    wait_for_window || { cat "$SHOTS/program.log" >&2; die "the Marvane window did not appear"; }
    caption="Marvane Version $version  by Corvath"
    for i in $(seq 50); do [ "$(xdotool getwindowname "$window")" = "$caption" ] && break; sleep 0.2; done
    check "the caption shows the version from the resource ($caption)" \
        same "$(xdotool getwindowname "$window")" "$caption"
    sleep 1
    check "the window opens with the starting position" \
        same "$(board_of "$(shot 1-start)")" "$START_BOARD"

    for ((i = 0; i < ${#moves}; i += 2)); do click_square "${moves:i:2}"; done
    played=$(shot 2-played)
    check "ten moves played with clicks: 14 counters on the board" board_has "$played" WB 14

    key ctrl+s
    check "Game > Save Game writes the file" answer_file_dialog '^Save Game' 'C:\game.txt'
    saved=$({ tr -d '\r' <"$WINEPREFIX/drive_c/game.txt" | tail -n1; } 2>/dev/null || true)
    check "the saved game holds the moves clicked ($moves)" same "$saved" "$moves"

    key ctrl+n
    check "restart gives the starting position again" same "$(board_of "$(shot 3-restarted)")" "$START_BOARD"
    key ctrl+o
    check "Game > Open Game reads the file" answer_file_dialog '^Open Game' 'C:\game.txt'
    check "the opened game shows the saved position" \
        same "$(board_of "$(shot 4-opened)")" "$(board_of "$played")"

    printf 'not a game\r\n' >"$WINEPREFIX/drive_c/notes.txt"
    key ctrl+o
    answer_file_dialog '^Open Game' 'C:\notes.txt' || true
    box=$(find_other_window '^Marvane$') || box=""
    check "a file that is not a game is refused in a message box" test -n "$box"
    [ -n "$box" ] && import -window root "$SHOTS/5-message-box.png"
    check "the message box closes with Return" close_box "$box"
    check "the refused file leaves the game as it was" \
        same "$(board_of "$(shot 6-after-refusal)")" "$(board_of "$played")"

    click 650 176  # options
    shot 7-options >/dev/null
    click 484 164  # Show Windows Menu
    click 592 404  # Return to Marvane
    shot 8-menu-bar >/dev/null

    key ctrl+q
    for i in $(seq 100); do kill -0 "$program_job" 2>/dev/null || break; sleep 0.1; done
    check "Ctrl+Q closes the program" bash -c "! kill -0 $program_job 2>/dev/null"
    wineserver -w
    kill "$record_pid"
    wait "$record_pid" 2>/dev/null || true
    record_pid=""

    run_german_checks "$program"

    wine reg query 'HKCU\Software\Corvath\Marvane' | tr -d '\r' >"$work/options.txt" || true
    # Every option of the table in settings/options.h, at its default but the menu bar, which
    # the run above showed.
    local name
    check "the option table is found in settings/options.h" test -n "$(option_defaults)"
    for name in $(option_defaults | sed 's/^Menu=.*/Menu=1/'); do
        check "the option ${name%%=*} is stored as text: ${name#*=}" \
            grep -qE "^\s+${name%%=*}\s+REG_SZ\s+${name#*=}\s*$" "$work/options.txt"
    done

    cp "$work/sound.raw" "$SHOTS/sound.raw"  # kept beside the screenshots, for a listen
    local heard peak
    read -r heard peak < <(count_sounds "$work/sound.raw")
    echo "      sounds recorded: $heard, loudest sample $peak of 32767 ($(stat -c %s "$work/sound.raw") bytes)"
    check "the sound of each of the ten moves reached the audio sink" test "$heard" -eq 10

    check "the uninstaller runs silently" wine "$program/Uninstall.exe" /S
    wineserver -w
    for i in $(seq 50); do [ -e "$program/marvane.exe" ] || break; sleep 0.2; done
    check "uninstalling removes the program" test ! -e "$program/marvane.exe"
}

case "${1:-}" in
    qt)
        install_missing "${BUILD_PACKAGES[@]}"
        build_qt
        ;;
    build)
        install_missing "${BUILD_PACKAGES[@]}"
        build_qt
        build_host_tools
        build_marvane
        make_folder
        make_installer
        ;;
    test)
        install_missing "${TEST_PACKAGES[@]}"
        [ -f "$(installer_name)" ] || die "no Windows build in $OUT: run $0 build first"
        SHOTS=${MARVANE_WINDOWS_SHOTS:-$(mktemp -d /tmp/marvane-windows-shots.XXXXXX)}
        mkdir -p "$SHOTS"
        work=$(mktemp -d)
        trap stop_everything EXIT
        trap 'exit 1' INT TERM
        start_x_server
        start_audio_server
        new_wine_prefix
        log "unit tests under Wine"
        check "the Windows unit tests pass under Wine" run_unit_tests
        log "the installed program under Wine (screenshots in $SHOTS)"
        run_program_checks
        ((failures == 0)) || die "$failures check(s) failed"
        ;;
    *)
        sed -n '2,13p' "$0" | sed 's/^# \{0,1\}//' >&2
        exit 2
        ;;
esac
