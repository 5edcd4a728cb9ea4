# The two commands of the README's quick start, and a few helpers.
#   make run   - install what is missing, build, start the program
#   make test  - install what is missing, build (normal, sanitizer, map-less ventora-run, web), run every test
#   make web   - the browser edition in build/web: index.html and its files, and ventora.html
#   make package - the Debian package; make package-test builds and tries it
#   make fuzz  - the readers' fuzz targets, each for FUZZ_SECONDS (60)
.PHONY: run test deps build build-asan build-cli web format format-check bench clean package package-test fuzz

CLANG_FORMAT ?= clang-format
SOURCES = $(shell git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' 2>/dev/null)

deps:
	@scripts/install-deps

build: deps
	@cmake --preset dev >/dev/null
	@cmake --build --preset dev

build-asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan

# ventora-run alone, built without the Cp map: proves it links no Qt.
build-cli: deps
	@cmake --preset cli >/dev/null
	@cmake --build --preset cli

# The browser edition (its toolchain, cmake/WebToolchain.cmake, sets NODE_PATH).
web: deps
	@cmake --preset web >/dev/null
	@cmake --build --preset web

run: build
	@scripts/run-program

test: deps format-check build build-asan build-cli web
	ctest --preset dev
	ctest --preset asan
	ctest --preset cli
	ctest --preset web

format:
	@$(CLANG_FORMAT) -i $(SOURCES)

format-check: deps
	@$(CLANG_FORMAT) --dry-run --Werror $(SOURCES)

bench: deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release
	@for b in build/release/bench/*_bench; do echo "== $$b"; $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done
	@if command -v valgrind >/dev/null; then echo "== bench/callgrind-startup.sh"; bash bench/callgrind-startup.sh build/release; \
	 else echo "== bench/callgrind-startup.sh skipped: it needs valgrind (apt-get install valgrind)"; fi
	@if [ -f build/web/ventora.html ]; then echo "== bench/web_start_bench.py"; /usr/bin/python3 bench/web_start_bench.py build/web; \
	 echo "== bench/web_sweep_bench.py"; /usr/bin/python3 bench/web_sweep_bench.py build/web build/release; \
	 else echo "== bench/web_start_bench.py, web_sweep_bench.py skipped: make web first"; fi

# The Debian package ventora_<version>_<arch>.deb, from a release in build/package.
package: deps
	@packaging/build-package

# Builds the package and tries the extracted programs and Python module.
package-test: deps
	@tests/package/package_test.sh

# The readers fed mutated files under the sanitizers; not part of `make test`.
# FUZZ_RUNS=N (passed on to scripts/run-fuzz) stops each target after N inputs.
FUZZ_SECONDS ?= 60
export FUZZ_RUNS
fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@scripts/run-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build
