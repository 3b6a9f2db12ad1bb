# The two commands a newcomer types: `make run` and `make test`.
# Each installs what is missing, configures and builds with CMake, then does its job.

JOBS     := $(shell nproc)
BUILD    ?= build
CMAKE_FLAGS ?=
# Where `make install` puts things: PREFIX as CMake's install prefix, below the staging DESTDIR.
PREFIX   ?= /usr/local
DESTDIR  ?=

ifeq ($(SANITIZE),1)
BUILD := build-sanitize
CMAKE_FLAGS += -DCORVANE_SANITIZE=ON -DORVO_BUILD_BENCHMARKS=OFF
endif
ifeq ($(WERROR),1)
CMAKE_FLAGS += -DCORVANE_WERROR=ON
endif

.PHONY: deps configure build run test install bench bench-window clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

# Opens the calculator, built where `make test` builds; without a display it says so and stops.
run: configure
	@scripts/check-display "make run"
	@cmake --build $(BUILD) -j$(JOBS) --target orvo
	@$(BUILD)/app/orvo

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

install: build
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

bench: build
	@for b in $(BUILD)/tools/benchmarks/*/*-benchmark; do echo "== $$b"; $$b; done

# The window against xcalc and galculator on a private X server: start-up, memory, idle CPU, key to repaint.
bench-window: build
	@tools/benchmarks/window/bench-window $(BUILD)

# Fuzzing: the libFuzzer targets of tests/fuzz, built with clang in their own folder.
# `make fuzz` runs each for FUZZ_SECONDS seconds; `make fuzz-check` runs each over its seeds once.
FUZZ_BUILD   := build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: fuzz-build fuzz fuzz-check

fuzz-build: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCORVANE_FUZZ=ON -DORVO_BUILD_TESTS=OFF \
		-DORVO_BUILD_BENCHMARKS=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) -j$(JOBS) --target fuzzers

fuzz: fuzz-build
	@tests/fuzz/run-fuzzers run $(FUZZ_BUILD)/fuzzers $(FUZZ_SECONDS)

fuzz-check: fuzz-build
	@tests/fuzz/run-fuzzers check $(FUZZ_BUILD)/fuzzers

# The calculator under AddressSanitizer and UBSan, driven at random by a hurried user for
# SOAK_SECONDS seconds on a private X server (tools/soak/orvo-soak; SOAK_SEED replays a run).
SOAK_SECONDS ?= 600
SOAK_SEED    ?=

.PHONY: soak

soak:
	@$(MAKE) --no-print-directory configure SANITIZE=1
	@cmake --build build-sanitize -j$(JOBS) --target orvo orvo-render
	@tools/soak/orvo-soak --seconds $(SOAK_SECONDS) $(if $(SOAK_SEED),--seed $(SOAK_SEED)) \
		build-sanitize/app/orvo build-sanitize/tools/orvo-render/orvo-render

clean:
	rm -rf build build-sanitize build-fuzz
