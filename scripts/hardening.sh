#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Marvane's hardening checks, run after the normal test suite:
#   1. the whole project and its tests built with AddressSanitizer and UndefinedBehaviorSanitizer
#      (build-asan), and the test suite run there;
#   2. the tests of the code that runs threads of its own (the analysis worker, the analysis room
#      that owns it, the sound's audio thread) built with ThreadSanitizer (build-tsan), those
#      targets only, and run there;
#   3. the libFuzzer targets built with clang (build-fuzz) and each run for a bounded time on a
#      copy of its generated seed corpus, together with the inputs kept in fuzz/regressions.
# Exits non-zero on any failure. The caller provides the audio server (XDG_RUNTIME_DIR) the sound
# tests play into, as scripts/marvane.sh test does.
#
# Settings from the environment: MARVANE_ASAN_DIR, MARVANE_TSAN_DIR, MARVANE_FUZZ_DIR (build
# folders), MARVANE_FUZZ_SECONDS (per fuzzer, default 60).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
# shellcheck source=scripts/install-missing.sh
source scripts/install-missing.sh

ASAN_DIR=${MARVANE_ASAN_DIR:-build-asan}
TSAN_DIR=${MARVANE_TSAN_DIR:-build-tsan}
FUZZ_DIR=${MARVANE_FUZZ_DIR:-build-fuzz}
FUZZ_SECONDS=${MARVANE_FUZZ_SECONDS:-60}
FUZZERS=(version_resource stored_integer transcript position_text gtp_session)
# The tests whose code starts threads: the analysis worker, the window's analysis room that posts
# to it and takes its results, and the sound's players with their audio thread.
TSAN_TESTS=(tst_analysisworker tst_analysisroom tst_soundclip tst_soundplayer tst_soundeffects)
JOBS=$(nproc)


# libFuzzer ships with clang's runtime libraries, in a package named after clang's major version.
ensure_libfuzzer() {
    local probe
    probe=$(mktemp -d)
    echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' \
        >"$probe/probe.cpp"
    if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" \
        >/dev/null 2>&1; then
        install_missing "libclang-rt-$(clang++ -dumpversion | cut -d. -f1)-dev"
    fi
    rm -rf "$probe"
}

phase_start=$SECONDS
phase() {
    echo "== $1 (after $((SECONDS - phase_start)) s)"
}

install_missing cmake g++ make clang xvfb
ensure_libfuzzer

# Leaks inside system libraries are not ours; UB stops the program where it happens.
export LSAN_OPTIONS="suppressions=$ROOT/tests/stress/lsan_system.supp:print_suppressions=0"
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

phase "Sanitizer build in $ASAN_DIR"
SANITIZE="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B "$ASAN_DIR" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
    -DCMAKE_CXX_FLAGS="$SANITIZE" -DBUILD_TESTING=ON -DMARVANE_CHECKS=ON >/dev/null
cmake --build "$ASAN_DIR" -j"$JOBS"

phase "Test suite under the sanitizers"
(cd "$ASAN_DIR" && ctest --output-on-failure -j"$JOBS")

phase "ThreadSanitizer build of ${TSAN_TESTS[*]} in $TSAN_DIR"
cmake -S . -B "$TSAN_DIR" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" \
    -DCMAKE_CXX_FLAGS="-fsanitize=thread -fno-omit-frame-pointer" -DBUILD_TESTING=ON \
    -DMARVANE_CHECKS=ON >/dev/null
cmake --build "$TSAN_DIR" -j"$JOBS" --target "${TSAN_TESTS[@]}"

phase "Threaded tests under ThreadSanitizer"
# A race stops the test where it is found (exit code 66), which fails it. What the suppressions
# file lists lies inside libraries built without the sanitizer; it says why for each entry. The
# sound tests start audio servers and recorders with QProcess; the sanitizer would end such a
# child of a threaded process before it reaches exec ("starting new threads after multi-threaded
# fork"), although it runs only a few system calls first, so it is told not to (die_after_fork=0).
(
    export TSAN_OPTIONS="suppressions=$ROOT/tests/tsan_system.supp:halt_on_error=1:second_deadlock_stack=1:die_after_fork=0"
    tests=$(IFS='|'; echo "${TSAN_TESTS[*]}")
    cd "$TSAN_DIR" && ctest --output-on-failure -j"$JOBS" -R "^($tests)\$"
)

phase "Fuzzer build in $FUZZ_DIR"
cmake -S . -B "$FUZZ_DIR" -DCMAKE_CXX_COMPILER=clang++ -DMARVANE_FUZZ=ON -DBUILD_TESTING=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$FUZZ_DIR" -j"$JOBS" --target marvane_fuzzers

# One fuzzer: a fresh copy of its seed corpus to grow, the kept regression inputs read alongside.
run_fuzzer() {
    local name=$1 work="$FUZZ_DIR/fuzz/run/$1"
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/findings"
    cp -R "$FUZZ_DIR/fuzz/seeds/$name/." "$work/corpus/"
    local inputs=("$work/corpus") options=()
    [ -d "fuzz/regressions/$name" ] && inputs+=("fuzz/regressions/$name")
    [ -f "fuzz/$name.dict" ] && options+=("-dict=fuzz/$name.dict")
    "$FUZZ_DIR/bin/fuzz_$name" -max_total_time="$FUZZ_SECONDS" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$work/findings/" "${options[@]}" "${inputs[@]}" \
        >"$work/log" 2>&1
}

phase "Fuzzing, $FUZZ_SECONDS s each"
pids=()
for name in "${FUZZERS[@]}"; do
    run_fuzzer "$name" &
    pids+=($!)
done
failed=()
for i in "${!FUZZERS[@]}"; do
    name=${FUZZERS[$i]}
    log="$FUZZ_DIR/fuzz/run/$name/log"
    if wait "${pids[$i]}"; then
        echo "fuzz_$name: $(grep -E '^Done [0-9]+ runs' "$log" || echo done), no findings"
    else
        failed+=("$name")
        echo "fuzz_$name FAILED; the last of its log:" >&2
        tail -n 60 "$log" >&2
        echo "Inputs that broke it: $FUZZ_DIR/fuzz/run/$name/findings/ (once fixed, keep each" \
            "in fuzz/regressions/$name/)" >&2
    fi
done

phase "Done"
if ((${#failed[@]})); then
    echo "Hardening FAILED: fuzzers ${failed[*]}" >&2
    exit 1
fi
echo "Hardening passed: sanitizer test suite, threaded tests under TSan and fuzzers clean."
