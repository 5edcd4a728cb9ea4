"""The guide's claims about what the program writes, held to a real run.

    guide_outputs_test.py CASE SOURCE_DIR VENTORA_RUN

csv_headers     every CSV header line a page shows is one ventora-run writes,
                and the page of the command line names every column
azimuth_example the worked example of facade azimuths and angles to the wind
quoted_warning  the implausible-Cp warning the page of messages quotes
worked_example  every command of the worked example, run; every output line
                the page quotes is in what the commands print
"""

import os
import re
import subprocess
import sys
import tempfile
from pathlib import Path

CASE, SOURCE, RUN = sys.argv[1], Path(sys.argv[2]), sys.argv[3]
GUIDE = SOURCE / "docs" / "guide"


def fail(why):
    print("FAIL:", why)
    sys.exit(1)


def run(args, cwd):
    done = subprocess.run([RUN, *args], cwd=cwd, capture_output=True, text=True)
    if done.returncode not in (0, 3):
        fail(f"ventora-run {' '.join(args)} exited with {done.returncode}: {done.stderr}")
    return done


def header_of(csv_path):
    for line in Path(csv_path).read_text().splitlines():
        if not line.startswith("#"):
            return line
    fail(f"{csv_path} has no header")


def shown_matches(shown, real):
    """A header as a page shows it, "..." standing for any run of columns."""
    if "..." not in shown:
        return shown == real
    head, tail = shown.split("...", 1)
    return real.startswith(head) and real.endswith(tail) and len(real) > len(shown) - 3


def csv_headers():
    with tempfile.TemporaryDirectory() as work:
        job = Path(work) / "low-house.in"
        job.write_bytes((SOURCE / "examples" / "low-house.in").read_bytes())
        run(["--format=csv", str(job)], work)
        run(["--sweep", str(job)], work)
        real = [header_of(Path(work) / "low-house.out.csv"),
                header_of(Path(work) / "low-house.sweep.csv")]
    shown = [(page.name, line) for page in sorted(GUIDE.glob("*.md"))
             for line in page.read_text().splitlines() if line.startswith("Facade,Element,")]
    if len(shown) < 2:
        fail(f"the guide shows {len(shown)} CSV header lines, expected both forms")
    for page, line in shown:
        if not any(shown_matches(line, r) for r in real):
            fail(f"{page} shows a CSV header ventora-run does not write:\n  {line}\n"
                 f"it writes:\n  " + "\n  ".join(real))
    for r in real:
        if not any(shown_matches(line, r) for _, line in shown):
            fail(f"no page shows the header ventora-run writes:\n  {r}")
    table = (GUIDE / "command-line.md").read_text()
    for column in set(",".join(real).split(",")):
        named = re.sub(r"from \d+ deg", "from D deg", column)
        if f"`{named}`" not in table:
            fail(f"command-line.md does not name the column `{named}`")


def azimuth_example():
    text = " ".join((GUIDE / "geometry.md").read_text().split())
    m = re.search(r"AzB = (\d+) and AnWind = (\d+)\. The walls face (\d+) \(facade 1\), "
                  r"(\d+) \(2\), (\d+) \(3\) and (\d+) \(4\); the relative angles are "
                  r"(-?\d+), (-?\d+), (-?\d+) and (-?\d+)\.", text)
    if not m:
        fail("geometry.md has no worked example of the walls' azimuths")
    azb, wind = m.group(1), m.group(2)
    facing = [float(v) for v in m.groups()[2:6]]
    angles = [float(v) for v in m.groups()[6:10]]
    with tempfile.TemporaryDirectory() as work:
        job = Path(work) / "turned.in"
        lines = [f" {azb} {wind} 0 10 10 20 10 .22 0 0"]
        for facade in range(1, 7):
            lines += [f" {facade}", " 1" if facade <= 4 else " 0"]
            if facade <= 4:
                lines.append(" 1 5 5")
        job.write_text("\n".join(lines) + "\n")
        run(["--format=csv", str(job)], work)
        rows = [r.split(",") for r in (Path(work) / "turned.out.csv").read_text().splitlines()]
    head = rows[0]
    got_facing = [float(r[head.index("Facade azimuth (deg)")]) for r in rows[1:]]
    got_angles = [float(r[head.index("Facade angle to the wind (deg)")]) for r in rows[1:]]
    if got_facing != facing or got_angles != angles:
        fail(f"geometry.md says walls face {facing} at angles {angles}; "
             f"the run gives {got_facing} at {got_angles}")


def quoted_warning():
    page = (GUIDE / "messages.md").read_text()
    quoted = re.findall(r"`(1 element has a Cp beyond[^`]*)`", page)
    if not quoted:
        fail("messages.md quotes no implausible-Cp warning")
    with tempfile.TemporaryDirectory() as work:
        job = Path(work) / "troubled.in"
        # The page's example: wind head on to facade 4, one element there.
        job.write_text(" 241.19 240 22.19 13.24 36.90 59.56 66.49 .198 2 .47\n"
                       " 1\n 0\n 2\n 0\n 3\n 0\n 4\n 1\n 1 34.07 18.82\n 5\n 0\n 6\n 0\n")
        err = run([str(job)], work).stderr
    said = [line[len("Warning: "):] for line in err.splitlines() if line.startswith("Warning: ")]
    for text in quoted:
        if text not in said:
            fail(f"messages.md quotes:\n  {text}\nventora-run says:\n  " + "\n  ".join(said))


def blocks(page):
    """The fenced blocks of a page, in order: (info string, text)."""
    return re.findall(r"^```(\w*)\n(.*?)^```$", page, re.S | re.M)


def worked_example():
    page = (GUIDE / "worked-example.md").read_text()
    build = Path(RUN).resolve().parents[2]
    with tempfile.TemporaryDirectory() as work:
        def local(text):
            return text.replace("$PWD/build/dev", str(build)).replace("/tmp/delft", work)
        script, outputs, expected = [], [], {}
        for info, text in blocks(page):
            if info == "sh":
                out = Path(work) / f"block{len(outputs)}.out"
                outputs.append(out)
                script.append("{\n" + local(text) + "} >" + str(out) + " 2>&1; echo $? >" +
                              str(out) + ".status")
            elif info == "text":
                expected.setdefault(len(outputs) - 1, []).append(local(text))
        env = dict(os.environ, LC_ALL="C.UTF-8")
        done = subprocess.run(["bash", "-c", "\n".join(script)], cwd=SOURCE, env=env,
                              capture_output=True, text=True)
        for i, out in enumerate(outputs):
            status = Path(str(out) + ".status").read_text().strip()
            if status not in ("0", "3"):
                fail(f"block {i + 1} of the worked example's commands exited with {status}:\n" +
                     out.read_text())
        if len(outputs) < 8:
            fail(f"the worked example has {len(outputs)} blocks of commands")
        for i, texts in expected.items():
            printed = outputs[i].read_text().splitlines()
            for text in texts:
                for line in text.splitlines():
                    if line and line != "..." and line not in printed:
                        fail(f"the worked example quotes a line its commands (block {i + 1}) "
                             f"do not print:\n  {line}\nthey print:\n  " + "\n  ".join(printed))


{"csv_headers": csv_headers, "azimuth_example": azimuth_example,
 "quoted_warning": quoted_warning, "worked_example": worked_example}[CASE]()
