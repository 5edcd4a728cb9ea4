"""The browser edition driven as a user drives it, in headless chromium:
every job opened and saved gives the desktop's bytes back, a damaged file
and a refused value give the desktop's words and change nothing, the meshes
fill the grid, and both the single file and the hosted page start (the
hosted page's surroundings module when they are first opened) and run."""

import functools
import glob
import http.server
import os
import threading

import pytest
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import browser

SITE = os.environ["VENTORA_WEB_SITE"]
SOURCE = os.environ["VENTORA_SOURCE"]
# Files as the desktop program writes their jobs: saving what was opened
# gives them back byte for byte.
JOBS = sorted(glob.glob(os.path.join(SOURCE, "examples", "*.in")) +
              glob.glob(os.path.join(SOURCE, "tests", "data", "run", "*.in")) +
              glob.glob(os.path.join(SOURCE, "tests", "data", "editing", "*.in")))


def by_id(driver, name):
    return driver.find_element(By.ID, name)


def open_job(driver, path):
    by_id(driver, "job-file").send_keys(path)


def messages(driver):
    return by_id(driver, "messages").text


def close_box(driver):
    """Confirms the message box the page shows, and returns its text."""
    box = by_id(driver, "message-box")
    browser.wait(driver, lambda d: box.get_attribute("open") is not None)
    text = by_id(driver, "message-text").text
    box.find_element(By.TAG_NAME, "button").click()
    return text


def save(driver, downloads, name):
    """Saves the job and returns the bytes the browser downloaded."""
    target = os.path.join(downloads, name)
    if os.path.exists(target):
        os.remove(target)
    by_id(driver, "save-job").click()
    browser.wait(driver, lambda d: os.path.exists(target) and os.path.getsize(target) > 0)
    with open(target, "rb") as f:
        return f.read()


def write(tmp_path, name, data):
    path = tmp_path / name
    path.write_bytes(data)
    return str(path)


@pytest.mark.parametrize("job", JOBS, ids=os.path.basename)
def test_a_job_opened_and_saved_gives_the_desktops_bytes(page, downloads, job):
    open_job(page, job)
    browser.wait(page, lambda d: "Opened " + os.path.basename(job) in messages(d))
    with open(job, "rb") as f:
        assert save(page, downloads, os.path.basename(job)) == f.read()


def test_a_damaged_job_file_is_refused_in_the_desktops_words_and_changes_nothing(
        page, downloads, tmp_path):
    job = os.path.join(SOURCE, "examples", "low-house.in")
    open_job(page, job)
    damaged = write(tmp_path, "cut.in", b" 0 30 0 6 6 12 8 .16 2 30\r\n 1 \r\n 3 \r\n 1  2 1.5\r\n")
    open_job(page, damaged)
    assert close_box(page) == (
        'Job file "cut.in", line 4: the file ends after 1 of the 3 elements of facade 1.')
    assert by_id(page, "job-name").text == "low-house.in"
    with open(job, "rb") as f:
        assert save(page, downloads, "low-house.in") == f.read()


def test_a_header_line_that_lacks_values_opens_with_the_desktops_warning(page, tmp_path):
    open_job(page, write(tmp_path, "header.in", b" 0 30 x\r\n"))
    assert close_box(page) == (
        "header.in, line 1: the header line does not hold the job's ten values.\n"
        "These could not be read and are shown as 0: PAD, SbH, Bdz, BdX, BdY, VeEXP, Islope, "
        "Phi.\n\nCheck them under Edit, Environment before you run the job. Save will ask "
        "before it writes over this file.")
    assert by_id(page, "field-AnWind").get_attribute("value") == "30"


REFUSED = [
    ("Phi", "80", "Roof tilt Phi 80 deg. is outside the accepted range 0 \u2264 Phi < 50."),
    ("BdX", "-3", "Building length BdX -3 m is outside the accepted range BdX > 0."),
    ("AzB", "north",
     'Building azimuth AzB "north" is not a number; the accepted range is 0 \u2264 AzB \u2264 360.'),
]


@pytest.mark.parametrize("symbol,typed,says", REFUSED, ids=[r[0] for r in REFUSED])
def test_a_value_outside_its_range_is_refused_in_the_desktops_words_and_changes_nothing(
        page, downloads, symbol, typed, says):
    job = os.path.join(SOURCE, "examples", "office-block.in")
    open_job(page, job)
    browser.wait(page, lambda d: "Opened office-block.in" in messages(d))
    retype(by_id(page, "field-" + symbol), typed, Keys.ENTER)
    assert close_box(page) == says
    assert says in messages(page)
    with open(job, "rb") as f:
        assert save(page, downloads, "office-block.in") == f.read()


def retype(field, text, *then):
    """Replaces the field's text as a user does: select all, type."""
    field.send_keys(Keys.CONTROL + "a")
    field.send_keys(text, *then)


def cell(driver, row, column):
    return by_id(driver, f"cell-{row}-{column}").get_attribute("value")


def test_the_automatic_mesh_fills_the_facade_and_ok_takes_it_into_the_job(page, downloads):
    by_id(page, "new-job").click()
    for symbol, value in (("Bdz", "6"), ("BdX", "12")):
        retype(by_id(page, "field-" + symbol), value, Keys.ENTER)
    by_id(page, "auto-mesh-open").click()
    for box, value in (("auto-NH", "3"), ("auto-NV", "2")):
        retype(by_id(page, box), value)
    by_id(page, "auto-mesh-ok").click()
    assert [(cell(page, r, 1), cell(page, r, 2)) for r in range(1, 8)] == [
        ("2", "1.5"), ("6", "1.5"), ("10", "1.5"), ("2", "4.5"), ("6", "4.5"), ("10", "4.5"),
        ("", "")]
    by_id(page, "take-grid").click()
    saved = save(page, downloads, "new-job.in").split(b"\r\n")
    # The example's facade 1 is this very mesh.
    with open(os.path.join(SOURCE, "examples", "low-house.in"), "rb") as f:
        assert saved[1:9] == f.read().split(b"\r\n")[1:9]


def test_a_user_mesh_beyond_the_facade_is_refused_in_the_desktops_words(page):
    by_id(page, "new-job").click()
    for symbol, value in (("Bdz", "6"), ("BdX", "12")):
        retype(by_id(page, "field-" + symbol), value, Keys.ENTER)
    by_id(page, "user-mesh-open").click()
    for box, value in (("user-X0", "13"), ("user-Z0", "1"), ("user-DX", "1"), ("user-DZ", "1")):
        by_id(page, box).send_keys(value)
    by_id(page, "user-mesh-ok").click()
    assert close_box(page) == "x coordinate X0 13 m is outside the accepted range 0 \u2264 X0 < 12."
    assert cell(page, 1, 1) == ""


def test_the_hosted_page_starts_with_its_engine_beside_it(driver):
    handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=SITE)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    try:
        driver.get(f"http://127.0.0.1:{server.server_address[1]}/index.html")
        browser.wait(driver, lambda d: d.execute_script(
            "return document.body.dataset.ready === 'true'"))
        assert by_id(driver, "job-name").text == "new-job.in"
        # The surroundings' module is fetched when they are first opened.
        fetched = ("return performance.getEntriesByType('resource')"
                   ".some((e) => e.name.endsWith('/surroundings.wasm'))")
        assert not driver.execute_script(fetched)
        by_id(driver, "surroundings-open").click()
        browser.wait(driver, lambda d: by_id(d, "surroundings-compute").is_enabled())
        assert driver.execute_script(fetched)
        # Its engine runs a job to the report the program keeps for it.
        open_job(driver, os.path.join(SOURCE, "examples", "office-block.in"))
        browser.wait(driver, lambda d: "Opened office-block.in." in messages(d))
        by_id(driver, "run").click()
        browser.wait(driver, lambda d: "Run of office-block.in: completed." in messages(d))
        report = driver.execute_script("return document.getElementById('report').textContent")
        with open(os.path.join(SOURCE, "tests", "data", "run", "office-block.out.txt"), "rb") as f:
            assert report.split("\r\n")[1:] == f.read().decode().split("\r\n")[1:]
    finally:
        server.shutdown()
