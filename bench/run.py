#!/usr/bin/python3
"""Start-up, memory, click latency and idle wake-ups of the window, against an
empty Qt window built the same way and one that draws a single Arabic word,
under Xvfb. Usage: bench/run.py PROBE [RUNS]"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

probe = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 40


def free_display():
    for n in range(90, 150):
        if not os.path.exists(f"/tmp/.X{n}-lock") and not os.path.exists(f"/tmp/.X11-unix/X{n}"):
            return f":{n}"
    sys.exit("no free X display")


display = free_display()
xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
env = dict(os.environ, DISPLAY=display, XDG_RUNTIME_DIR=tempfile.mkdtemp())
env.pop("QT_QPA_PLATFORM", None)
time.sleep(1)


def start(mode, then=None):
    args = [probe, mode] + ([then] if then else [])
    t0 = time.monotonic()
    child = subprocess.Popen(args, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             text=True)
    line = child.stdout.readline().split()
    # "painted KIB step MICROSECONDS step MICROSECONDS ..."
    steps = {name: int(us) / 1000 for name, us in zip(line[2::2], line[3::2])}
    return child, time.monotonic() - t0, int(line[1]), steps


def switches(pid):
    total = 0
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                total += int(line.split()[1])
    return total


try:
    modes = ("empty", "word", "form")
    times = {m: [] for m in modes}
    memory = {m: [] for m in modes}
    split = {m: {} for m in modes}
    for i in range(runs):
        # each mode starts first, second and last equally often
        for mode in modes[i % 3:] + modes[:i % 3]:
            child, seconds, kib, steps = start(mode)
            child.wait()
            times[mode].append(seconds * 1000)
            memory[mode].append(kib)
            for name, ms in steps.items():
                split[mode].setdefault(name, []).append(ms)

    child, _, _, _ = start("form", "clicks")
    clicks = child.stdout.readline().split()
    child.wait()

    idle = {}
    for mode in ("empty", "form"):
        child, _, _, _ = start(mode, "idle")
        time.sleep(1)
        before = switches(child.pid)
        time.sleep(10)
        idle[mode] = switches(child.pid) - before
        child.kill()
        child.wait()
finally:
    xvfb.kill()

t = {m: statistics.median(times[m]) for m in modes}
peak = {m: max(memory[m]) / 1024 for m in modes}
print(f"{runs} runs of each, in turn, Xvfb, {os.cpu_count()} cores")
print("| measure | empty Qt window | Qt window with one Arabic word | fruit-traits | goal |")
print("|---|---|---|---|---|")
print(f"| start to first painted frame, median | {t['empty']:.1f} ms | {t['word']:.1f} ms (ratio {t['word'] / t['empty']:.2f}) "
      f"| {t['form']:.1f} ms (ratio {t['form'] / t['empty']:.2f}; {t['form'] / t['word']:.2f} to one word) | ratio <= 1.10 |")
print(f"| peak resident memory | {peak['empty']:.1f} MiB | {peak['word']:.1f} MiB (+{peak['word'] - peak['empty']:.2f}) "
      f"| {peak['form']:.1f} MiB (+{peak['form'] - peak['empty']:.2f}; +{peak['form'] - peak['word']:.2f} to one word) | <= +3 MiB |")
print(f"| click to repainted m, p50 / p99 ({clicks[1]} clicks) | | | {int(clicks[3]) / 1e6:.3f} / {int(clicks[5]) / 1e6:.3f} ms | p99 < 1 ms |")
print(f"| context switches in 10 s idle | {idle['empty']} | | {idle['form']} | no more than empty |")
print()
print("In-process split of the start-up, medians in ms (from main() on; the rest is exec and loading libraries):")
print("| step | empty | one word | fruit-traits |")
print("|---|---|---|---|")
for name in split["form"]:
    print(f"| {name} | " + " | ".join(f"{statistics.median(split[m][name]):.1f}" for m in modes) + " |")
