# The two commands: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test setup configure build program clean

setup:
	bash scripts/setup

configure: setup
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release

# Everything: the program, the tests and the benchmarks.
build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Only the program and what it needs beside it (libdraw, Dots/, mybase.dat, the help).
program: configure
	cmake --build $(BUILD) -j $(JOBS) --target zova

run: program
	cd $(BUILD) && ./zova

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
