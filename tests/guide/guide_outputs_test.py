# The guide's claims about what the program writes, held to a real run:
#   guide_outputs_test.py CASE SOURCE_DIR VENTORA_RUN
# csv_headers: every CSV header line a page shows is one ventora-run writes,
#   and the page of the command line names every column;
# azimuth_example: the worked example of facade azimuths and wind angles;
# quoted_warning: the implausible-Cp warning the page of messages quotes;
# worked_example: every command of the worked example, run; every line the
#   page quotes is in what they print.

import re
import subprocess
import sys
import tempfile
from pathlib import Path

CASE, SOURCE, RUN = sys.argv[1], Path(sys.argv[2]), sys.argv[3]
GUIDE = SOURCE / "docs" / "guide"


def fail(why):
    sys.exit("FAIL: " + why)


def run(work, *args):
    done = subprocess.run([RUN, *args], cwd=work, capture_output=True, text=True)
    if done.returncode not in (0, 3):
        fail(f"ventora-run {' '.join(args)} exited with {done.returncode}: {done.stderr}")
    return done


def job(work, name, text):
    (Path(work) / name).write_text(text)
    return str(Path(work) / name)


def header(path):
    return next(line for line in Path(path).read_text().splitlines() if not line.startswith("#"))


def shown_as(shown, real):
    """A header as a page shows it, "..." standing for any run of columns."""
    head, dots, tail = shown.partition("...")
    return real == shown or dots and real.startswith(head) and real.endswith(tail)


def csv_headers():
    with tempfile.TemporaryDirectory() as work:
        house = job(work, "low-house.in", (SOURCE / "examples" / "low-house.in").read_text())
        run(work, "--format=csv", house)
        run(work, "--sweep", house)
        real = [header(Path(work) / "low-house.out.csv"), header(Path(work) / "low-house.sweep.csv")]
    shown = [(page.name, line) for page in sorted(GUIDE.glob("*.md"))
             for line in page.read_text().splitlines() if line.startswith("Facade,Element,")]
    for page, line in shown:
        if not any(shown_as(line, r) for r in real):
            fail(f"{page} shows a CSV header ventora-run does not write:\n  {line}\nit writes:\n  "
                 + "\n  ".join(real))
    for r in real:
        if not any(shown_as(line, r) for _, line in shown):
            fail(f"no page shows the header ventora-run writes:\n  {r}")
    table = (GUIDE / "command-line.md").read_text()
    for column in set(",".join(real).split(",")):
        if "`" + re.sub(r"from \d+ deg", "from D deg", column) + "`" not in table:
            fail(f"command-line.md does not name the column {column}")


def azimuth_example():
    text = " ".join((GUIDE / "geometry.md").read_text().split())
    m = re.search(r"AzB = (\d+) and AnWind = (\d+)\. The walls face (\d+) \(facade 1\), (\d+) \(2\),"
                  r" (\d+) \(3\) and (\d+) \(4\); the relative angles are (-?\d+), (-?\d+), "
                  r"(-?\d+) and (-?\d+)\.", text)
    if not m:
        fail("geometry.md has no worked example of the walls' azimuths")
    walls = "".join(f" {f}\n 1\n 1 5 5\n" for f in range(1, 5)) + " 5\n 0\n 6\n 0\n"
    with tempfile.TemporaryDirectory() as work:
        run(work, "--format=csv", job(work, "t.in", f" {m[1]} {m[2]} 0 10 10 20 10 .22 0 0\n{walls}"))
        rows = [r.split(",") for r in (Path(work) / "t.out.csv").read_text().splitlines()]
    got = [float(r[rows[0].index(c)]) for c in ("Facade azimuth (deg)",
                                                "Facade angle to the wind (deg)") for r in rows[1:]]
    if got != [float(v) for v in m.groups()[2:]]:
        fail(f"geometry.md says {m.groups()[2:]}; the run gives {got}")


def quoted_warning():
    quoted = re.findall(r"`(1 element has a Cp beyond[^`]*)`", (GUIDE / "messages.md").read_text())
    with tempfile.TemporaryDirectory() as work:
        # The page's example: the wind head on to facade 4, one element there.
        err = run(work, job(work, "t.in", " 241.19 240 22.19 13.24 36.90 59.56 66.49 .198 2 .47\n"
                            " 1\n 0\n 2\n 0\n 3\n 0\n 4\n 1\n 1 34.07 18.82\n 5\n 0\n 6\n 0\n")).stderr
    said = [line.removeprefix("Warning: ") for line in err.splitlines()]
    if not quoted or any(text not in said for text in quoted):
        fail(f"messages.md quotes:\n  {quoted}\nventora-run says:\n  " + "\n  ".join(said))


def worked_example():
    page = (GUIDE / "worked-example.md").read_text()
    build = str(Path(RUN).resolve().parents[2])
    with tempfile.TemporaryDirectory() as work:
        script, expected = [], {}
        for info, text in re.findall(r"^```(\w*)\n(.*?)^```$", page, re.S | re.M):
            text = text.replace("$PWD/build/dev", build).replace("/tmp/delft", work)
            if info == "sh":
                out = f"{work}/block{len(script)}"
                script.append("{\n" + text + "} >" + out + " 2>&1; echo $? >" + out + ".status")
            elif info == "text":
                expected.setdefault(len(script) - 1, []).extend(text.splitlines())
        subprocess.run(["bash", "-c", "\n".join(script)], cwd=SOURCE)
        for i in range(len(script)):
            printed = Path(f"{work}/block{i}").read_text().splitlines()
            status = Path(f"{work}/block{i}.status").read_text().strip()
            missing = [line for line in expected.get(i, []) if line not in printed + ["..."]]
            if status not in ("0", "3") or missing:
                fail(f"block {i + 1} of the worked example exits with {status}; it does not print:\n  "
                     + "\n  ".join(missing) + "\nit prints:\n  " + "\n  ".join(printed))
        if len(script) < 8:
            fail(f"the worked example has {len(script)} blocks of commands")


{"csv_headers": csv_headers, "azimuth_example": azimuth_example,
 "quoted_warning": quoted_warning, "worked_example": worked_example}[CASE]()
