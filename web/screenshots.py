#!/usr/bin/env python3
"""Screenshots of the browser edition for the guide and the README: an
example job at 1366 x 768 in the light theme and on a 390-pixel-wide phone
in the dark theme, in headless chromium.

  /usr/bin/python3 web/screenshots.py build/web docs/images
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import browser  # noqa: E402  (the browser tests' start-up, shared)
from selenium.webdriver.common.by import By  # noqa: E402

SHOTS = [("web-1366x768.png", 1366, 768, False, False), ("web-phone-dark.png", 390, 844, True, True)]


def main():
    site, images = sys.argv[1], sys.argv[2]
    source = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    driver = browser.start(images)
    try:
        for name, width, height, dark, mobile in SHOTS:
            driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                "width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile})
            browser.open_page(driver, os.path.join(site, "ventora.html"))
            driver.find_element(By.ID, "job-file").send_keys(
                os.path.abspath(os.path.join(source, "examples", "office-block.in")))
            browser.wait(driver, lambda d: "Opened" in d.find_element(By.ID, "messages").text)
            if dark:
                driver.find_element(By.ID, "theme").click()
            driver.find_element(By.CSS_SELECTOR, '[data-facade="2"]').click()
            driver.execute_script("window.scrollTo(0, 0)")
            driver.save_screenshot(os.path.join(images, name))
    finally:
        driver.quit()


if __name__ == "__main__":
    main()
