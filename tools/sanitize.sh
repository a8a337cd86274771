#!/usr/bin/env bash
# Builds the project with a sanitizer and runs its tests.
#
#   tools/sanitize.sh address   AddressSanitizer + UndefinedBehaviorSanitizer, every test (build-asan)
#   tools/sanitize.sh thread    ThreadSanitizer, the wave output and voice tests (build-tsan)
#
# Any sanitizer report fails the run: ASan and UBSan stop the program at the first report, and
# ThreadSanitizer is told to exit with an error code when it reported anything. The data files are
# not rebuilt under the sanitizer (PHRASEBOOK_BUILD_DATA=OFF): the program UI and damaged start-up
# tests take them from the plain build's program folders (build/<Program>/, made by
# tools/test.sh; PHRASEBOOK_EDITION_DATA_ROOT names another root), and skip when they are not
# there. Extra arguments go to ctest (for example -R FavoritesKill).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
kind="${1:-}"
shift || true
jobs="${JOBS:-$(nproc)}"

case "$kind" in
address)
    build="$root/build-asan"
    targets=()
    tests=()
    # detect_leaks stays on: a leak fails the test that made it.
    export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=0:detect_leaks=1:strict_string_checks=1}"
    export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
    # The program UI and damaged start-up tests use the plain build's program folders' data files.
    export PHRASEBOOK_EDITION_DATA_ROOT="${PHRASEBOOK_EDITION_DATA_ROOT:-$root/build}"
    ;;
thread)
    build="$root/build-tsan"
    # The tests that drive the wave output's notification thread.
    targets=(platform_wave_tests voice_tests voice_speak_tests wavout_repeat_tests)
    tests=(-E '_NOT_BUILT')  # only the targets above are built
    export TSAN_OPTIONS="${TSAN_OPTIONS:-halt_on_error=0:exitcode=66:second_deadlock_stack=1}"
    ;;
*)
    echo "usage: $0 address|thread [ctest arguments]" >&2
    exit 2
    ;;
esac

start=$(date +%s)
cmake -S "$root" -B "$build" -G Ninja -DPHRASEBOOK_SANITIZE="$kind" -DPHRASEBOOK_BUILD_DATA=OFF \
      -DPHRASEBOOK_BUILD_BENCH=OFF -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON
cmake --build "$build" -j "$jobs" ${targets[@]:+--target "${targets[@]}"}
ctest --test-dir "$build" --output-on-failure -j "$jobs" ${tests[@]:+"${tests[@]}"} "$@"
echo "sanitize $kind: passed in $(( $(date +%s) - start )) s"
