# The two commands of README: `make run` and `make test`. Each installs what is missing first.
# `make test` is what CI runs: the suite in the release build, again under a German locale, the
# suite with AddressSanitizer and UBSan, both fuzz targets for FUZZ_SECONDS each, and the Debian
# package with a check of its contents. After the first suite every step runs even when an
# earlier one failed, so one CI run shows every failure; make still fails. `make bench` builds and runs the benchmarks.
PRESET ?= release
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: setup build run test locale-test asan-test fuzz package bench clean

setup:
	bash scripts/setup.sh

build: setup
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	./build/$(PRESET)/app/velmora

test: build
	ctest --preset $(PRESET) -j $(JOBS)
	$(MAKE) --no-print-directory --keep-going locale-test asan-test fuzz package

# The same suite with the process started under a locale that writes a decimal comma.
locale-test: build
	LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 ctest --preset $(PRESET) -j $(JOBS)

asan-test: setup
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

fuzz: setup
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	bash scripts/fuzz.sh $(FUZZ_SECONDS)

package: setup
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	rm -rf build/package
	cpack --preset release
	bash scripts/check-package.sh build/package/velmora_*.deb

bench: setup
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	./build/bench/bench/engine_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
	if [ -x build/bench/bench/window_bench ]; then ./build/bench/bench/window_bench; fi

clean:
	rm -rf build
