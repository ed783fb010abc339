# The two commands of README: `make run` and `make test`. Each installs what is missing first.
PRESET ?= release
JOBS ?= $(shell nproc)

.PHONY: setup build run test clean

setup:
	bash scripts/setup.sh

build: setup
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	./build/$(PRESET)/app/velmora

test: build
	ctest --preset $(PRESET) -j $(JOBS)

clean:
	rm -rf build
