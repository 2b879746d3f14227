#!/usr/bin/env bash
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
# MARVANE_WINDOWS_SHOTS  where the test's screenshots go (default: a new folder under /tmp)
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
                g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools nsis)
TEST_PACKAGES=(wine wine64 xvfb xauth xdotool imagemagick pulseaudio pulseaudio-utils)

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

# The folder that runs as it is: the program, its sound module and sounds, Qt and the runtime.
make_folder() {
    local app=$OUT/Marvane plugin
    log "ready-to-run folder: $app"
    rm -rf "$app"
    mkdir -p "$app/platforms" "$app/styles"
    cp "$OUT/win/bin/marvane.exe" "$OUT/win/bin/marvane-sound.dll" "$app/"
    cp -r "$OUT/win/bin/system" "$app/"
    cp "$QT_PREFIX/plugins/platforms/qwindows.dll" "$app/platforms/"
    cp "$QT_PREFIX/plugins/styles/qwindowsvistastyle.dll" "$app/styles/"
    for plugin in "$app"/*.exe "$app"/*.dll "$app"/platforms/*.dll "$app"/styles/*.dll; do
        copy_dependencies "$plugin" "$app"
    done
    find "$app" -name '*.exe' -o -name '*.dll' | xargs "$MINGW-strip"
}

make_installer() {
    local version
    version=$(sed -n 's/^project(Marvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    log "installer: $OUT/Marvane-$version-setup.exe"
    makensis -V2 -DVERSION="$version" -DSOURCE="$PWD/$OUT/Marvane" \
        -DOUTFILE="$PWD/$OUT/Marvane-$version-setup.exe" packaging/windows/marvane.nsi
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
    *)
        sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//' >&2
        exit 2
        ;;
esac
