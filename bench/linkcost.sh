#!/usr/bin/env bash
# What loading the sound's libraries costs before the first paint: the floor against the same
# floor linked with Qt Multimedia and libsndfile (70 shared libraries, as Marvane has), launched
# in turn under the watcher of run.sh. Prints the medians of the wall and CPU time to the first
# paint and their ratio.
#
#   bench/linkcost.sh              # BENCH_RUNS=15 rounds; uses the build folder of run.sh
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
bench_name=linkcost
# shellcheck source=bench/session.sh
source "$here/session.sh"
runs=${BENCH_RUNS:-15}

cmake --build "$build" -j2 --target marvane_floor marvane_floor_sound marvane_xwatch \
    >"$build/linkcost-build.log" 2>&1 || die "build failed, see $build/linkcost-build.log"

bench_work_begin
bench_session_begin "$work"

launch() { # program; prints "wall cpu"
    local out pid
    out=$("$bin/marvane_xwatch" launch --timeout 30 --log "$work/program.log" -- "$1") ||
        die "$1 did not start, see $work/program.log"
    pid=$(sed -n 's/.*pid=\([0-9]*\).*/\1/p' <<<"$out")
    kill "$pid" 2>/dev/null || true
    while [[ -r /proc/$pid/stat ]] && [[ $(awk '{print $3}' "/proc/$pid/stat") != Z ]]; do
        sleep 0.02
    done
    printf '%s %s\n' "$(sed -n 's/.*paint_ms=\([0-9.]*\).*/\1/p' <<<"$out")" \
        "$(sed -n 's/.*paint_cpu_ms=\([0-9.]*\).*/\1/p' <<<"$out")"
}

for who in marvane_floor marvane_floor_sound; do launch "$bin/$who" >/dev/null; done  # warm
for _ in $(seq "$runs"); do
    for who in marvane_floor marvane_floor_sound; do
        printf '%s %s\n' "$who" "$(launch "$bin/$who")" >>"$work/times"
    done
done

printf 'First paint of the floor, plain and linked with the sound libraries: medians of %s\n' \
    "$runs interleaved launches; shared libraries $(ldd "$bin/marvane_floor" | wc -l) and $(ldd "$bin/marvane_floor_sound" | wc -l)."
printf 'load average %s\n' "$(cut -d' ' -f1-3 /proc/loadavg)"
awk '
    function median(list, n,   i, j, t, a) {
        n = split(list, a, " ")
        for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
        return (n % 2) ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    { wall[$1] = wall[$1] " " $2; cpu[$1] = cpu[$1] " " $3 }
    END {
        fw = median(wall["marvane_floor"]); fc = median(cpu["marvane_floor"])
        sw = median(wall["marvane_floor_sound"]); sc = median(cpu["marvane_floor_sound"])
        printf "                       floor   floor+sound libs   ratio\n"
        printf "first paint, wall ms  %6.1f   %6.1f             %.2fx\n", fw, sw, sw / fw
        printf "CPU by then, ms       %6.1f   %6.1f             %.2fx\n", fc, sc, sc / fc
    }' "$work/times"
