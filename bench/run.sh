#!/bin/sh
# Builds and runs every benchmark, then prints the tables of medians and ratios.
#
#   bench/run.sh                      build in build-bench (data built by the data toolchain)
#   PHRASEBOOK_BENCH_DATA=<folder> bench/run.sh
#                                     use the program folders <folder>/Velora, Miravel, Serrak
#                                     that a data build laid out already (their data files are
#                                     linked next to the programs built here; nothing is rebuilt)
#
# Other settings: BENCH_BUILD (build folder), BENCH_REPETITIONS (default 3), BENCH_FILTER
# (a benchmark name regular expression). Results: <build>/bench/results/*.json and summary.md.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD:-$root/build-bench}
reps=${BENCH_REPETITIONS:-3}
filter=${BENCH_FILTER:-.}
data=${PHRASEBOOK_BENCH_DATA:-}

if [ -n "$data" ]; then build_data=OFF; else build_data=ON; fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPHRASEBOOK_BUILD_DATA=$build_data >/dev/null
targets="phrasebook_bench decode_bench speak_bench drawing_bench startup_bench floor_window first_paint_probe
         Velora Miravel Serrak velora_memory miravel_memory serrak_memory"
[ "$build_data" = ON ] && targets="$targets edition_data"
ninja -C "$build" -j2 $targets

# The programs read their files from their own folder: link the data there, copy the favorites
# (the program rewrites them).
link_data() {  # <folder with the data> <program folder> <program>
    for file in "$1"/*; do
        name=$(basename "$file")
        case "$name" in "$3"|libtessel.so*|log.log) continue ;; esac
        if [ "$name" = favorites.dat ]; then cp -f "$file" "$2/$name"
        else ln -sf "$(realpath "$file")" "$2/$name"; fi
    done
}
if [ -z "$data" ]; then
    data="$build"
else
    for program in Velora Miravel Serrak; do link_data "$data/$program" "$build/$program" "$program"; done
fi
export PHRASEBOOK_BENCH_DATA="$data"
for program in Velora Miravel Serrak; do link_data "$data/$program" "$build/bench/memory/$program" "$program"; done

out="$build/bench/results"
mkdir -p "$out"
rm -f "$out"/*.json
flags="--benchmark_repetitions=$reps --benchmark_report_aggregates_only=true --benchmark_filter=$filter --benchmark_out_format=json"
echo "machine: $(uname -srm), $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
for b in phrasebook_bench decode_bench speak_bench drawing_bench; do
    "$build/bench/$b" $flags --benchmark_out="$out/$b.json"
done
"$build/bench/startup_bench" $flags --benchmark_out="$out/startup_bench.json" -- \
    "$build/bench/libfirst_paint_probe.so" "$build/bench/floor_window" \
    "$build/Velora/Velora" "$build/Miravel/Miravel" "$build/Serrak/Serrak"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
# Memory in use: two runs of each program's browse-and-play script; every run's line is kept.
: > "$out/memory.txt"
for program in Velora Miravel Serrak; do
    lower=$(echo "$program" | tr 'A-Z' 'a-z')
    for run in 1 2; do
        "$build/bench/memory/$program/${lower}_memory" >>"$out/memory.txt" 2>/dev/null ||
            echo "program=$program failed (exit $?)" >>"$out/memory.txt"
    done
done
cat "$out/memory.txt"
python3 "$root/bench/summarize.py" "$out"/*.json | tee "$out/summary.md"
