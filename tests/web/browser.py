"""Headless Debian chromium driven through Selenium, for the page's tests."""

import os
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage", "--disable-quic",
    "--no-first-run", "--disable-background-networking", "--disable-component-update",
    "--disable-sync",
]


def start(downloads, width=1366, height=768):
    """A browser that saves downloads into `downloads` unasked."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for flag in FLAGS:
        options.add_argument(flag)
    options.add_argument(f"--window-size={width},{height}")
    options.add_argument("--user-data-dir=" + tempfile.mkdtemp(prefix="ventora-chromium-"))
    options.add_experimental_option(
        "prefs", {"download.default_directory": downloads, "download.prompt_for_download": False})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def wait(driver, condition):
    """Until `condition(driver)` holds; the page answers each step at once,
    the bound is only there so that a broken page fails instead of hanging."""
    WebDriverWait(driver, 60, poll_frequency=0.05).until(condition)


def open_page(driver, page):
    """Opens the page from disk and waits until its engine has started."""
    driver.get("file://" + os.path.abspath(page))
    wait(driver, lambda d: d.execute_script("return document.body.dataset.ready === 'true'"))
