#!/usr/bin/env bash
# Instructions per point of ventora.cp (the whole call: conversion,
# broadcasting, the loop) against those of the engine's FacadeCp inside it,
# counted by callgrind, so the ratio does not depend on the machine's load.
# Usage: bench/python/cp_callgrind.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/release}
points=200000
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
PYTHONPATH=$build/python valgrind --tool=callgrind --callgrind-out-file="$out/cg" \
  /usr/bin/python3 - "$root/examples/office-block.in" "$points" 2>/dev/null <<'PY'
import sys

import numpy as np

import ventora

job = ventora.Job.read(sys.argv[1])
i = np.arange(int(sys.argv[2]))
ventora.cp(1 + i % 5, (i % 1000 + 0.5) / 1000, (i // 1000 % 1000 + 0.5) / 1000, job=job)
PY
# The module's outermost function holds the whole call.
callgrind_annotate --inclusive=yes "$out/cg" | awk -v n="$points" '
  /_ventora/ { v = $1; gsub(",", "", v); if (v + 0 > top) top = v + 0 }
  /ventora::FacadeCp\(/ { v = $1; gsub(",", "", v); engine = v + 0 }
  END { printf "ventora.cp: %.0f instructions per point; FacadeCp within it: %.0f; ratio %.3f\n",
               top / n, engine / n, top / engine }'
