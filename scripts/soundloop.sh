#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the sound scenarios and the sound test programs hundreds of times against private null-sink
# audio servers and counts the runs that crash, hang or fail, and the effects that go unheard. Not
# part of the test suite: it is how a race or a lost sound is shown, and shown gone.
#
#   scripts/soundloop.sh [-b BUILD_DIR]... [-n RUNS] [-t TEST_RUNS] [-j JOBS] [-l] [-s SCENARIOS]
#
#   -b DIR   a build folder with BUILD_TESTING=ON (repeatable; default: build)
#   -n RUNS  runs of each driver scenario (close, ending, exit, gaps...; default 1000)
#   -t RUNS  runs of each sound test program (tst_soundplayer, tst_soundeffects; default 50)
#   -j JOBS  runs at once, each slot with an audio server of its own (default 4)
#   -l       under CPU load: one busy loop per core, at the runs' own priority
#   -s LIST  comma-separated scenarios (default close,ending,exit,tst_soundplayer,tst_soundeffects;
#            also gaps, and pauseN for one effect N seconds after another, e.g. pause300)
#
# The driver scenarios are those of tests/window/sound/soundstorm.cpp; gaps and pauseN record the
# sink's monitor and say for each effect whether it was heard within a second, later, or not at
# all; the table counts them (lost: never heard; late: heard after more than a second) and gives
# the longest wait for an effect that was heard.
# A run counts as: ok (exit 0), crash (killed by a signal), sanitizer (an ASan, LSan or UBSan
# report), hang (still running after 60 s; gaps 180 s, pauseN N + 120 s), or failed (any other
# non-zero exit, among them a lost effect). Logs of the first runs that did not go through
# are kept in the output folder (MARVANE_SOUNDLOOP_OUT, default a temporary folder).
set -uo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD

builds=()
runs=1000
test_runs=50
jobs=4
load=0
scenarios=close,ending,exit,tst_soundplayer,tst_soundeffects
while getopts "b:n:t:j:ls:" option; do
    case $option in
        b) builds+=("$OPTARG") ;;
        n) runs=$OPTARG ;;
        t) test_runs=$OPTARG ;;
        j) jobs=$OPTARG ;;
        l) load=1 ;;
        s) scenarios=$OPTARG ;;
        *) sed -n '2,20p' "$0" >&2; exit 2 ;;
    esac
done
((${#builds[@]})) || builds=(build)
IFS=, read -r -a scenario_list <<<"$scenarios"

for tool in pulseaudio pactl parec timeout; do
    command -v "$tool" >/dev/null || { echo "soundloop: $tool is missing" >&2; exit 2; }
done

OUT=${MARVANE_SOUNDLOOP_OUT:-$(mktemp -d /tmp/soundloop.XXXXXX)}
mkdir -p "$OUT"
helpers=()
slots=()
# A process and everything it started: a run under `timeout` sits in a process group of its own.
kill_tree() {
    local child children
    children=$(ps -o pid= --ppid "$1")
    kill "$1" 2>/dev/null  # first, so that it starts nothing more
    for child in $children; do kill_tree "$child"; done
}
cleanup() {
    local pid
    for pid in "${slots[@]}"; do kill_tree "$pid"; done
    for pid in "${helpers[@]}"; do kill "$pid" 2>/dev/null; done
    for dir in "$OUT"/slot*/runtime; do
        [ -d "$dir" ] && HOME=$dir XDG_RUNTIME_DIR=$dir pulseaudio --kill >/dev/null 2>&1
    done
    wait 2>/dev/null
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# One null-sink server per slot, so that runs at once never hear each other's sounds. A monitor
# recording keeps the null sink at a sound card's latency instead of its idle two seconds.
start_server() {
    local dir=$1
    mkdir -p "$dir"
    chmod 700 "$dir"
    HOME=$dir XDG_RUNTIME_DIR=$dir pulseaudio -D --exit-idle-time=-1 -n \
        --load="module-null-sink sink_name=loop" \
        --load="module-native-protocol-unix auth-anonymous=1" >/dev/null 2>&1
    local i
    for i in $(seq 100); do
        XDG_RUNTIME_DIR=$dir pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    XDG_RUNTIME_DIR=$dir parec --device=@DEFAULT_MONITOR@ --latency-msec=20 --raw >/dev/null 2>&1 &
    helpers+=($!)
    for i in $(seq 100); do
        [ -n "$(XDG_RUNTIME_DIR=$dir pactl list short source-outputs 2>/dev/null)" ] && break
        sleep 0.1
    done
}

# One run; prints its verdict.
run_one() {
    local build=$1 scenario=$2 index=$3 runtime=$4 log=$5
    local program args=() limit=60
    case $scenario in
        gaps) limit=180 ;;
        pause*) limit=$((${scenario#pause} + 120)) ;;
    esac
    case $scenario in
        tst_*) program=$build/tests-bin/$scenario ;;
        *) program=$build/tests-bin/marvane_soundstorm
           args=("$scenario" "$index" "$build/bin/system") ;;
    esac
    env XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen MARVANE_REQUIRE_AUDIO=1 \
        ASAN_OPTIONS="detect_leaks=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
        LSAN_OPTIONS="suppressions=$ROOT/tests/stress/lsan_system.supp:print_suppressions=0" \
        timeout -k 5 "$limit" nice -n 10 "$program" "${args[@]}" >"$log" 2>&1
    local rc=$?
    if ((rc == 0)); then
        echo ok
    elif grep -qE "ERROR: (Address|Leak)Sanitizer|runtime error:" "$log"; then
        echo sanitizer
    elif ((rc == 124 || rc == 137)); then
        echo hang
    elif ((rc > 128)); then
        echo "crash"
    else
        echo failed
    fi
}

# One slot: every JOBS-th run of the list, on the slot's own server.
run_slot() {
    local slot=$1 build=$2 scenario=$3 count=$4 results=$5
    local dir=$OUT/slot$slot
    local runtime=$dir/runtime
    local i verdict log
    for ((i = slot; i < count; i += jobs)); do
        log=$dir/run.log
        verdict=$(run_one "$build" "$scenario" "$i" "$runtime" "$log")
        echo "$verdict" >>"$results"
        # Effects heard in time, late, not at all, and the longest wait for one that was heard.
        echo "$(grep -c ': heard' "$log") $(grep -c ': LATE' "$log") $(grep -c 'NOT HEARD' "$log")" \
            "$(grep -oE '[0-9]+ ms after the request' "$log" | sort -n | tail -1 | cut -d' ' -f1)" \
            >>"$results.effects"
        if [ "$verdict" != ok ] && (($(ls "$OUT"/logs 2>/dev/null | wc -l) < 200)); then
            mkdir -p "$OUT/logs"
            cp "$log" "$OUT/logs/$(basename "$build")-$scenario-$i-$verdict.log"
        fi
    done
}

for ((slot = 0; slot < jobs; slot++)); do start_server "$OUT/slot$slot/runtime"; done
if ((load)); then
    for ((core = 0; core < $(nproc); core++)); do
        nice -n 10 bash -c 'while :; do :; done' &
        helpers+=($!)
    done
fi

printf '%-12s %-5s %-17s %6s %6s %6s %9s %5s %6s %7s %7s %6s %5s %9s\n' build load scenario runs \
    ok crash sanitizer hang failed seconds effects lost late "slowest"
for build in "${builds[@]}"; do
    for scenario in "${scenario_list[@]}"; do
        case $scenario in tst_*) count=$test_runs ;; *) count=$runs ;; esac
        results=$OUT/$(basename "$build")-$scenario.results
        : >"$results"
        : >"$results.effects"
        started=$SECONDS
        slots=()
        for ((slot = 0; slot < jobs; slot++)); do
            run_slot "$slot" "$build" "$scenario" "$count" "$results" &
            slots+=($!)
        done
        wait "${slots[@]}"
        slots=()
        tally() { grep -cx "$1" "$results"; }
        read -r heard late lost slowest < <(awk '{ h += $1; t += $2; l += $3 }
            $4 > m { m = $4 } END { print h + 0, t + 0, l + 0, m + 0 }' "$results.effects")
        printf '%-12s %-5s %-17s %6d %6d %6d %9d %5d %6d %7d %7d %6d %5d %6d ms\n' \
            "$(basename "$build")" "$( ((load)) && echo yes || echo no)" "$scenario" \
            "$(wc -l <"$results")" "$(tally ok)" "$(tally crash)" "$(tally sanitizer)" \
            "$(tally hang)" "$(tally failed)" $((SECONDS - started)) $((heard + late + lost)) \
            "$lost" "$late" "$slowest"
    done
done
echo "logs of runs that did not go through: $OUT/logs"
