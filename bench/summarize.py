#!/usr/bin/env python3
"""Reads the JSON files the benchmarks wrote and prints Markdown tables: the median of every
benchmark's repetitions (wall and CPU time), and the ratios of each subject to its floor or peer
taken from the same run. Used by run.sh; prints figures, judges nothing."""
import json
import re
import sys

UNIT_TO_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def load(paths):
    rows = {}
    for path in paths:
        with open(path) as f:
            data = json.load(f)
        for b in data.get("benchmarks", []):
            if b.get("error_occurred"):
                rows[b.get("run_name", b["name"])] = {"error": b.get("error_message", "error")}
                continue
            # One repetition runs no aggregates; several report a median.
            if b.get("run_type") == "aggregate" and b.get("aggregate_name") != "median":
                continue
            name = b.get("run_name", b["name"])
            if b.get("run_type") == "iteration" and name in rows:
                continue
            scale = UNIT_TO_MS[b.get("time_unit", "ns")]
            skip = {"name", "run_name", "run_type", "repetitions", "repetition_index", "threads",
                    "iterations", "real_time", "cpu_time", "time_unit", "family_index",
                    "per_family_instance_index", "aggregate_name", "aggregate_unit", "label"}
            counters = {k: v for k, v in b.items() if k not in skip and isinstance(v, (int, float))}
            rows[name] = {"wall_ms": b["real_time"] * scale, "cpu_ms": b["cpu_time"] * scale,
                          # Manual time is the wall time the benchmark measured itself; its CPU
                          # time covers the whole iteration, so it is not shown.
                          "manual": "manual_time" in name,
                          "counters": counters, "label": b.get("label", "")}
    return rows


def short(name):
    return re.sub(r"/(iterations:\d+|manual_time|real_time)", "", name)


def fmt(ms):
    if ms >= 100:
        return f"{ms:.0f} ms"
    if ms >= 1:
        return f"{ms:.2f} ms"
    return f"{ms * 1000:.1f} µs"


def main(paths):
    rows = load(paths)
    by_short = {short(n): r for n, r in rows.items()}
    print("| benchmark | median wall | median CPU | counters |")
    print("|---|---|---|---|")
    for name, r in by_short.items():
        if "error" in r:
            print(f"| {name} | — | — | not run: {r['error']} |")
            continue
        counters = ", ".join(f"{k}={v:.4g}" for k, v in r["counters"].items())
        if r["label"]:
            counters += f" ({r['label']})"
        cpu = "—" if r["manual"] else fmt(r["cpu_ms"])
        print(f"| {name} | {fmt(r['wall_ms'])} | {cpu} | {counters} |")

    # subject pattern -> floor or peer name
    pairs = [
        (r"^Load/(.*)$", r"ReadFloor/\1", "Load / read floor"),
        (r"^Search/(.*)$", r"ScanFloor/\1", "Search / scan floor"),
        (r"^DecodeClip/(.*)$", r"Mpg123/\1", "DecodeClip time / mpg123 time"),
        (r"^DecodeClip/(.*)$", r"Mpg123/\1/generic", "DecodeClip time / mpg123 (generic) time"),
        (r"^Speak/NullSink/(.*)$", r"DecodeOnly/\1", "speak latency / decode"),
        (r"^Speak/Pulse/(.*)$", r"DecodeOnly/\1", "speak latency (sound server) / decode"),
        (r"^RasterPaint/TranslationBox/.*$", r"RasterFill/224x58", "paint / fill"),
        (r"^RasterPaint/PinyinBox/.*$", r"RasterFill/224x36", "paint / fill"),
        (r"^PainterPaint/TranslationBox/.*$", r"PainterFill/224x58", "paint / fill"),
        (r"^PainterPaint/PinyinBox/.*$", r"PainterFill/224x36", "paint / fill"),
        (r"^Startup/(?!Floor$).*$", r"Startup/Floor", "start-up / bare window"),
        (r"^Startup/(?!Floor).*$", r"Startup/FloorWithText", "start-up / bare window with a line of text"),
    ]
    print()
    print("| subject | reference | ratio (wall) | ratio (CPU) | difference (wall) | difference (CPU) |")
    print("|---|---|---|---|---|---|")
    for name, r in by_short.items():
        if "error" in r:
            continue
        for pattern, ref_template, what in pairs:
            if not re.match(pattern, name):
                continue
            ref = re.sub(pattern, ref_template, name)
            f = by_short.get(ref)
            if not f or "error" in f or f["wall_ms"] == 0 or f["cpu_ms"] == 0:
                continue
            manual = r["manual"] or f["manual"]
            cpu_ratio = "—" if manual else f"{r['cpu_ms'] / f['cpu_ms']:.2f}"
            cpu_diff = "—" if manual else fmt(r["cpu_ms"] - f["cpu_ms"])
            print(f"| {name} | {ref} ({what}) | {r['wall_ms'] / f['wall_ms']:.2f} | {cpu_ratio} | "
                  f"{fmt(r['wall_ms'] - f['wall_ms'])} | {cpu_diff} |")
            if name.startswith("Startup/"):
                peak, floor_peak = r["counters"].get("peak_kb"), f["counters"].get("peak_kb")
                if peak and floor_peak:
                    print(f"| {name} peak memory | {ref} peak memory | {peak / floor_peak:.2f} | | "
                          f"{(peak - floor_peak) / 1024:.1f} MiB | |")


if __name__ == "__main__":
    main(sys.argv[1:])
