#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Where start-up goes: Marvane and the floor from exec to the end of the flush that completes
# their first frame, split into phases, counted in instructions by callgrind (repeatable to a
# fraction of a percent, unlike times on a shared machine) and turned into CPU milliseconds with
# each program's own median CPU time to the first paint, measured natively in the same run.
# Also grabs the first frames of both under Xvfb and says whether the first whole frame already
# shows the settled window.
#
#   bench/phases.sh                # uses the Release build of bench/run.sh (BENCH_BUILD_DIR)
#   bench/phases.sh --report       # the table again from the files of the last run
#
# Needs valgrind. The figures land in the build folder: phases-<who>.txt, the callgrind files
# and frames-<who>/*.png.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bench_name=phases
# shellcheck source=bench/session.sh
source "$here/session.sh"
runs=${BENCH_RUNS:-5}

# shellcheck source=scripts/install-missing.sh
source "$root/scripts/install-missing.sh"
install_missing valgrind
[[ -x $bin/marvane && -x $bin/marvane_floor && -x $bin/marvane_xwatch ]] ||
    die "build first: bench/run.sh (or cmake --build $build --target marvane marvane_floor marvane_xwatch)"

bench_work_begin

# Runs the watcher; leaves its report line in watched and the program's pid in launched_pid.
watch() { # watcher-options... -- program...
    watched=$("$bin/marvane_xwatch" launch --log "$work/program.log" "$@") ||
        die "the program did not start, see $work/program.log"
    launched_pid=$(sed -n 's/.*pid=\([0-9]*\).*/\1/p' <<<"$watched")
    launched+=("$launched_pid")
}
field() { sed -n "s/.*$1=\([0-9.a-z]*\).*/\1/p" <<<"$2"; }
median() { sort -g | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'; }

programs=(floor marvane)
declare -A path=([floor]=$bin/marvane_floor [marvane]=$bin/marvane)

measure() {
    bench_session_begin "$work"
    bench_write_options "$work/config" 1000 0
    export XDG_CONFIG_HOME=$work/config

    # --- Native CPU time to the first paint, interleaved ---------------------------------------------
    say "Native launches ($runs of each) ..."
    for who in "${programs[@]}"; do
        watch --timeout 30 -- "${path[$who]}"
        bench_stop "$launched_pid" 30
        : >"$build/phases-$who.cpu"
        : >"$build/phases-$who.wall"
    done
    for _ in $(seq "$runs"); do
        for who in "${programs[@]}"; do
            watch --timeout 30 -- "${path[$who]}"
            bench_stop "$launched_pid" 30
            field paint_cpu_ms "$watched" >>"$build/phases-$who.cpu"
            field paint_ms "$watched" >>"$build/phases-$who.wall"
        done
    done

    # --- First frames ----------------------------------------------------------------------------------
    say "Grabbing the first frames ..."
    for who in "${programs[@]}"; do
        rm -rf "$build/frames-$who"
        watch --timeout 30 --settle-ms 1500 --frames "$build/frames-$who" -- "${path[$who]}" \
            2>"$build/frames-$who.txt"
        bench_stop "$launched_pid" 30
        printf '%s\n' "$watched" >>"$build/frames-$who.txt"
    done

    # --- Instructions, by callgrind ------------------------------------------------------------------
    # A dump after every flush of the window: the first file covers exec to the end of the first
    # frame, the second the next frame, and so on.
    say "Counting instructions (callgrind, about a minute) ..."
    for who in "${programs[@]}"; do
        rm -f "$build/callgrind-$who".*
        watch --timeout 300 --settle-ms 3000 -- valgrind --tool=callgrind \
            --callgrind-out-file="$build/callgrind-$who" \
            --dump-after='QWidgetRepaintManager::flush*' "${path[$who]}"
        bench_stop "$launched_pid" 30
    done
}
[[ ${1:-} == --report ]] || measure

# Inclusive instructions of every function of one dump, "count<TAB>name".
inclusive() { # callgrind-file
    callgrind_annotate --inclusive=yes --threshold=100 "$1" 2>/dev/null |
        awk 'match($0, /^ *[0-9,]+ +\([ 0-9.]+%\) +/) {
                 n = $1; gsub(",", "", n)
                 name = substr($0, RLENGTH + 1)
                 if (name == "PROGRAM TOTALS") { print n "\tTOTAL"; next }
                 sub(/^[^:]*:/, "", name); sub(/ \[[^]]*\]$/, "", name)
                 print n "\t" name }'
}

# The rows of the breakdown: label, then the functions whose inclusive counts make it up
# (joined by "+"; a name matches all its overloads; recursion copies are not counted twice).
rows=(
    "libraries mapped and relocated before main|_dl_start"
    "library initialisers before main|_dl_init"
    "symbols bound on first call (cross-cutting)|_dl_runtime_resolve_xsave"
    "plug-ins loaded (platform, image formats; cross-cutting)|dl_open_worker"
    "QApplication constructor (X connection, platform)|QApplication::QApplication"
    "main window constructor, in all|marvane::TMarvaneForm::TMarvaneForm"
    "- controls beside the board|marvane::TMarvaneForm::buildControls+marvane::SidePanel::SidePanel"
    "  - seven text boxes (QLineEdit lays out its text at once)|marvane::(anonymous namespace)::makeBox"
    "  - button art (seven icons)|marvane::buttonIcon"
    "- board picture|marvane::TMarvaneForm::buildBoard+marvane::buildClientAndBoard"
    "- rules panel|marvane::TMarvaneForm::buildRulesPanel+marvane::RulesPage::RulesPage"
    "- options panel|marvane::TMarvaneForm::buildOptionPanel+marvane::OptionsPanel::OptionsPanel+marvane::OptionsPanel::finish"
    "- menus and menu bar|marvane::TMarvaneForm::buildMenu+marvane::MainMenus::MainMenus+marvane::MainMenus::buildMenuBar"
    "- status bar|marvane::TMarvaneForm::buildStatusBar+marvane::StatusLine::build"
    "- window icon|marvane::appIcon"
    "- font substitutes|marvane::installFontSubstitutes"
    "show(): polish, sizes, native window|QWidget::setVisible(bool)"
    "first frame painted and flushed|QWidgetRepaintManager::paintAndFlush"
    "- labels|QLabel::paintEvent"
    "- buttons|marvane::FlatButton::paintEvent+QToolButton::paintEvent"
    "- text boxes|marvane::FlatBox::paintEvent"
    "- board|marvane::BoardImage::paintEvent"
    "- menu bar|QMenuBar::paintEvent"
    "start-up sequence (FormActivate), in all|marvane::TMarvaneForm::FormActivate"
    "- caption from the version information|marvane::TMarvaneForm::readVersionCaption"
    "- settings read|LoadSettings"
    "- players mode|marvane::TMarvaneForm::View::showPlayers"
    "- options applied|marvane::TMarvaneForm::quitoptions"
    "- sounds found and opened|marvane::SoundEffects::startUpSounds"
    "  - sounds rendered to the device format|marvane::renderPcm"
    "- first game|marvane::Game::newGame"
    "fonts: fontconfig set up (cross-cutting)|QFontDatabasePrivate::ensureFontDatabase"
    "fonts: faces and sizes loaded (cross-cutting)|QFontDatabasePrivate::loadSingleEngine"
    "fonts: text shaped (cross-cutting)|QTextEngine::shapeText"
    "fonts: glyphs rasterised (cross-cutting)|QFontEngineFT::loadGlyph"
)

# Looks the rows up in an inclusive listing; prints "label<TAB>count" per row, TOTAL first.
lookup() { # listing
    local row
    awk -F'\t' '$2 == "TOTAL" { print "TOTAL\t" $1; exit }' "$1"
    for row in "${rows[@]}"; do
        awk -F'\t' -v label="${row%%|*}" -v parts="${row#*|}" -v q="'" '
            BEGIN { n = split(parts, want, "+") }
            { for (i = 1; i <= n; i++)
                  if (!(i in got) && ($2 == want[i] || index($2, want[i] "(") == 1) &&
                      index($2, q) == 0) {
                      got[i] = $1; break } }
            END { total = 0; for (i in got) total += got[i]; print label "\t" total }' "$1"
    done
}

# One dump per flush: .1 ends with the first frame; the others, summed, are what came after it.
for who in "${programs[@]}"; do
    inclusive "$build/callgrind-$who.1" >"$work/$who.first"
    lookup "$work/$who.first" >"$work/$who.rows.first"
    : >"$work/$who.rows.rest"
    for f in "$build/callgrind-$who".*[0-9] "$build/callgrind-$who"; do
        [[ $f == *.1 ]] && continue
        inclusive "$f" >"$work/$who.part"
        lookup "$work/$who.part" >>"$work/$who.rows.rest"
    done
    # Sum per label, in the order of the rows.
    awk -F'\t' 'NR == FNR { order[++n] = $1; next } { sum[$1] += $2 }
                END { for (i = 1; i <= n; i++) print order[i] "\t" sum[order[i]] + 0 }' \
        "$work/$who.rows.first" "$work/$who.rows.rest" >"$work/$who.rows.after"
done

# CPU milliseconds from instructions: a straight line through both programs' medians (a fixed
# cost per process for the kernel's part of exec, mapping and page faults, plus a cost per
# instruction), so that one instruction counts the same in both columns.
cpu_floor=$(median <"$build/phases-floor.cpu")
cpu_marvane=$(median <"$build/phases-marvane.cpu")
ir_floor=$(awk -F'\t' '$1 == "TOTAL" { print $2 }' "$work/floor.rows.first")
ir_marvane=$(awk -F'\t' '$1 == "TOTAL" { print $2 }' "$work/marvane.rows.first")
read -r per_mir fixed_ms < <(awk -v cf="$cpu_floor" -v cm="$cpu_marvane" -v f="$ir_floor" \
    -v m="$ir_marvane" 'BEGIN { b = (m != f) ? (cm - cf) / ((m - f) / 1e6) : 0
        if (b <= 0) b = cm / (m / 1e6); a = cm - b * m / 1e6; printf "%.4f %.1f\n", b, a }')

report() {
    printf 'Start-up of Marvane and the floor, Release, callgrind instruction counts (Ir, millions)\n'
    printf 'and CPU ms estimated as %.1f ms per process + %.3f ms per million instructions (the\n' \
        "$fixed_ms" "$per_mir"
    printf 'line through both programs: native median CPU to the first paint %s ms floor, %s ms\n' \
        "$cpu_floor" "$cpu_marvane"
    printf 'Marvane, %s launches each, wall %s ms / %s ms). %s cores, load average %s.\n\n' "$runs" \
        "$(median <"$build/phases-floor.wall")" "$(median <"$build/phases-marvane.wall")" "$(nproc)" \
        "$(cut -d' ' -f1-3 /proc/loadavg)"
    printf '%-62s %9s %9s %7s | %9s %7s\n' "exec to the end of the first frame" "floor Ir" \
        "Marvane" "~ms" "after it" "~ms"
    paste "$work/floor.rows.first" "$work/marvane.rows.first" "$work/marvane.rows.after" |
        awk -F'\t' -v b="$per_mir" '
            function m(x) { return x / 1e6 }
            { label = ($1 == "TOTAL") ? "all instructions" : $1
              printf "%-62s %9.1f %9.1f %7.1f | %9.1f %7.1f\n", label, m($2), m($4), m($4) * b,
                     m($6), m($6) * b }'
    echo
    for who in "${programs[@]}"; do
        printf 'First frames of %s: %s\n' "$who" "$(tail -n1 "$build/frames-$who.txt" |
            sed 's/.*\(frames=.*\)/\1/')"
        grep '^frame' "$build/frames-$who.txt" | sed 's/^/  /'
    done
}
report | tee "$build/phases.txt"
