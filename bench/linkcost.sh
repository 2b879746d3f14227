#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the sound costs on its own, measured on the floor: the plain floor, the same floor linked
# with Qt Multimedia and libsndfile and touching neither (what merely loading the libraries costs
# before the first paint), and the floor that opens Marvane's four sounds through Marvane's own
# sound module once its window is up, as Marvane does. Launched in turn under the watcher of
# run.sh; prints the medians of the wall and CPU time to the first paint, and of the heap
# (anonymous PSS) and RSS 3 s after the launch.
#
# With `graph`, the same for the game review's graph instead: the floor showing a line graph of 60
# points drawn with QPainter, and the same graph drawn with Qt Charts (installed for the purpose).
#
#   bench/linkcost.sh              # BENCH_RUNS=9 rounds; uses the build folder of run.sh
#   bench/linkcost.sh graph
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bench_name=linkcost
# shellcheck source=bench/session.sh
source "$here/session.sh"
runs=${BENCH_RUNS:-9}
if [[ ${1:-} == graph ]]; then
    # shellcheck source=scripts/install-missing.sh
    source "$root/scripts/install-missing.sh"
    install_missing qt6-charts-dev libqt6opengl6-dev
    cmake "$build" >/dev/null
    programs=(marvane_floor marvane_floor_graph marvane_floor_charts)
    heading="The floor; showing a graph drawn with QPainter; the same graph drawn with Qt Charts:"
    columns=("QPainter" "Qt Charts")
else
    programs=(marvane_floor marvane_floor_sound marvane_floor_soundmodule)
    heading="The floor; linked with the sound libraries; opening the sounds through the sound module:"
    columns=("+sound libs" "+sound module")
fi

cmake --build "$build" -j2 --target "${programs[@]}" marvane_xwatch \
    >"$build/linkcost-build.log" 2>&1 || die "build failed, see $build/linkcost-build.log"

bench_work_begin
bench_session_begin "$work"

launch() { # program memory-too; prints "wall cpu [anon-kib rss-kib]"
    local out pid memory=
    out=$("$bin/marvane_xwatch" launch --timeout 30 --log "$work/program.log" -- "$1") ||
        die "$1 did not start, see $work/program.log"
    pid=$(sed -n 's/.*pid=\([0-9]*\).*/\1/p' <<<"$out")
    if (($2)); then
        sleep 3
        memory=" $(awk '/^Pss_Anon:/{a=$2} /^Rss:/{r=$2} END{print a, r}' "/proc/$pid/smaps_rollup")"
    fi
    bench_stop "$pid"
    printf '%s %s%s\n' "$(sed -n 's/.*paint_ms=\([0-9.]*\).*/\1/p' <<<"$out")" \
        "$(sed -n 's/.*paint_cpu_ms=\([0-9.]*\).*/\1/p' <<<"$out")" "$memory"
}

for who in "${programs[@]}"; do launch "$bin/$who" 0 >/dev/null; done  # warm
for _ in $(seq "$runs"); do
    for who in "${programs[@]}"; do
        printf '%s %s\n' "$who" "$(launch "$bin/$who" 1)" >>"$work/times"
    done
done

printf '%s\n' "$heading"
printf 'medians of %s interleaved launches; shared libraries at the first paint %s, %s and %s.\n' \
    "$runs" "$(ldd "$bin/${programs[0]}" | wc -l)" "$(ldd "$bin/${programs[1]}" | wc -l)" \
    "$(ldd "$bin/${programs[2]}" | wc -l)"
printf 'load average %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
awk -v f="${programs[0]}" -v l="${programs[1]}" -v m="${programs[2]}" \
    -v lname="${columns[0]}" -v mname="${columns[1]}" '
    function median(list, n,   i, j, t, a) {
        n = split(list, a, " ")
        for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
        return (n % 2) ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    { wall[$1] = wall[$1] " " $2; cpu[$1] = cpu[$1] " " $3; anon[$1] = anon[$1] " " $4; rss[$1] = rss[$1] " " $5 }
    END {
        printf "                          floor   %-12s ratio   %-13s  ratio\n", lname, mname
        printf "first paint, wall ms     %6.1f   %6.1f      %.2fx   %6.1f        %.2fx\n",
            median(wall[f]), median(wall[l]), median(wall[l]) / median(wall[f]),
            median(wall[m]), median(wall[m]) / median(wall[f])
        printf "CPU by then, ms          %6.1f   %6.1f      %.2fx   %6.1f        %.2fx\n",
            median(cpu[f]), median(cpu[l]), median(cpu[l]) / median(cpu[f]),
            median(cpu[m]), median(cpu[m]) / median(cpu[f])
        printf "heap after 3 s, MiB      %6.2f   %6.2f     %+.2f   %6.2f       %+.2f\n",
            median(anon[f]) / 1024, median(anon[l]) / 1024, (median(anon[l]) - median(anon[f])) / 1024,
            median(anon[m]) / 1024, (median(anon[m]) - median(anon[f])) / 1024
        printf "RSS after 3 s, MiB       %6.1f   %6.1f      %.2fx   %6.1f        %.2fx\n",
            median(rss[f]) / 1024, median(rss[l]) / 1024, median(rss[l]) / median(rss[f]),
            median(rss[m]) / 1024, median(rss[m]) / median(rss[f])
    }' "$work/times"
