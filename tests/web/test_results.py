"""Run, the Cp map and Sweep in the page against ventora-run on the same
jobs: the report (its title line aside), every box of the run in the same
words, each export byte for byte at two steps and with each format's
options, a refused run that changes nothing, and the guide inside the page."""

import csv
import glob
import io
import os
import re
import shutil
import subprocess

import pytest
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select

import browser
from test_page import SOURCE, by_id, close_box, open_job, save

VENTORA_RUN = os.environ["VENTORA_RUN"]
JOBS = sorted(glob.glob(os.path.join(SOURCE, "examples", "*.in")) +
              glob.glob(os.path.join(SOURCE, "tests", "data", "run", "*.in")))
EXAMPLES = sorted(glob.glob(os.path.join(SOURCE, "examples", "*.in")))


def ventora_run(tmp_path, job, *options, file=None):
    """ventora-run on a copy of `job` in `tmp_path`: its standard error and
    the bytes of the file it wrote (the one it names, or `file`), None when
    it wrote none."""
    copy = tmp_path / os.path.basename(job)
    shutil.copy(job, copy)
    done = subprocess.run([VENTORA_RUN, *options, copy.name], cwd=tmp_path, capture_output=True,
                          env={**os.environ, "LC_ALL": "C"})
    written = tmp_path / (file or done.stdout.decode().strip() or "none")
    return done.stderr.decode(), written.read_bytes() if written.is_file() else None


def page_text(driver, element_id):
    """An element's text exactly as the page holds it (line ends too)."""
    return driver.execute_script(f"return document.getElementById('{element_id}').textContent")


def messages(driver):
    return driver.execute_script(
        "return [...document.getElementById('messages').children].map((p) => p.textContent)")


def close_boxes(driver):
    """Confirms every box the page shows until it shows none."""
    while by_id(driver, "message-box").get_attribute("open") is not None:
        close_box(driver)


def run(driver, job):
    open_job(driver, job)
    name = os.path.basename(job)
    browser.wait(driver, lambda d: f"Opened {name}." in messages(d))
    by_id(driver, "run").click()
    browser.wait(driver, lambda d: any(m.startswith(f"Run of {name}:") for m in messages(d)) or
                 d.find_element(By.ID, "message-box").get_attribute("open") is not None)
    close_boxes(driver)
    browser.wait(driver, lambda d: any(m.startswith(f"Run of {name}:") for m in messages(d)))


def map_without_spread(driver):
    """The Cp map's drawing as it would be without the spread layer: its
    rings and key taken out, each marker's tooltip cut before its spread."""
    return driver.execute_script("""
        const svg = document.getElementById('cp-map-drawing').cloneNode(true);
        svg.querySelectorAll('.spread').forEach((e) => e.remove());
        for (const t of svg.querySelectorAll('title')) t.textContent = t.textContent.split('\\nCp low ')[0];
        return svg.outerHTML;""")


def spread_of_markers(driver):
    """Per marker, in k order: [k, Cp low, Cp high, tooltip], Cp low and
    high "" where the marker has no ring."""
    return driver.execute_script("""
        return [...document.querySelectorAll('#cp-map .marker')].map((g) => {
          const ring = g.querySelector('.spread');
          return [Number(g.dataset.k), ring ? ring.dataset.low : '', ring ? ring.dataset.high : '',
                  g.querySelector('title').textContent];
        }).sort((a, b) => a[0] - b[0]);""")


def check_spread_layer(driver, tmp_path, job):
    """The layer turned on gives each element ventora-run --spread's Cp low
    and Cp high, its tooltip the effect the CSV's status names, and changes
    nothing else on the page."""
    name = os.path.basename(job)[:-3]
    _, table = ventora_run(tmp_path, job, "--spread", "--format=csv", file=name + ".out.csv")
    rows = list(csv.DictReader(io.StringIO(table.decode())))
    before = map_without_spread(driver), page_text(driver, "report"), messages(driver)
    by_id(driver, "map-spread").click()
    browser.wait(driver, lambda d: d.find_elements(By.CSS_SELECTOR, "#cp-map .spread"))
    shown = spread_of_markers(driver)
    assert [k for k, *_ in shown] == list(range(1, len(rows) + 1))
    assert [(low, high) for _, low, high, _ in shown] == [(r["Cp low"], r["Cp high"]) for r in rows]
    assert any(low != high for _, low, high, _ in shown)
    for (_, low, _, tip), row in zip(shown, rows):
        assert ("\nCp low " in tip) == (low != "")
        effect = row["Cp status"].partition("; spread ")[2]
        assert ("spread " + effect in tip) if effect else (" set by " not in tip)
    assert (map_without_spread(driver), page_text(driver, "report"), messages(driver)) == before


def meeting_labels(driver):
    """The pairs of texts on the Cp map whose boxes meet: a facade's label
    (name, wind, average) and another facade's, or a label and a marker's
    value."""
    return driver.execute_script("""
        const texts = [...document.querySelectorAll('#cp-map .facade')].flatMap((g) =>
          [...g.querySelectorAll(':scope > text, .marker > text')].map((t) =>
            [g.dataset.facade, t.parentNode === g, t]));
        const meet = (a, b) => a.x < b.x + b.width && b.x < a.x + a.width &&
                               a.y < b.y + b.height && b.y < a.y + a.height;
        const pairs = [];
        for (const [i, [facade, label, a]] of texts.entries())
          for (const [other, otherLabel, b] of texts.slice(i + 1))
            if ((label && otherLabel ? facade !== other : label || otherLabel) &&
                meet(a.getBBox(), b.getBBox()))
              pairs.push([a.textContent, b.textContent]);
        return pairs;""")


@pytest.mark.parametrize("job", JOBS, ids=os.path.basename)
def test_a_run_gives_ventora_runs_report_and_boxes_and_a_marker_per_element(page, tmp_path, job):
    stderr, report = ventora_run(tmp_path, job, file=os.path.basename(job)[:-3] + ".out.txt")
    run(page, job)
    # Each box as ventora-run prints it, in the same order.
    boxes = [m for m in messages(page) if not m.startswith(("Opened ", "Run of "))]
    assert "\n".join(boxes) + ("\n" if boxes else "") == stderr
    shown = page_text(page, "report")
    if report is None:
        assert shown == ""
        return
    # Alike but for the title line, which names the job and the date.
    assert shown.split("\r\n")[1:] == report.decode().split("\r\n")[1:]
    assert shown.startswith("  File Name: " + os.path.basename(job)[:-3] + " - Date: ")
    elements = len(re.findall(r"^ {4}[1-5] ", report.decode(), re.M))
    by_id(page, "tab-map").click()
    markers = page.find_elements(By.CSS_SELECTOR, "#cp-map .marker")
    assert len(markers) == elements > 0
    assert len({m.get_attribute("data-k") for m in markers}) == elements
    assert meeting_labels(page) == []  # narrow-walls.in: walls of 60 and 6 m, a low value
    if job in EXAMPLES:  # a pitched roof and a flat one, whose twin counts
        check_spread_layer(page, tmp_path, job)


def sweep(driver, format_, step, tables=False, first=None, package=None):
    by_id(driver, "tab-sweep").click()
    Select(by_id(driver, "export-format")).select_by_value(format_)
    step_field = by_id(driver, "sweep-step")
    step_field.clear()
    step_field.send_keys(str(step))
    if tables:
        by_id(driver, "export-tables").click()
    if first is not None:
        by_id(driver, "contam-first").clear()
        by_id(driver, "contam-first").send_keys(str(first))
    if package is not None:
        by_id(driver, "modelica-package").send_keys(package)
    by_id(driver, "sweep").click()


# Each format at two steps; each format's own option once.
SWEEPS = [("csv", 10, {}), ("csv", 45, {}), ("energyplus", 10, {}), ("energyplus", 30,
          {"tables": True}), ("contam", 30, {}), ("contam", 45, {"first": 7}),
          ("modelica", 15, {}), ("modelica", 30, {"package": "Office_A"})]
OPTIONS = {"tables": "--tables=all", "first": "--contam-first={}", "package": "--modelica-package={}"}


@pytest.mark.parametrize("job", EXAMPLES, ids=os.path.basename)
@pytest.mark.parametrize("format_,step,extra", SWEEPS,
                         ids=[f"{f}-{s}-{'-'.join(e)}" for f, s, e in SWEEPS])
def test_an_export_is_ventora_runs_file_byte_for_byte(page, downloads, tmp_path, job, format_,
                                                      step, extra):
    options = [OPTIONS[k].format(v) for k, v in extra.items()]
    _, expected = ventora_run(tmp_path, job, f"--sweep={step}", f"--format={format_}", *options)
    open_job(page, job)
    browser.wait(page, lambda d: f"Opened {os.path.basename(job)}." in messages(d))
    for name in os.listdir(downloads):
        os.remove(os.path.join(downloads, name))
    sweep(page, format_, step, **extra)
    browser.wait(page, lambda d: any(m.startswith("Exported ") for m in messages(d)))
    assert page_text(page, "export-text").encode() == expected
    file = by_id(page, "export-file").text
    browser.wait(page, lambda d: os.path.exists(os.path.join(downloads, file)))
    with open(os.path.join(downloads, file), "rb") as f:
        assert f.read() == expected
    # The plot: one curve a facade's first element, as the desktop starts.
    assert len(page.find_elements(By.CSS_SELECTOR, "#direction-drawing .curve")) == 5


def test_a_refused_run_says_what_ventora_run_says_and_changes_nothing(page, downloads, tmp_path):
    refused = os.path.join(SOURCE, "tests", "data", "run", "outside-facade.in")
    stderr, _ = ventora_run(tmp_path, refused)
    run(page, refused)
    assert "\n".join(messages(page)[-3:-1]) + "\n" == stderr
    assert messages(page)[-1] == "Run of outside-facade.in: refused."
    assert page_text(page, "report") == ""
    with open(refused, "rb") as f:
        assert save(page, downloads, "outside-facade.in") == f.read()
    # After a good run the same refusal keeps that run's report, marked so.
    run(page, os.path.join(SOURCE, "examples", "low-house.in"))
    report = page_text(page, "report")
    cell = by_id(page, "cell-1-1")
    cell.clear()
    cell.send_keys("99")
    by_id(page, "take-grid").click()
    by_id(page, "run").click()
    close_boxes(page)
    assert "\n".join(messages(page)[-3:-1]) + "\n" == stderr
    assert page_text(page, "report") == report
    assert "last run's" in by_id(page, "report-state").text


def test_a_step_the_format_refuses_is_refused_in_the_desktops_words(page):
    sweep(page, "contam", 7)
    assert close_box(page) == (
        "--format=contam takes at most 16 points a profile, the 360 degree point included: use a "
        "step that divides 360 and is at least 24 degrees (24, 30, 36, 40, 45, 60, 72, 90, 120 or "
        "180)")


def test_the_help_holds_every_page_of_the_guide_with_its_pictures_and_finds_words(page):
    by_id(page, "help-open").click()
    titles = [a.text for a in page.find_elements(By.CSS_SELECTOR, "#help-pages a")]
    # Every page of the guide, and the notes outside it that the guide links to.
    pages = glob.glob(os.path.join(SOURCE, "docs", "guide", "*.md"))
    headings = [open(p, encoding="utf-8").readline().lstrip("# ").strip() for p in pages]
    assert set(headings) <= set(titles) and "Ventora in a browser" in titles
    page.find_element(By.LINK_TEXT, "The ten parameters").click()
    pictures = page.find_elements(By.CSS_SELECTOR, "#help-page img")
    assert pictures and all(page.execute_script("return arguments[0].naturalWidth > 0", p)
                            for p in pictures)
    search = by_id(page, "help-search")
    search.send_keys("automation\n")
    assert by_id(page, "help-page").find_element(By.TAG_NAME, "h1").text == "Ventora in a browser"
    assert by_id(page, "help-page").find_element(By.TAG_NAME, "mark").text.lower() == "automation"
