"""The browser the page's tests share, its downloads folder, and the page
opened afresh from disk for each test."""

import os

import pytest

import browser

SITE = os.environ["VENTORA_WEB_SITE"]


@pytest.fixture(scope="module")
def downloads(tmp_path_factory):
    return str(tmp_path_factory.mktemp("downloads"))


@pytest.fixture(scope="module")
def driver(downloads):
    d = browser.start(downloads)
    yield d
    d.quit()


@pytest.fixture
def page(driver):
    browser.open_page(driver, os.path.join(SITE, "ventora.html"))
    return driver
