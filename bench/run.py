#!/usr/bin/python3
"""Start-up, memory, click latency and idle wake-ups of the window, against an
empty Qt window built the same way, under Xvfb. Usage: bench/run.py PROBE [RUNS]"""
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
    return child, time.monotonic() - t0, int(line[1])


def switches(pid):
    total = 0
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith(("voluntary_ctxt_switches", "nonvoluntary_ctxt_switches")):
                total += int(line.split()[1])
    return total


try:
    times = {"empty": [], "form": []}
    memory = {"empty": [], "form": []}
    for i in range(runs):
        for mode in (("empty", "form") if i % 2 == 0 else ("form", "empty")):
            child, seconds, kib = start(mode)
            child.wait()
            times[mode].append(seconds * 1000)
            memory[mode].append(kib)

    child, _, _ = start("form", "clicks")
    clicks = child.stdout.readline().split()
    child.wait()

    idle = {}
    for mode in ("empty", "form"):
        child, _, _ = start(mode, "idle")
        time.sleep(1)
        before = switches(child.pid)
        time.sleep(10)
        idle[mode] = switches(child.pid) - before
        child.kill()
        child.wait()
finally:
    xvfb.kill()

te, tf = statistics.median(times["empty"]), statistics.median(times["form"])
me, mf = max(memory["empty"]), max(memory["form"])
print(f"{runs} alternating runs of each, Xvfb, {os.cpu_count()} cores")
print(f"| measure | empty Qt window | fruit-traits | goal |")
print(f"|---|---|---|---|")
print(f"| start to first painted frame, median | {te:.1f} ms | {tf:.1f} ms (ratio {tf / te:.3f}) | ratio <= 1.10 |")
print(f"| peak resident memory | {me / 1024:.1f} MiB | {mf / 1024:.1f} MiB (+{(mf - me) / 1024:.2f} MiB) | <= +3 MiB |")
print(f"| click to repainted m, p50 / p99 ({clicks[1]} clicks) | | {int(clicks[3]) / 1e6:.3f} / {int(clicks[5]) / 1e6:.3f} ms | p99 < 1 ms |")
print(f"| context switches in 10 s idle | {idle['empty']} | {idle['form']} | no more than empty |")
