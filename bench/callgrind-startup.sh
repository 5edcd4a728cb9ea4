#!/usr/bin/env bash
# Instructions counted by callgrind for whole ventora-run processes, against
# the start-up targets:
#   --version                        <= 3,000,000 instructions
#   2,000-element text run - empty job <= 3,000 instructions per element
#   the same elements each at a height of its own <= 1,500 per element
#   --sweep --format=csv of the 2,000 elements (36 directions, the CSV
#   written) - the empty job's <= 600 instructions per Cp computed. Every
#   export also sweeps each whole degree, to say in its header how far
#   interpolation between its directions misses the model: 360 Cp are
#   computed an element, ten for each exported one, so the cost per
#   exported Cp is printed beside it for the record.
# Usage: bench/callgrind-startup.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
build=${1:-build/release}
bin=$build/src/cli/ventora-run
writer=$build/bench/write_bench_jobs
for f in "$bin" "$writer"; do
  [[ -x $f ]] || { echo "missing $f: cmake --build --preset release --target ventora-run write_bench_jobs" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$writer" "$work"

# instructions ARGS...: the total Ir of one process (children not followed).
instructions() {
  valgrind --tool=callgrind --callgrind-out-file="$work/cg.out" "$@" >/dev/null 2>"$work/cg.err" ||
    true
  sed -n 's/^summary: //p' "$work/cg.out"
}

true_ir=$(instructions /bin/true)
version_ir=$(instructions "$bin" --version)
empty_ir=$(instructions "$bin" "$work/bench-empty.in")
full_ir=$(instructions "$bin" "$work/bench-2000.in")
[[ -f $work/bench-2000.out.txt ]] || { echo "the 2,000-element run wrote no report" >&2; exit 1; }
per_element=$(((full_ir - empty_ir) / 2000))
scattered_ir=$(instructions "$bin" "$work/bench-scattered.in")
[[ -f $work/bench-scattered.out.txt ]] || { echo "the scattered run wrote no report" >&2; exit 1; }
per_scattered=$(((scattered_ir - empty_ir) / 2000))
empty_sweep_ir=$(instructions "$bin" --sweep --format=csv "$work/bench-empty.in")
sweep_ir=$(instructions "$bin" --sweep --format=csv "$work/bench-2000.in")
[[ -f $work/bench-2000.sweep.csv ]] || { echo "the 2,000-element sweep wrote no CSV" >&2; exit 1; }
per_exported=$(((sweep_ir - empty_sweep_ir) / (2000 * 36)))
per_cp=$(((sweep_ir - empty_sweep_ir) / (2000 * 360)))

verdict() { if (($1 <= $2)); then echo "met"; else echo "MISSED"; fi; }
printf '%-34s %12s\n' "/bin/true" "$true_ir"
printf '%-34s %12s   target <= 3000000: %s\n' "ventora-run --version" "$version_ir" \
  "$(verdict "$version_ir" 3000000)"
printf '%-34s %12s\n' "ventora-run empty job" "$empty_ir"
printf '%-34s %12s\n' "ventora-run 2,000-element job" "$full_ir"
printf '%-34s %12s   target <= 3000: %s\n' "per element (2,000 - empty) / 2000" "$per_element" \
  "$(verdict "$per_element" 3000)"
printf '%-34s %12s\n' "ventora-run scattered heights" "$scattered_ir"
printf '%-34s %12s   target <= 1500: %s\n' "per scattered element" "$per_scattered" \
  "$(verdict "$per_scattered" 1500)"
printf '%-34s %12s\n' "sweep csv, empty job" "$empty_sweep_ir"
printf '%-34s %12s\n' "sweep csv, 2,000 elements" "$sweep_ir"
printf '%-34s %12s\n' "per Cp exported (- empty) / 72000" "$per_exported"
printf '%-34s %12s   target <= 600: %s\n' "per Cp computed (- empty) / 720000" "$per_cp" \
  "$(verdict "$per_cp" 600)"
