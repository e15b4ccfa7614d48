"""`make bench`: every figure beside its baseline, measured in the same run, in one table.

Usage: run_bench.py QUADREL_BENCH MINIMAL_WINDOW QUADREL [--markdown FILE]
"""
import json
import os
import platform
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))

# figure, our benchmark, baseline benchmark, target ratio (ours / baseline <= target)
IN_PROCESS = [
    ("LoadShowList, 1,000,000 items", "LoadShowList_Million", "Baseline_ReadLinesIntoVector", 2.0),
    ("load list into the window, 1,000,000 items", "Window_LoadList_Million",
     "Baseline_ReadLinesIntoVector", 2.0),
    ("SaveShowList, 1,000,000 items", "SaveShowList_Million", "Baseline_OneWriteCall", 1.5),
    ("SaveShowList against one flushed write (fsync)", "SaveShowList_Million",
     "Baseline_OneWriteCallFlushed", 1.5),
    ("Show window key Right, 1,000,000 items", "ShowKey_Right_Million",
     "Baseline_ShowKey_Right_Empty", 1.2),
    ("Show window key Right, 10 items", "ShowKey_Right_TenItems",
     "Baseline_ShowKey_Right_Empty", 1.2),
    ("drag-move 1,000 scattered in 1,000,000", "DragMove_ThousandScatteredInMillion",
     "Baseline_CopyMillionVector", 5.0),
    ("window drop 1,000 scattered in 1,000,000", "Window_DragDrop_ThousandScatteredInMillion",
     "Baseline_CopyMillionVector", 5.0),
    ("Clear 500,000 selected", "ClearSelected_HalfMillionScattered", "Baseline_CopyMillionVector",
     5.0),
    ("window Clear 500,000 selected", "Window_Clear_HalfMillionInOneRange",
     "Baseline_CopyMillionVector", 5.0),
]


def in_process_rows(bench_binary):
    with tempfile.NamedTemporaryFile(suffix=".json") as out:
        subprocess.run([bench_binary, f"--benchmark_out={out.name}", "--benchmark_out_format=json"],
                       check=True, stdout=sys.stderr)
        results = json.load(open(out.name))
    ms = {}
    for b in results["benchmarks"]:
        name = b["name"].split("/")[0]
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
        ms[name] = b["real_time"] * scale
    for figure, ours, base, target in IN_PROCESS:
        if ours in ms and base in ms:
            yield dict(figure=figure, ours=ms[ours], baseline=ms[base], unit="ms", kind="ratio",
                       target=target)


def process_rows(minimal, quadrel):
    env = dict(os.environ, QUADREL_BIN=quadrel)
    proc = subprocess.run([sys.executable, os.path.join(HERE, "process", "process_figures.py"),
                           minimal], env=env, capture_output=True, text=True)
    for line in proc.stdout.splitlines():
        yield json.loads(line)
    if proc.returncode:
        yield dict(figure="process figures", error=proc.stderr.strip()[-300:])


def verdict(row):
    ours, base, target = row["ours"], row["baseline"], row["target"]
    if row["kind"] == "ratio":
        value = ours / base
        return f"{value:.2f} x", f"<= {target} x", value <= target
    if row["kind"] == "plus":
        value = ours - base
        return f"{value:+.1f} {row['unit']}", f"<= +{target} {row['unit']}", value <= target
    value = ours - base
    return f"{value:+.1f} {row['unit']}", f"<= +{target} {row['unit']}", value <= target


def amount(value, unit):
    """A figure in its unit, or in microseconds below a millisecond, so key handlers stay legible."""
    if unit == "ms" and value < 1:
        return f"{value * 1000:.2f} us"
    return f"{value:.2f} {unit}"


def table(rows):
    lines = ["| figure | ours | baseline | ratio / overhead | target | met |",
             "|---|---|---|---|---|---|"]
    for row in rows:
        if "error" in row:
            lines.append(f"| {row['figure']} | not measured: {row['error']} | | | | no |")
            continue
        shown, target, met = verdict(row)
        lines.append(f"| {row['figure']} | {amount(row['ours'], row['unit'])} | "
                     f"{amount(row['baseline'], row['unit'])} | {shown} | {target} | "
                     f"{'yes' if met else 'NO'} |")
    return "\n".join(lines)


def machine():
    cpu = "unknown"
    try:
        for line in open("/proc/cpuinfo"):
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    except OSError:
        pass
    return f"{platform.system()} {platform.release()}, {os.cpu_count()} cores, {cpu}"


def main():
    bench, minimal, quadrel = sys.argv[1:4]
    rows = list(in_process_rows(bench)) + list(process_rows(minimal, quadrel))
    text = f"Machine: {machine()}\n\n{table(rows)}\n"
    print(text)
    if "--markdown" in sys.argv:
        with open(sys.argv[sys.argv.index("--markdown") + 1], "w") as f:
            f.write(text)


if __name__ == "__main__":
    main()
