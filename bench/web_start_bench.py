#!/usr/bin/env python3
"""How soon the browser edition is interactive: ventora.html opened from
disk in headless chromium, the time from the start of the navigation to the
moment the page's engine has started and the job is shown (the page's
performance mark "ventora-ready"), over several openings. The target is
1 s. Then the surroundings module, which the page starts only when the
user first opens Surroundings…: its size and the time from the click to its
start (the marks "ventora-surroundings-asked" and "-ready"). Not a test: it
reports, it does not judge.

  /usr/bin/python3 bench/web_start_bench.py build/web [OPENINGS]
"""

import os
import statistics
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import browser  # noqa: E402  (the browser tests' start-up, shared)
from selenium.webdriver.common.by import By  # noqa: E402


def main():
    site = sys.argv[1]
    openings = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    page = os.path.join(site, "ventora.html")
    driver = browser.start(os.path.abspath(site))
    try:
        times, surroundings = [], []
        for _ in range(openings):
            browser.open_page(driver, page)
            times.append(driver.execute_script(
                "return performance.getEntriesByName('ventora-ready')[0].startTime"))
            driver.find_element(By.ID, "surroundings-open").click()
            browser.wait(driver, lambda d: d.execute_script(
                "return performance.getEntriesByName('ventora-surroundings-ready').length > 0"))
            surroundings.append(driver.execute_script(
                "return performance.measure('surroundings', 'ventora-surroundings-asked', "
                "'ventora-surroundings-ready').duration"))
    finally:
        driver.quit()
    size = os.path.getsize(page) / 1e6
    print(f"ventora.html ({size:.2f} MB): interactive after {statistics.median(times):.0f} ms "
          f"(median of {openings}; fastest {min(times):.0f} ms, slowest {max(times):.0f} ms)")
    wasm, script = (os.path.getsize(os.path.join(site, f"surroundings.{e}")) / 1e3
                    for e in ("wasm", "js"))
    print(f"surroundings module (surroundings.wasm {wasm:.0f} kB, "
          f"surroundings.js {script:.0f} kB): "
          f"started {statistics.median(surroundings):.0f} ms after the first Surroundings… "
          f"(median of {openings}; fastest {min(surroundings):.0f} ms, "
          f"slowest {max(surroundings):.0f} ms)")


if __name__ == "__main__":
    main()
