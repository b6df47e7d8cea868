"""The live bench's figures: click-to-glass latency in headless Chromium,
the server's CPU while running at 1x and 16x with the page open, and its
resident memory at the start and after a long run at 16x.

Usage: live_figures.py BENCH [--minutes N] [--clicks N]
(BENCH: a release build's skelbor-bench; Debian's python3 with python3-selenium)"""

import argparse
import os
import statistics
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "serve"))
import live_page as lp  # noqa: E402

TICKS = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS  # utime + stime


def resident_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return float("nan")


def cpu_share(pid, seconds):
    start_cpu, start = cpu_seconds(pid), time.monotonic()
    time.sleep(seconds)
    return 100 * (cpu_seconds(pid) - start_cpu) / (time.monotonic() - start)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("bench")
    parser.add_argument("--minutes", type=float, default=10)
    parser.add_argument("--clicks", type=int, default=50)
    arguments = parser.parse_args()

    server = lp.Server(arguments.bench)
    pid = server.process.pid
    driver = lp.chromium()
    try:
        lp.open_page(driver, server)
        time.sleep(2)
        print(f"resident memory at start: {resident_mb(pid):.2f} MB", flush=True)

        # Click-to-glass: from the mouse going down on ^ or V to the face that
        # answered it shown (decoded, the next animation frame), as the page
        # measures it; one click at a time.
        for i in range(arguments.clicks):
            count = len(driver.execute_script("return window.skelbor.latencies"))
            lp.mouse(driver, "^" if i % 2 == 0 else "V")
            lp.wait_for(lambda: len(driver.execute_script("return window.skelbor.latencies")) > count,
                        5, "the face to answer click %d" % (i + 1))
            time.sleep(0.15)
        latencies = driver.execute_script("return window.skelbor.latencies")[-arguments.clicks:]
        print(f"click-to-glass over {len(latencies)} clicks: median {statistics.median(latencies):.1f} ms, "
              f"worst {max(latencies):.1f} ms", flush=True)

        print(f"server CPU at 1x with the page open: {cpu_share(pid, 30):.1f} % of one core", flush=True)
        server.call("POST", "/api/rate", {"rate": 16})
        print(f"server CPU at 16x with the page open: {cpu_share(pid, 30):.1f} % of one core", flush=True)

        start_mb = resident_mb(pid)
        deadline = time.monotonic() + arguments.minutes * 60
        while time.monotonic() < deadline:
            time.sleep(min(60, max(0, deadline - time.monotonic())))
            print(f"  {resident_mb(pid):.2f} MB after {arguments.minutes * 60 - (deadline - time.monotonic()):.0f} s "
                  f"at 16x, simulated {server.state()['simTime'] / 3600:.2f} h", flush=True)
        end_mb = resident_mb(pid)
        print(f"resident memory after {arguments.minutes:g} minutes at 16x: {end_mb:.2f} MB "
              f"({end_mb - start_mb:+.2f} MB)", flush=True)
        errors = lp.console_errors(driver)
        if errors:
            print("JavaScript errors:", *errors, sep="\n  ")
            return 1
    finally:
        lp.close(driver)
        server.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
