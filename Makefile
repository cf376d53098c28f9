# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/tessell

test: build
	@scripts/run-tests $(BUILD)

bench: deps
	@cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DTESSELL_BUILD_BENCH=ON -DTESSELL_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS) --target tessell_bench
	@$(BUILD)-bench/bench/tessell_bench

clean:
	rm -rf $(BUILD) $(BUILD)-bench
