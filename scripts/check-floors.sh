#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that includes only run downward through the program's floors:
#   app/                                  the entry and its wiring (top)
#   window/                               the main window, its art and sounds
#   engine/ analysis/ checks/ getver/ kurl2/ settings/   the game, its analysis engine, the
#                                                checks both share and the leaf libraries (ground)
# The engine and the analysis engine are standard C++ only, and the analysis engine reaches the
# game only through its position conversion (analysis/game_position.*). Prints each include that
# breaks this; exits 1 if any does. It reads the files on disk, so it checks a tree unpacked from
# an archive as well as a checkout, and what is not committed yet; it exits 2 when a floor's folder
# is missing or holds no sources, rather than pass on nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

floor_of() {
    case "$1" in
        app/*) echo 3 ;;
        window/*) echo 2 ;;
        engine/* | analysis/* | checks/* | getver/* | kurl2/* | settings/*) echo 1 ;;
        *) echo 0 ;;
    esac
}

FOLDERS=(app window engine analysis checks getver kurl2 settings)
sources=()
for folder in "${FOLDERS[@]}"; do
    if [ ! -d "$folder" ]; then
        echo "check-floors: $folder/ is missing; run it from a whole source tree" >&2
        exit 2
    fi
    mapfile -t found < <(find "$folder" -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.h.in' \) |
        LC_ALL=C sort)
    if [ "${#found[@]}" -eq 0 ]; then
        echo "check-floors: $folder/ holds no sources" >&2
        exit 2
    fi
    sources+=("${found[@]}")
done

status=0
for file in "${sources[@]}"; do
    from=$(floor_of "$file")
    [ "$from" -gt 0 ] || continue
    while IFS= read -r included; do
        to=$(floor_of "$included")
        if [ "$to" -gt "$from" ]; then
            echo "$file includes $included, a floor above it"
            status=1
        fi
        if [[ "$file" == analysis/* && "$included" == engine/* && "$file" != analysis/game_position.* ]]; then
            echo "$file includes $included; only analysis/game_position.* may reach the game"
            status=1
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
    if [[ "$file" == engine/* || "$file" == analysis/* ]] &&
        grep -Eq '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file"; then
        echo "$file includes Qt; ${file%%/*}/ is standard C++ only"
        status=1
    fi
done
exit $status
