#!/usr/bin/env bash
# Installs what is missing, builds everything (data included) and starts the Chinese edition.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/tools/setup.sh"
cmake -S "$root" -B "$root/build" -G Ninja
cmake --build "$root/build"
program="$root/build/Velora/Velora"
if [ -x "$program" ]; then
    exec "$program" "$@"
fi
echo "start: built $(ls "$root/build" | tr '\n' ' ')"
echo "start: $program is not built yet"
