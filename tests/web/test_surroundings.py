"""The page's surroundings as a user gets them, in headless chromium: the
shared footprint files dropped on the panel give ventora-run's table
(--format=csv) at each site, OK puts the all-round values into the job, and
damaged files and reference systems the page does not carry are refused in
ventora-run's words. The module starts only when the panel is first opened."""

import csv
import io
import os
import re
import shutil
import subprocess

import pytest
from selenium.webdriver.common.by import By

import browser
from test_page import SOURCE, close_box
from test_results import messages, page_text, sweep

MAPS = os.path.join(os.environ["VENTORA_SOURCE"], "tests", "data", "surroundings")
VENTORA_RUN = os.environ["VENTORA_RUN"]

# The shared files at the sites of ventora-run's own tests, with its options
# ("-": not given).
SITES = [
    # name, file, site, radius, sectors, crs, default height
    ("helsinki-centre", "helsinki-buildings.geojson", "24.9440,60.1680", "150", "8", "-", "-"),
    ("helsinki-north", "helsinki-buildings.geojson", "24.942,60.172", "100", "4", "-", "9"),
    ("delft", "delft.city.json", "84950,447540", "100", "8", "-", "-"),
    ("den-haag", "DH_01_subs.city.json", "78650,457900", "50", "4", "EPSG:28992", "-"),
]


def ventora_runs_rows(file, site, radius, sectors, crs, height):
    options = ["--site", site, "--radius", radius, "--sectors", sectors]
    options += [] if crs == "-" else ["--crs", crs]
    options += [] if height == "-" else ["--default-height", height]
    done = subprocess.run([VENTORA_RUN, "--surroundings", os.path.join(MAPS, file), *options,
                           "--format=csv"], capture_output=True, text=True, check=True)
    return list(csv.reader(io.StringIO(done.stdout)))[1:]


@pytest.fixture
def panel(page):
    """The page opened afresh with its surroundings panel open and started."""
    assert not page.execute_script("return typeof VentoraSurroundings !== 'undefined'")
    page.find_element(By.ID, "surroundings-open").click()
    browser.wait(page, lambda d: d.find_element(By.ID, "surroundings-compute").is_enabled())
    return page


def drop(driver, path):
    """Drops the file `path` on the panel as a user drags it from a folder."""
    name = os.path.basename(path)
    with open(path, "rb") as f:
        data = list(f.read())
    driver.execute_script(
        """const [name, bytes] = arguments;
        const transfer = new DataTransfer();
        transfer.items.add(new File([new Uint8Array(bytes)], name));
        document.getElementById("surroundings").dispatchEvent(
          new DragEvent("drop", {dataTransfer: transfer, bubbles: true, cancelable: true}));""",
        name, data)
    browser.wait(driver, lambda d: d.find_element(By.ID, "surroundings-file-name")
                 .get_attribute("data-name") == name)


def fill(driver, values):
    for field, value in values.items():
        box = driver.find_element(By.ID, f"surroundings-{field}")
        box.clear()
        box.send_keys(value)


def shown_rows(driver):
    return driver.execute_script(
        """return [...document.querySelectorAll("#surroundings-table tbody tr")].map(
          (tr) => ({...tr.dataset}));""")


@pytest.mark.parametrize("file,site,radius,sectors,crs,height",
                         [pytest.param(*row[1:], id=row[0]) for row in SITES])
def test_table_is_ventora_runs(panel, file, site, radius, sectors, crs, height):
    drop(panel, os.path.join(MAPS, file))
    fill(panel, {"site": site, "radius": radius, "sectors": sectors,
                 "crs": "" if crs == "-" else crs,
                 "default-height": "" if height == "-" else height})
    panel.find_element(By.ID, "surroundings-compute").click()
    browser.wait(panel, lambda d: len(shown_rows(d)) > 0)
    expected = ventora_runs_rows(file, site, radius, sectors, crs, height)
    got = shown_rows(panel)
    assert len(got) == len(expected)
    for row, want in zip(got, expected):
        assert float(row["from"]) == pytest.approx(float(want[0]), abs=5e-4)
        assert float(row["to"]) == pytest.approx(float(want[1]), abs=5e-4)
        assert float(row["pad"]) == pytest.approx(float(want[2]), abs=0.01)
        # No building, or none with a height: no SbH in either.
        assert (row["sbh"] == "") == (want[3] == "")
        if want[3]:
            assert float(row["sbh"]) == pytest.approx(float(want[3]), abs=0.01)
        assert (row["buildings"], row["withoutHeight"]) == (want[4], want[5])

    panel.find_element(By.ID, "surroundings-ok").click()
    browser.wait(panel, lambda d: not d.find_element(By.ID, "surroundings").is_displayed())
    # The job's fields show what it took, as the job file writes it.
    for field, want in (("PAD", expected[0][2]), ("SbH", expected[0][3])):
        shown = panel.find_element(By.ID, f"field-{field}").get_attribute("value")
        assert float(shown) == pytest.approx(float(want), abs=0.01)
    assert f'from "{file}"' in panel.find_element(By.ID, "messages").text


SWISS = (b'{"type":"FeatureCollection","crs":{"type":"name","properties":'
         b'{"name":"urn:ogc:def:crs:EPSG::2056"}},"features":[]}')
with open(os.path.join(MAPS, "DH_01_subs.city.json"), "rb") as _f:
    DEN_HAAG = _f.read()


# A file, the reference system typed, and what ventora-run's words say.
@pytest.mark.parametrize("name,data,crs,said", [
    ("cut.geojson", b'{"type":"FeatureCollection",\n"features":[\n', "",
     '"cut.geojson", line 3: not valid JSON'),
    ("deep.geojson", b'{"features":' + b"[" * 150 + b"]" * 150 + b"}", "",
     "nested more than 100 deep"),
    ("swiss.geojson", SWISS, "", 'the reference system of "swiss.geojson" (EPSG:2056) is not one '
     "the browser edition carries"),
    ("DH_01_subs.city.json", DEN_HAAG, "EPSG:2154",
     "EPSG:2154 is not one the browser edition carries"),
])
def test_refused_as_ventora_run_refuses(panel, tmp_path, name, data, crs, said):
    path = tmp_path / name
    path.write_bytes(data)
    drop(panel, str(path))
    fill(panel, {"site": "78650,457900", "radius": "50", "crs": crs})
    panel.find_element(By.ID, "surroundings-compute").click()
    box = panel.find_element(By.ID, "message-box")
    browser.wait(panel, lambda d: box.get_attribute("open") is not None)
    text = panel.find_element(By.ID, "message-text").text
    assert said in text
    if "carries" in said:
        assert "compute the surroundings with ventora-run --surroundings" in text
    assert shown_rows(panel) == []


def test_a_sweep_gives_each_direction_its_sectors_values_as_ventora_run_does(panel, tmp_path):
    job = os.path.join(SOURCE, "examples", "office-block.in")
    for source in (job, os.path.join(MAPS, "helsinki-buildings.geojson")):
        shutil.copy(source, tmp_path)
    subprocess.run([VENTORA_RUN, "--surroundings", "helsinki-buildings.geojson", "--site",
                    "24.942,60.172", "--radius", "100", "--sectors", "4", "--sweep=30",
                    "--format=energyplus", "office-block.in"], cwd=tmp_path, check=True,
                   capture_output=True, env={**os.environ, "LC_ALL": "C"})
    panel.find_element(By.ID, "job-file").send_keys(job)
    browser.wait(panel, lambda d: "Opened office-block.in." in messages(d))
    panel.find_element(By.ID, "surroundings-open").click()
    drop(panel, os.path.join(MAPS, "helsinki-buildings.geojson"))
    fill(panel, {"site": "24.942,60.172", "radius": "100", "sectors": "4"})
    panel.find_element(By.ID, "surroundings-ok").click()
    browser.wait(panel, lambda d: not d.find_element(By.ID, "surroundings").is_displayed())
    sweep(panel, "energyplus", 30)
    browser.wait(panel, lambda d: any(m.startswith("Exported ") for m in messages(d)))
    # The same file but for the last digit of some Cp: the page's geometry
    # and GEOS round differently, and a sector's PAD may differ in its last
    # bit as a float.
    number = r"-?\d+\.\d+"
    shown = page_text(panel, "export-text")
    written = (tmp_path / "office-block.sweep.idf").read_bytes().decode()
    def words(text):  # the text between the numbers, the padding after them aside
        return [re.sub(r" +", " ", part) for part in re.split(number, text)]

    assert words(shown) == words(written)
    assert [float(v) for v in re.findall(number, shown)] == \
        pytest.approx([float(v) for v in re.findall(number, written)], abs=1e-6)
    # The CONTAM profiles take angles from each facade: no sectors there.
    sweep(panel, "contam", 30)
    assert "sectors go with CSV or EnergyPlus" in close_box(panel)
