#!/usr/bin/env bash
# Installs what is missing, builds everything (data included) and runs every test; then builds
# the project again with AddressSanitizer and UndefinedBehaviorSanitizer and runs the tests there.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"
"$root/tools/setup.sh"

cmake -S "$root" -B "$root/build" -G Ninja
cmake --build "$root/build" -j "$jobs"
# No single test may hang the run: each one is stopped after ten minutes.
ctest --test-dir "$root/build" --output-on-failure -j "$jobs" --timeout 600

# The same tests under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/); the damaged
# start-up tests take their intact data files from the program folders built above.
"$root/tools/sanitize.sh" address --timeout 900
