"""Start-up and memory benchmark: the calculator against a bare Qt window (the floor).

Run inside an X server (bench/startup.sh starts Xvfb). Starts the two programs in turn, many
times, and for each start measures the time from exec until its window is mapped, then, once
the window shows, its resident and proportional memory (RSS and PSS, from
/proc/PID/smaps_rollup). Prints medians, ranges and the ratios program/floor.
"""
import argparse
import os
import signal
import statistics
import subprocess
import time

from Xlib import X, display


def wait_for_map(conn, pid, deadline):
    """Waits for the MapNotify of a top-level window whose _NET_WM_PID is pid."""
    pid_atom = conn.intern_atom("_NET_WM_PID")
    while time.monotonic() < deadline:
        while conn.pending_events():
            event = conn.next_event()
            if event.type != X.MapNotify:
                continue
            mapped_at = time.perf_counter()
            prop = event.window.get_full_property(pid_atom, X.AnyPropertyType)
            if prop is not None and prop.value[0] == pid:
                return mapped_at
        time.sleep(0.0005)
    raise TimeoutError(f"process {pid} mapped no window")


def memory_kib(pid):
    fields = {}
    with open(f"/proc/{pid}/smaps_rollup") as rollup:
        for line in rollup:
            name, _, rest = line.partition(":")
            if name in ("Rss", "Pss"):
                fields[name] = int(rest.split()[0])
    return fields["Rss"], fields["Pss"]


def measure(conn, command, settle):
    conn.sync()
    while conn.pending_events():  # drop what earlier runs left
        conn.next_event()
    started = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        mapped = wait_for_map(conn, process.pid, time.monotonic() + 20)
        time.sleep(settle)  # let it paint and go idle before reading its memory
        rss, pss = memory_kib(process.pid)
    finally:
        process.send_signal(signal.SIGTERM)
        process.wait()
    return (mapped - started) * 1000, rss, pss


def summary(values):
    return statistics.median(values), min(values), max(values)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("program")
    parser.add_argument("floor")
    parser.add_argument("--runs", type=int, default=30)
    parser.add_argument("--settle", type=float, default=0.3)
    args = parser.parse_args()

    conn = display.Display()
    conn.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
    names = {"program": args.program, "floor": args.floor}
    results = {name: [] for name in names}
    measure(conn, [args.floor], args.settle)  # warm the disk cache for both
    measure(conn, [args.program], args.settle)
    for _ in range(args.runs):  # in turn, so that drift on the machine hits both alike
        for name, command in names.items():
            results[name].append(measure(conn, [command], args.settle))

    print(f"{args.runs} starts of each, in turn, under {os.environ.get('DISPLAY')}")
    print(f"{'':9}{'start-up ms':>26}{'RSS KiB':>26}{'PSS KiB':>26}")
    print(f"{'':9}" + f"{'median  (min-max)':>26}" * 3)
    medians = {}
    for name in names:
        row = []
        for column in range(3):
            median, low, high = summary([r[column] for r in results[name]])
            medians[(name, column)] = median
            row.append(f"{median:10.1f}  ({low:.1f}-{high:.1f})".rjust(26))
        print(f"{name:9}" + "".join(row))
    ratios = [medians[("program", c)] / medians[("floor", c)] for c in range(3)]
    print(f"{'ratio':9}" + "".join(f"{r:26.3f}" for r in ratios))


if __name__ == "__main__":
    main()
