#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the plain build, then the
# AddressSanitizer/UndefinedBehaviorSanitizer build of the same tests.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="$(nproc)"
"$root/tools/setup.sh"

cmake -S "$root" -B "$root/build" -G Ninja
cmake --build "$root/build" -j "$jobs"
ctest --test-dir "$root/build" --output-on-failure -j "$jobs"
