#!/usr/bin/env python3
"""Screenshots of the browser edition for the guide and the README, in
headless chromium: an example job at 1366 x 768 and on a 390-pixel-wide
phone, each in the light and the dark theme, and at 1366 x 768 its Cp map
(also with the spread layer on), its sweep's plot and the surroundings of a
Delft site.

  /usr/bin/python3 web/screenshots.py build/web docs/images
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
import browser  # noqa: E402  (the browser tests' start-up, shared)
from selenium.webdriver.common.by import By  # noqa: E402

# name, width, height, dark, phone, what is shown: None (the job), a tab,
# "spread", the Cp map's tab with that layer on, or the "surroundings" panel
SHOTS = [("web-1366x768.png", 1366, 768, False, False, None),
         ("web-1366x768-dark.png", 1366, 768, True, False, None),
         ("web-phone.png", 390, 844, False, True, None),
         ("web-phone-dark.png", 390, 844, True, True, None),
         ("web-cpmap.png", 1366, 768, False, False, "tab-map"),
         ("web-cpmap-spread.png", 1366, 768, False, False, "spread"),
         ("web-sweep.png", 1366, 768, False, False, "tab-sweep"),
         ("web-surroundings.png", 1366, 768, False, False, "surroundings")]


def surroundings(driver, source):
    """The panel with a Delft CityJSON file's table at a site."""
    driver.find_element(By.ID, "surroundings-open").click()
    browser.wait(driver, lambda d: d.find_element(By.ID, "surroundings-compute").is_enabled())
    driver.find_element(By.ID, "surroundings-file").send_keys(
        os.path.abspath(os.path.join(source, "tests", "data", "surroundings", "delft.city.json")))
    browser.wait(driver, lambda d: d.find_element(By.ID, "surroundings-file-name")
                 .get_attribute("data-name") == "delft.city.json")
    for field, value in (("site", "84950,447540"), ("radius", "100"), ("sectors", "4")):
        driver.find_element(By.ID, f"surroundings-{field}").clear()
        driver.find_element(By.ID, f"surroundings-{field}").send_keys(value)
    driver.find_element(By.ID, "surroundings-compute").click()
    browser.wait(driver, lambda d: d.find_elements(By.CSS_SELECTOR, "#surroundings-table tbody tr"))
    driver.execute_script("document.getElementById('surroundings').scrollIntoView()")


def shoot(driver, site, source, images, shot):
    name, width, height, dark, phone, tab = shot
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": 1, "mobile": phone})
    browser.open_page(driver, os.path.join(site, "ventora.html"))
    # The low house's gable has spreads wider than 0.2; the office block none.
    job = "low-house.in" if tab == "spread" else "office-block.in"
    driver.find_element(By.ID, "job-file").send_keys(
        os.path.abspath(os.path.join(source, "examples", job)))
    browser.wait(driver, lambda d: "Opened" in d.find_element(By.ID, "messages").text)
    if dark:
        driver.find_element(By.ID, "theme").click()
    if tab == "surroundings":
        surroundings(driver, source)
        driver.save_screenshot(os.path.join(images, name))
        return
    driver.find_element(By.CSS_SELECTOR, '[data-facade="2"]').click()
    driver.find_element(By.ID, "run").click()
    browser.wait(driver, lambda d: "Run of" in d.find_element(By.ID, "messages").text)
    if tab is None:
        driver.execute_script("window.scrollTo(0, 0)")
    else:
        driver.find_element(By.ID, "tab-map" if tab == "spread" else tab).click()
        if tab == "spread":
            driver.find_element(By.ID, "map-spread").click()
            browser.wait(driver, lambda d: d.find_elements(By.CSS_SELECTOR, "#cp-map .spread"))
        if tab == "tab-sweep":
            driver.find_element(By.ID, "sweep").click()
            browser.wait(driver, lambda d: "Exported" in d.find_element(By.ID, "messages").text)
        driver.execute_script("document.querySelector('.results').scrollIntoView()")
    driver.save_screenshot(os.path.join(images, name))


def main():
    site, images = sys.argv[1], sys.argv[2]
    source = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    downloads = os.path.join(images, ".downloads")
    driver = browser.start(downloads)
    try:
        for shot in SHOTS:
            shoot(driver, site, source, images, shot)
    finally:
        driver.quit()
        for name in os.listdir(downloads) if os.path.isdir(downloads) else []:
            os.remove(os.path.join(downloads, name))
        if os.path.isdir(downloads):
            os.rmdir(downloads)


if __name__ == "__main__":
    main()
