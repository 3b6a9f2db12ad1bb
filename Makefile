# The two commands a newcomer types: `make test` (and, once the window exists, `make run`).
# Each installs what is missing, configures and builds with CMake, then does its job.

JOBS     := $(shell nproc)
BUILD    ?= build
CMAKE_FLAGS ?=

ifeq ($(SANITIZE),1)
BUILD := build-sanitize
CMAKE_FLAGS += -DCORVANE_SANITIZE=ON -DORVO_BUILD_BENCHMARKS=OFF
endif
ifeq ($(WERROR),1)
CMAKE_FLAGS += -DCORVANE_WERROR=ON
endif

.PHONY: deps configure build test bench clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

bench: build
	@for b in $(BUILD)/tools/benchmarks/*-benchmark; do echo "== $$b"; $$b; done

clean:
	rm -rf build build-sanitize build-fuzz
