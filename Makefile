# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps test-deps configure build run test package bench fuzz clean

all: build

# What `make run` needs; `make test` adds the tests' and benchmarks' tools.
deps:
	@scripts/install-deps runtime build

test-deps:
	@scripts/install-deps runtime build test bench

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/tessell

test: test-deps build
	@scripts/run-tests $(BUILD)

# tessell_VERSION_ARCH.deb in the build folder, made from the build as it stands.
package: build
	@cd $(BUILD) && cpack -G DEB

bench:
	@scripts/install-deps runtime build bench
	@cmake -S . -B $(BUILD)-bench -DCMAKE_BUILD_TYPE=Release -DTESSELL_BUILD_BENCH=ON -DTESSELL_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS) --target tessell_bench tessell_ui_bench tessell tessell-cli scan_fixtures scan_quality picture_bombs
	@$(BUILD)-bench/bench/tessell_bench
	@QT_QPA_PLATFORM=offscreen $(BUILD)-bench/bench/tessell_ui_bench 2>/dev/null
	@bench/startup.sh $(BUILD)-bench 999x999
	@bench/convert-vs-imagemagick.sh $(BUILD)-bench
	@bench/print-cli-timing.sh $(BUILD)-bench
	@bench/picture-bombs.sh $(BUILD)-bench
	@bench/scan-quality.sh $(BUILD)-bench

# make fuzz [FUZZ_SECONDS=60]: every libFuzzer target in turn (not part of make test).
FUZZ_SECONDS ?= 60
fuzz:
	@scripts/install-deps build fuzz
	@scripts/run-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD) $(BUILD)-bench build-fuzz
