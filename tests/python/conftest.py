"""Shared pieces: ventora-run as a process, its report read back, and the
rounding the report applies."""

import os
import re
import shutil
import subprocess
import sys
from decimal import ROUND_HALF_UP, Decimal
from pathlib import Path

import pytest

EXAMPLES = Path(os.environ["VENTORA_EXAMPLES"])
sys.path.insert(0, str(EXAMPLES))  # the district's generated buildings

ELEMENT = re.compile(r"^\s+(\d)\s+(\d+)\s+\S+\s+\S+\s+\S+\s+\S+\s+(\S+)$")
AVERAGE = re.compile(r"CP average for\s+facade n\S*\s+(\d)\s+(\S+)$")
VERDICT_OF_STATUS = {0: "COMPLETED", 3: "VALUES_MISSING", 2: ("REFUSED", "STOPPED"),
                     1: "SYSTEM_ERROR"}


def shown(value):
    """A Cp as the report shows it: three decimals, ties away from zero."""
    return Decimal(value).quantize(Decimal("0.001"), rounding=ROUND_HALF_UP)


def ventora_run(*args):
    env = dict(os.environ, LC_ALL="C.UTF-8")
    return subprocess.run([os.environ["VENTORA_RUN"], *map(str, args)], env=env,
                          capture_output=True, text=True)


def run_report(job_file):
    """ventora-run's exit status, element Cp {number: Decimal}, averages and
    messages."""
    done = ventora_run(job_file)
    cps, averages = {}, {}
    report = Path(str(job_file)[:-3] + ".out.txt")
    if report.exists():
        for line in report.read_text(encoding="utf-8").splitlines():
            if m := ELEMENT.match(line):
                cps[int(m[2])] = Decimal(m[3])
            elif m := AVERAGE.search(line):
                averages[int(m[1])] = Decimal(m[2])
    return done.returncode, cps, averages, done.stderr


@pytest.fixture
def example_copy(tmp_path):
    def copy(name):
        return Path(shutil.copy(EXAMPLES / name, tmp_path / name))
    return copy
