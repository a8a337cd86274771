#!/usr/bin/env bash
# Runs every libFuzzer target for the given number of seconds, one after the other, each on a
# copy of its seed corpus (what the fuzzer adds stays out of the source tree), and prints one line
# per target: executions, crashes (crash-, leak-, timeout- and oom- files left) and the result.
#
#   tests/fuzz/run-all.sh SECONDS [BUILD_FOLDER] [TARGET ...]
#
# BUILD_FOLDER is a fuzz build (default build-fuzz, see README.md); without targets every
# program in BUILD_FOLDER/fuzz/ runs. Work folders and logs go to $FUZZ_WORK (default
# /tmp/phrasebook-fuzz). The exit status is 1 when any target left a crash.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
seconds="${1:?usage: run-all.sh SECONDS [BUILD_FOLDER] [TARGET ...]}"
build="${2:-$root/build-fuzz}"
shift $(( $# >= 2 ? 2 : 1 ))
work="${FUZZ_WORK:-/tmp/phrasebook-fuzz}"
mkdir -p "$work"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for program in "$build"/fuzz/*_fuzz; do
        targets+=("$(basename "$program")")
    done
fi

status=0
printf '%-22s %12s %8s %8s  %s\n' target executions seconds crashes result
for target in "${targets[@]}"; do
    name="${target%_fuzz}"
    program="$build/fuzz/$target"
    if [ ! -x "$program" ]; then
        printf '%-22s %12s %8s %8s  %s\n' "$target" - - - "not built"
        status=1
        continue
    fi
    dir="$work/$name"
    mkdir -p "$dir/corpus" "$dir/artifacts"
    if [ -d "$root/tests/fuzz/corpus/$name" ]; then
        cp -n "$root/tests/fuzz/corpus/$name"/* "$dir/corpus/" 2>/dev/null || true
    fi
    log="$dir/run-$(date +%Y%m%dT%H%M%S).log"
    mark="$dir/artifacts/.started"
    : >"$mark"  # this run's artifacts are the files newer than the mark
    start=$(date +%s)
    extra=()
    # The decoder writes a line to standard error per decoding error; the reports still reach the log.
    [ "$target" = decodeclip_fuzz ] && extra=(-close_fd_mask=2)
    nice -n 19 "$program" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
        ${extra[@]+"${extra[@]}"} -artifact_prefix="$dir/artifacts/" "$dir/corpus" >"$log" 2>&1
    code=$?
    elapsed=$(( $(date +%s) - start ))
    executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | tail -1 | grep -o '[0-9]*$')
    crashes=$(find "$dir/artifacts" -maxdepth 1 -type f -newer "$mark" \( -name 'crash-*' -o -name 'leak-*' \
                    -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
    if [ "$code" -eq 0 ] && [ "$crashes" -eq 0 ]; then
        result="ok"
    else
        result="FAILED (exit $code, see $log)"
        status=1
    fi
    printf '%-22s %12s %8s %8s  %s\n' "$target" "${executions:-?}" "$elapsed" "$crashes" "$result"
done
exit $status
