"""Turns the JSON of bench/run.sh's rounds into one markdown report: per-draw medians of the draw
benchmark with their ratio to raw OpenGL at the same present cadence, and the demo's parts."""
import glob
import json
import os
import statistics
import sys


def load_rounds(folder, prefix):
    runs = {}
    order = []
    for path in sorted(glob.glob(os.path.join(folder, prefix + "_*.json"))):
        with open(path) as f:
            data = json.load(f)
        for b in data["benchmarks"]:
            name = b["name"].replace("/min_time:0.500", "")
            if name not in runs:
                order.append(name)
                runs[name] = {"cpu": [], "wall": [], "label": b.get("label", "")}
            scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[b["time_unit"]]
            runs[name]["cpu"].append(b["cpu_time"] * scale)
            runs[name]["wall"].append(b["real_time"] * scale)
    return order, runs, data.get("context", {})


def cadence_of(name):
    parts = name.split("/")
    return parts[1] if len(parts) > 1 else None


def draw_table(order, runs):
    raw = {cadence_of(n): runs[n] for n in order if n.startswith("BM_RawOpenGL/")}
    rows = ["| case | cadence | thread CPU us/draw | wall us/draw | CPU x raw GL | wall x raw GL |",
            "|---|---|---:|---:|---:|---:|"]
    for name in order:
        r = runs[name]
        cpu, wall = statistics.median(r["cpu"]), statistics.median(r["wall"])
        cadence = cadence_of(name)
        base = raw.get(cadence)
        ratio_cpu = f"{cpu / statistics.median(base['cpu']):.2f}" if base else ""
        ratio_wall = f"{wall / statistics.median(base['wall']):.2f}" if base else ""
        rows.append(f"| {name.split('/')[0][3:]} | {cadence or r['label']} | {cpu:.2f} | {wall:.2f} | "
                    f"{ratio_cpu} | {ratio_wall} |")
    return "\n".join(rows)


def demo_tables(folder):
    out = []
    for path in sorted(glob.glob(os.path.join(folder, "demo_*.json"))):
        resolution = os.path.basename(path)[5:-5]
        with open(path) as f:
            data = json.load(f)
        out.append(f"\n### Demo --bench at {resolution} (loading {data['loading_seconds']:.2f} s)\n")
        out.append("| part | frames | median ms | p95 ms | worst ms | median fps | p95 / median |")
        out.append("|---:|---:|---:|---:|---:|---:|---:|")
        for p in data["parts"]:
            spread = p["p95_ms"] / p["median_ms"] if p["median_ms"] else 0
            out.append(f"| {p['part']} | {p['frames']} | {p['median_ms']:.2f} | {p['p95_ms']:.2f} | "
                       f"{p['worst_ms']:.2f} | {p['median_fps']:.1f} | {spread:.2f} |")
    return "\n".join(out)


def main(folder):
    order, runs, context = load_rounds(folder, "draw")
    rounds = len(glob.glob(os.path.join(folder, "draw_*.json")))
    load = context.get("load_avg", [])
    print(f"## Draw benchmark: medians of {rounds} rounds")
    print(f"\nLoad average at the last round: {', '.join(f'{x:.2f}' for x in load)}; "
          f"{context.get('num_cpus', '?')} CPUs.\n")
    print(draw_table(order, runs))
    p_order, p_runs, _ = load_rounds(folder, "present")
    for name in p_order:
        r = p_runs[name]
        print(f"| EmptyFramePresent | {r['label']} | {statistics.median(r['cpu']):.2f} | "
              f"{statistics.median(r['wall']):.2f} | | |")
    print(demo_tables(folder))


if __name__ == "__main__":
    main(sys.argv[1])
