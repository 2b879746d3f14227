#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Marvane and the floor in Release and measures both under Xvfb, side by side in one run:
# start-up, memory, idle wake-ups, the CPU share of a Hard Autoplay game, the same with Expert
# Hard (and the GUI thread's longest stall), the heap with Show Evaluations on and off, and the
# engine's micro-benchmarks. Prints medians, ratios to the floor and PASS/MISS against the targets.
#
#   bench/run.sh                   # BENCH_RUNS=7 rounds; BENCH_BUILD_DIR=<root>/build-bench
#
# Installs what it needs when missing (Debian packages).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bench_name=bench
# shellcheck source=bench/session.sh
source "$here/session.sh"
runs=${BENCH_RUNS:-7}
idle_s=10
memory_after_s=3

# shellcheck source=scripts/install-missing.sh
source "$root/scripts/install-missing.sh"
install_missing cmake g++ make pkg-config qt6-base-dev qt6-multimedia-dev libsndfile1-dev \
    libbenchmark-dev libxcb-damage0-dev xvfb xauth xdotool pulseaudio pulseaudio-utils \
    fonts-liberation fonts-cabin fonts-league-spartan fonts-lobstertwo fonts-dancingscript \
    qt6-l10n-tools qt6-tools-dev

# --- Build -------------------------------------------------------------------------------------
say "Building in Release in $build ..."
mkdir -p "$build"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DMARVANE_BENCH=ON -DBUILD_TESTING=OFF \
    >"$build/bench-configure.log" 2>&1 || die "configure failed, see $build/bench-configure.log"
cmake --build "$build" -j2 --target marvane marvane_floor marvane_xwatch marvane_engine_bench \
    >"$build/bench-build.log" 2>&1 || die "build failed, see $build/bench-build.log"
program=$bin/marvane
floor=$bin/marvane_floor
xwatch=$bin/marvane_xwatch

# --- Engine micro-benchmarks (first, while nothing else of ours runs) ---------------------------
say "Engine micro-benchmarks ..."
engine_report=$("$bin/marvane_engine_bench" --benchmark_repetitions=5 \
    --benchmark_report_aggregates_only=true --benchmark_min_time=0.2 2>/dev/null |
    awk '/_median/ || /^Benchmark/ || /^---/')

# --- A private X display and audio server -----------------------------------------------------
bench_work_begin
bench_session_begin "$work"

bench_write_options "$work/config-default" 1000 0
bench_write_options "$work/config-autoplay" 100 1

# --- Helpers -----------------------------------------------------------------------------------
results=$work/results # lines: <who> <metric> <value>
record() { printf '%s %s %s\n' "$1" "$2" "$3" >>"$results"; }

# Starts a program through the watcher; sets started_pid and started_window.
start() { # who program config-folder
    local out
    out=$(XDG_CONFIG_HOME=$3 "$xwatch" launch --timeout 30 --log "$work/$1.log" -- "$2") ||
        die "$1 did not start, see $work/$1.log"
    started_pid=$(sed -n 's/.*pid=\([0-9]*\).*/\1/p' <<<"$out")
    started_window=$(sed -n 's/.*window=\([0-9]*\).*/\1/p' <<<"$out")
    launched+=("$started_pid")
    for field in map_ms first_ms paint_ms settled_ms paint_cpu_ms; do
        record "$1" "$field" "$(sed -n "s/.*$field=\([0-9.]*\).*/\1/p" <<<"$out")"
    done
}

# One line per live thread: tid name voluntary involuntary cpu-ns.
threads() { # pid
    local task
    for task in /proc/"$1"/task/*; do
        printf '%s %s %s %s %s\n' "${task##*/}" "$(tr ' ' _ <"$task/comm")" \
            "$(awk '/^voluntary_ctxt/{print $2}' "$task/status")" \
            "$(awk '/^nonvoluntary_ctxt/{print $2}' "$task/status")" \
            "$(awk '{print $1}' "$task/schedstat")"
    done 2>/dev/null
}

# What happened between two thread snapshots: per thread, and "total" (threads that started in
# between count from zero).
thread_delta() { # before after
    awk 'NR == FNR { v[$1] = $3; n[$1] = $4; c[$1] = $5; next }
         { dv = $3 - v[$1]; dn = $4 - n[$1]; dc = $5 - c[$1]
           printf "%s %s %d %d %.3f\n", $1, $2, dv, dn, dc / 1e6
           tv += dv; tn += dn; tc += dc }
         END { printf "total all %d %d %.3f\n", tv, tn, tc / 1e6 }' "$1" "$2"
}

memory() { # who pid
    record "$1" rss_kib "$(awk '/^Rss:/{print $2}' "/proc/$2/smaps_rollup")"
    record "$1" pss_kib "$(awk '/^Pss:/{print $2}' "/proc/$2/smaps_rollup")"
    # The heap, and every other private anonymous page (thread stacks, malloc arenas).
    record "$1" anon_kib "$(awk '/^Pss_Anon:/{print $2}' "/proc/$2/smaps_rollup")"
}

median() { # who metric
    awk -v who="$1" -v metric="$2" '$1 == who && $2 == metric { print $3 }' "$results" | sort -g |
        awk '{ a[NR] = $1 } END { if (NR == 0) print "nan"; else if (NR % 2) print a[(NR + 1) / 2];
              else print (a[NR / 2] + a[NR / 2 + 1]) / 2 }'
}
spread() { # who metric
    awk -v who="$1" -v metric="$2" '$1 == who && $2 == metric { print $3 }' "$results" | sort -g |
        awk 'NR == 1 { lo = $1 } { hi = $1 } END { printf "%s-%s", lo, hi }'
}

# --- Start-up, memory and idle: floor and Marvane in the same rounds ----------------------------
say "Warming the caches ..."
start warmup "$floor" "$work/config-default"
bench_stop "$started_pid"
start warmup "$program" "$work/config-default"
bench_stop "$started_pid"
: >"$results"

for round in $(seq "$runs"); do
    say "Round $round of $runs: start-up, memory, ${idle_s} s idle ..."
    # The pointer rests outside both windows, and neither is touched from here on.
    xdotool mousemove 2040 1530
    # Who starts first alternates; the first one has settled before the second starts.
    if ((round % 2)); then order=(floor marvane); else order=(marvane floor); fi
    declare -A pid=() window=()
    for who in "${order[@]}"; do
        if [[ $who == floor ]]; then start floor "$floor" "$work/config-default"; else
            start marvane "$program" "$work/config-default"; fi
        pid[$who]=$started_pid
        window[$who]=$started_window
        sleep 0.5
    done
    # The game has the keyboard focus, as it would have under a window manager.
    xdotool windowfocus "${window[marvane]}" 2>/dev/null || true
    sleep "$memory_after_s"
    for who in floor marvane; do memory "$who" "${pid[$who]}"; done
    for who in floor marvane; do threads "${pid[$who]}" >"$work/$who.before"; done
    sleep "$idle_s"
    for who in floor marvane; do
        threads "${pid[$who]}" >"$work/$who.after"
        thread_delta "$work/$who.before" "$work/$who.after" >"$work/$who.idle.$round"
        read -r _ _ vol invol cpu < <(tail -n1 "$work/$who.idle.$round")
        record "$who" idle_cpu_ms "$cpu"
        record "$who" idle_switches "$((vol + invol))"
        record "$who" idle_wakeups_per_s "$(awk -v s="$((vol + invol))" -v t="$idle_s" \
            'BEGIN { printf "%.2f", s / t }')"
    done
    for who in floor marvane; do bench_stop "${pid[$who]}"; done
done

# --- Autoplay -------------------------------------------------------------------------------
# Places in the window (menu bar shown, 19 px): the players button, then the level button that
# the one-player mode shows, then "Autoplay" in the menu bar.
players_xy=(650 235)
level_xy=(530 235)
autoplay_xy=(155 8)
# One Autoplay game at the Hard level; records its figures as <prefix>_<field>.
autoplay_round() { # config prefix [xwatch game options...]
    local config=$1 prefix=$2 out field
    shift 2
    xdotool mousemove 2040 1530
    start autoplay-start "$program" "$config"
    p=$started_pid
    w=$started_window
    xdotool mousemove --window "$w" "${players_xy[@]}" click 1
    sleep 0.3
    xdotool mousemove --window "$w" "${level_xy[@]}" click 1
    sleep 0.3
    xdotool mousemove --window "$w" "${autoplay_xy[@]}"
    sleep 0.5
    "$xwatch" game --pid "$p" --window "$w" --quiet-ms 1500 --timeout 60 "$@" >"$work/game.out" &
    watcher=$!
    for _ in $(seq 100); do grep -q ready "$work/game.out" && break || sleep 0.02; done
    xdotool click 1
    wait "$watcher" || die "the Autoplay game was not seen, see $work/game.out"
    out=$(tail -n1 "$work/game.out")
    for field in game_ms cpu_ms share_pct damage_events pings answered stall_max_ms over_50ms; do
        [[ $out == *"$field="* ]] || continue
        record marvane "${prefix}_$field" "$(sed -n "s/.*$field=\([0-9.]*\).*/\1/p" <<<"$out")"
    done
}
for round in $(seq "$runs"); do
    say "Autoplay $round of $runs (Hard, response 100 ms) ..."
    autoplay_round "$work/config-autoplay" autoplay
    if ((round == 1)); then
        command -v import >/dev/null && import -window "$w" "$build/bench-autoplay-end.png" || true
    fi
    bench_stop "$p"
done

# --- Expert Hard, and the scores' memory -------------------------------------------------------
# The same game with Game > Expert Hard Level ticked, the window pinged every 10 ms all along:
# the slowest answer is the longest the event loop kept an event waiting.
bench_write_options "$work/config-expert" 100 1
printf 'ExpertHard=1\n' >>"$work/config-expert/Corvath/Marvane.conf"
for round in $(seq "$runs"); do
    say "Autoplay $round of $runs (Expert Hard, response 100 ms, pinged) ..."
    autoplay_round "$work/config-expert" expert --ping-ms 10
    bench_stop "$p"
done
# Show Evaluations stored as on: the start position is analysed for its second at once. The
# memory is taken 3 s after the start, then 2 s after the item is unticked from the keyboard
# (Alt, then to the Game menu, its first item, and up past Keys and Expert Hard Level).
bench_write_options "$work/config-evaluations" 1000 1
printf 'Evaluations=1\n' >>"$work/config-evaluations/Corvath/Marvane.conf"
for round in $(seq "$runs"); do
    say "Show Evaluations $round of $runs: heap while on and after turning it off ..."
    xdotool mousemove 2040 1530
    start evaluations "$program" "$work/config-evaluations"
    xdotool windowfocus "$started_window" 2>/dev/null || true
    sleep "$memory_after_s"
    memory evaluations-on "$started_pid"
    xdotool key --clearmodifiers alt Left Down Up Up Up Return
    sleep 2
    memory evaluations-off "$started_pid"
    bench_stop "$started_pid"
done

# --- First frames ------------------------------------------------------------------------------
# One more launch of each, with its frames grabbed (which slows the X server, so it is not
# timed): is the first whole frame already the settled window?
for who in floor marvane; do
    if [[ $who == floor ]]; then p=$floor; else p=$program; fi
    rm -rf "$build/frames-$who"
    out=$(XDG_CONFIG_HOME=$work/config-default "$xwatch" launch --timeout 30 --settle-ms 1500 \
        --frames "$build/frames-$who" --log "$work/$who.log" -- "$p" 2>"$work/frames-$who.txt") ||
        die "$who did not start for the frame grab, see $work/$who.log"
    pid_grabbed=$(sed -n 's/.*pid=\([0-9]*\).*/\1/p' <<<"$out")
    launched+=("$pid_grabbed")
    record "$who" first_whole_diff_px "$(sed -n 's/.*first_whole_diff_px=\([0-9]*\).*/\1/p' <<<"$out")"
    record "$who" frames "$(sed -n 's/.*frames=\([0-9]*\).*/\1/p' <<<"$out")"
    cp "$work/frames-$who.txt" "$build/frames-$who/frames.txt"
    bench_stop "$pid_grabbed"
done

# --- Report ----------------------------------------------------------------------------------
verdict() { # value comparison limit
    awk -v v="$1" -v op="$2" -v l="$3" 'BEGIN {
        ok = (op == "<=") ? (v <= l) : (v < l); print (v == "nan" ? "----" : ok ? "PASS" : "MISS") }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }'; }
kib_to_mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
row() { printf '%-36s %10s %10s %8s   %-10s %s\n' "$@"; }

echo
echo "Marvane against the floor: medians of $runs runs, Xvfb 2048x1536x24, null-sink PulseAudio"
echo "($(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg) at the end, $(uname -r)," \
    "$(g++ -dumpfullversion 2>/dev/null | sed 's/^/g++ /'))"
echo
row "" floor Marvane ratio target result
startup_f=$(median floor paint_ms)
startup_m=$(median marvane paint_ms)
startup_ratio=$(awk -v a="$startup_m" -v b="$startup_f" 'BEGIN { print a / b }')
row "start-up: first paint done, ms" "$startup_f" "$startup_m" "$(ratio "$startup_m" "$startup_f")" \
    "<= 1.2x" "$(verdict "$startup_ratio" "<=" 1.2)"
row "  CPU used by then (all threads), ms" "$(median floor paint_cpu_ms)" \
    "$(median marvane paint_cpu_ms)" \
    "$(ratio "$(median marvane paint_cpu_ms)" "$(median floor paint_cpu_ms)")"
row "  window mapped, ms" "$(median floor map_ms)" "$(median marvane map_ms)" \
    "$(ratio "$(median marvane map_ms)" "$(median floor map_ms)")"
row "  last drawing before 0.5 s quiet, ms" "$(median floor settled_ms)" \
    "$(median marvane settled_ms)" "$(ratio "$(median marvane settled_ms)" "$(median floor settled_ms)")"
rss_f=$(median floor rss_kib)
rss_m=$(median marvane rss_kib)
rss_ratio=$(awk -v a="$rss_m" -v b="$rss_f" 'BEGIN { print a / b }')
row "RSS after ${memory_after_s} s, MiB" "$(kib_to_mib "$rss_f")" "$(kib_to_mib "$rss_m")" \
    "$(ratio "$rss_m" "$rss_f")" "<= 1.25x" "$(verdict "$rss_ratio" "<=" 1.25)"
row "PSS after ${memory_after_s} s, MiB" "$(kib_to_mib "$(median floor pss_kib)")" \
    "$(kib_to_mib "$(median marvane pss_kib)")" \
    "$(ratio "$(median marvane pss_kib)" "$(median floor pss_kib)")"
anon_f=$(median floor anon_kib)
anon_m=$(median marvane anon_kib)
anon_more=$(awk -v a="$anon_m" -v b="$anon_f" 'BEGIN { print a - b }')
row "heap (anonymous PSS) after ${memory_after_s} s, MiB" "$(kib_to_mib "$anon_f")" \
    "$(kib_to_mib "$anon_m")" "$(awk -v k="$anon_more" 'BEGIN { printf "%+.1f", k / 1024 }')" \
    "<= +1 MiB" "$(verdict "$anon_more" "<=" 1024)"
row "idle ${idle_s} s: CPU, ms" "$(median floor idle_cpu_ms)" "$(median marvane idle_cpu_ms)" \
    "$(ratio "$(median marvane idle_cpu_ms)" "$(median floor idle_cpu_ms)")"
row "idle ${idle_s} s: context switches" "$(median floor idle_switches)" \
    "$(median marvane idle_switches)" \
    "$(ratio "$(median marvane idle_switches)" "$(median floor idle_switches)")"
wake_m=$(median marvane idle_wakeups_per_s)
row "idle: wake-ups per second" "$(median floor idle_wakeups_per_s)" "$wake_m" "" "0" \
    "$(verdict "$wake_m" "<=" 0)"
share=$(median marvane autoplay_share_pct)
row "Autoplay Hard 100 ms: CPU, % of a core" "-" "$share" "" "< 2%" "$(verdict "$share" "<" 2)"
row "  game length, ms" "-" "$(median marvane autoplay_game_ms)"
row "  CPU over the game, ms" "-" "$(median marvane autoplay_cpu_ms)"
expert_share=$(median marvane expert_share_pct)
row "Autoplay Expert Hard 100 ms: CPU, %" "-" "$expert_share"
row "  game length, ms" "-" "$(median marvane expert_game_ms)"
row "  CPU over the game, ms" "-" "$(median marvane expert_cpu_ms)"
row "  CPU per move (game / 60 squares), ms" "-" \
    "$(awk -v c="$(median marvane expert_cpu_ms)" 'BEGIN { printf "%.1f", c / 60 }')"
stall=$(median marvane expert_stall_max_ms)
row "  longest GUI stall (10 ms pings), ms" "-" "$stall" "" "<= 50" "$(verdict "$stall" "<=" 50)"
row "  pings sent, answered, after 50 ms" "-" "$(median marvane expert_pings)" \
    "$(median marvane expert_answered)" "$(median marvane expert_over_50ms)"
row "heap, Show Evaluations on, MiB" "-" "$(kib_to_mib "$(median evaluations-on anon_kib)")"
row "  and 2 s after turning it off, MiB" "-" "$(kib_to_mib "$(median evaluations-off anon_kib)")"
diff_m=$(median marvane first_whole_diff_px)
row "first whole frame: pixels unlike settled" "$(median floor first_whole_diff_px)" "$diff_m" "" \
    "0" "$(verdict "$diff_m" "<=" 0)"
row "  frames grabbed before settling" "$(median floor frames)" "$(median marvane frames)"
echo
echo "Ranges (min-max): start-up floor $(spread floor paint_ms) ms, Marvane $(spread marvane paint_ms) ms;" \
    "RSS floor $(spread floor rss_kib) KiB, Marvane $(spread marvane rss_kib) KiB;" \
    "idle switches floor $(spread floor idle_switches), Marvane $(spread marvane idle_switches);" \
    "Autoplay CPU $(spread marvane autoplay_share_pct) %;" \
    "Expert Hard stall $(spread marvane expert_stall_max_ms) ms."
echo
echo "Idle threads of Marvane in the last round (tid name voluntary involuntary cpu-ms):"
sed 's/^/  /' "$work/marvane.idle.$runs"
echo
echo "Engine micro-benchmarks (Google Benchmark, median of 5 repetitions):"
echo "$engine_report"
