"""Turns the JSON of bench/run.sh's rounds into one markdown report: per-draw medians of the draw
benchmark with their ratio to raw OpenGL at the same present cadence, and the demo's parts. Given a
baseline folder as well, each figure of the baseline stands beside this build's."""
import glob
import json
import os
import statistics
import sys


def load_rounds(folder, prefix):
    runs, order, context = {}, [], {}
    for path in sorted(glob.glob(os.path.join(folder, prefix + "_*.json"))):
        with open(path) as f:
            data = json.load(f)
        context = data.get("context", {})
        for b in data["benchmarks"]:
            name = b["name"].split("/min_time")[0]
            if name not in runs:
                order.append(name)
                runs[name] = {"cpu": [], "wall": [], "label": b.get("label", "")}
            scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3}[b["time_unit"]]
            runs[name]["cpu"].append(b["cpu_time"] * scale)
            runs[name]["wall"].append(b["real_time"] * scale)
    return order, runs, context


def medians(folder):
    order, runs, context = load_rounds(folder, "draw")
    p_order, p_runs, _ = load_rounds(folder, "present")
    for name in p_order:
        order.append(name + "@1024x768")
        runs[name + "@1024x768"] = p_runs[name]
    table = {}
    for name in order:
        r = runs[name]
        table[name] = (statistics.median(r["cpu"]), statistics.median(r["wall"]), r["label"])
    raw = {name.split("/")[1]: table[name] for name in order if name.startswith("BM_RawOpenGL/")}
    return order, table, raw, context


def cadence_of(name):
    parts = name.split("@")[0].split("/")
    return parts[1] if len(parts) > 1 else None


def ratio(value, base):
    return f"{value / base:.2f}" if base else ""


def draw_rows(this, baseline):
    order, table, raw, _ = this
    header = "| case | cadence | thread CPU us/draw | wall us/draw | CPU x raw GL | wall x raw GL |"
    rule = "|---|---|---:|---:|---:|---:|"
    if baseline:
        header += " baseline CPU us | baseline wall us | baseline CPU x raw GL | CPU this / baseline |"
        rule += "---:|---:|---:|---:|"
    rows = [header, rule]
    for name in order:
        cpu, wall, label = table[name]
        cadence = cadence_of(name)
        base = raw.get(cadence)
        shown = name.split("/")[0].split("@")[0][3:]
        row = (f"| {shown} | {cadence or label} | {cpu:.2f} | {wall:.2f} | "
               f"{ratio(cpu, base[0]) if base else ''} | {ratio(wall, base[1]) if base else ''} |")
        if baseline:
            _, b_table, b_raw, _ = baseline
            if name in b_table:
                b_cpu, b_wall, _ = b_table[name]
                b_base = b_raw.get(cadence)
                row += (f" {b_cpu:.2f} | {b_wall:.2f} | {ratio(b_cpu, b_base[0]) if b_base else ''} | "
                        f"{ratio(cpu, b_cpu)} |")
            else:
                row += " | | | |"
        rows.append(row)
    return "\n".join(rows)


def demo_runs_by_resolution(folder):
    """The demo's JSON files grouped by resolution: one whole run, or one per part."""
    runs = {}
    for path in sorted(glob.glob(os.path.join(folder, "demo_*.json"))):
        resolution = os.path.basename(path)[5:-5].split("_")[0]
        with open(path) as f:
            runs.setdefault(resolution, []).append(json.load(f))
    return runs


def demo_tables(folder, title):
    out = []
    for resolution, runs in demo_runs_by_resolution(folder).items():
        loading = statistics.median(run["loading_seconds"] for run in runs)
        shown = {}
        for run in runs:
            for p in run["parts"]:
                # A part run on its own also shows the frame before its first sync; the longest row wins.
                if p["part"] not in shown or p["frames"] > shown[p["part"]]["frames"]:
                    shown[p["part"]] = p
        out.append(f"\n### Demo --bench at {resolution}, {title} (loading {loading:.2f} s)\n")
        out.append("| part | frames | median ms | p95 ms | worst ms | median fps | p95 / median |")
        out.append("|---:|---:|---:|---:|---:|---:|---:|")
        for p in sorted(shown.values(), key=lambda p: p["part"]):
            spread = p["p95_ms"] / p["median_ms"] if p["median_ms"] else 0
            out.append(f"| {p['part']} | {p['frames']} | {p['median_ms']:.2f} | {p['p95_ms']:.2f} | "
                       f"{p['worst_ms']:.2f} | {p['median_fps']:.1f} | {spread:.2f} |")
    return "\n".join(out)


def main(folder, baseline_folder=None):
    this = medians(folder)
    baseline = medians(baseline_folder) if baseline_folder else None
    rounds = len(glob.glob(os.path.join(folder, "draw_*.json")))
    load = this[3].get("load_avg", [])
    print(f"## Draw benchmark: medians of {rounds} rounds" + (", interleaved with the baseline" if baseline else ""))
    print(f"\nLoad average at the last round: {', '.join(f'{x:.2f}' for x in load)}; "
          f"{this[3].get('num_cpus', '?')} CPUs. EmptyFramePresent is per frame, at the size it names.\n")
    print(draw_rows(this, baseline))
    if baseline_folder:
        print(demo_tables(baseline_folder, "baseline"))
    print(demo_tables(folder, "this build"))


if __name__ == "__main__":
    main(*sys.argv[1:3])
