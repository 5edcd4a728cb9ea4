#!/usr/bin/env python3
"""The browser edition's sweep beside ventora-run's, on the same machine:
the 2,000-element job of bench_job.h swept at 10 degrees for the CSV
export, in headless chromium (from the click on Sweep and export to the
export made and its plot drawn: the page's performance measure
"ventora-sweep", the boxes of the checks' warnings aside) and by
ventora-run --sweep=10 --format=csv (the whole process, reading the job and
writing the file included), the medians of several of each. The target is 3 times ventora-run's time at most; the
engine's WebAssembly is to stay under 3 MB. Not a test: it reports, it does
not judge.

  /usr/bin/python3 bench/web_sweep_bench.py build/web build/release [SWEEPS]
"""

import os
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import browser  # noqa: E402  (the browser tests' start-up, shared)
from selenium.webdriver.common.by import By  # noqa: E402


def native(build, job, sweeps):
    times = []
    for _ in range(sweeps):
        start = time.perf_counter()
        subprocess.run([os.path.join(build, "src", "cli", "ventora-run"), "--sweep=10",
                        "--format=csv", job], check=True, capture_output=True)
        times.append((time.perf_counter() - start) * 1000)
    return times


def in_browser(site, job, sweeps):
    folder = os.path.dirname(job)
    driver = browser.start(folder)
    try:
        browser.open_page(driver, os.path.join(site, "ventora.html"))
        driver.find_element(By.ID, "job-file").send_keys(job)
        browser.wait(driver, lambda d: "Opened" in d.find_element(By.ID, "messages").text)
        driver.find_element(By.ID, "tab-sweep").click()
        times = []
        for n in range(1, sweeps + 1):
            driver.find_element(By.ID, "sweep").click()
            browser.wait(driver, lambda d: d.execute_script(
                "return performance.getEntriesByName('ventora-sweep').length") == n)
            # The checks' warnings, confirmed as a user does.
            while driver.find_element(By.ID, "message-box").get_attribute("open") is not None:
                driver.find_element(By.CSS_SELECTOR, "#message-box button").click()
            times.append(driver.execute_script(
                "return performance.getEntriesByName('ventora-sweep')[arguments[0]].duration", n - 1))
        return times
    finally:
        driver.quit()


def main():
    site, build = sys.argv[1], sys.argv[2]
    sweeps = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    with tempfile.TemporaryDirectory(prefix="ventora-web-sweep-") as folder:
        subprocess.run([os.path.join(build, "bench", "write_bench_jobs"), folder], check=True)
        job = os.path.join(folder, "bench-2000.in")
        cli = statistics.median(native(build, job, sweeps))
        times = in_browser(site, job, sweeps)
    page = statistics.median(times)
    wasm = os.path.getsize(os.path.join(site, "engine.wasm")) / 1e6
    # The first sweep of a job also lists its elements to choose from.
    print(f"2,000 elements swept at 10 deg. (CSV): ventora-run {cli:.0f} ms, page {page:.0f} ms "
          f"= {page / cli:.2f} x (medians of {sweeps}; the page's first sweep {times[0]:.0f} ms); "
          f"engine.wasm {wasm:.2f} MB")


if __name__ == "__main__":
    main()
