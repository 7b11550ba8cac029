# The two commands a newcomer needs: make run, make test.
BUILD ?= build
PREFIX ?= /usr/local
JOBS ?= 2

.PHONY: all deps configure build run test bench fuzz install clean

all: build

deps:
	@scripts/deps

configure: deps
	@test -f $(BUILD)/CMakeCache.txt || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/bin/zarnic

test: build
	@rt=$$(mktemp -d) && chmod 700 $$rt && \
	XDG_RUNTIME_DIR=$$rt QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS); \
	rc=$$?; rm -rf $$rt; exit $$rc

bench: configure
	cmake --build $(BUILD) -j$(JOBS) --target benchmarks
	@for b in $(BUILD)/bin/bench_*; do $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true; done

fuzz: configure
	cmake --build $(BUILD) -j$(JOBS) --target fuzz_reader fuzz_shapes fuzz_paste

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

clean:
	rm -rf $(BUILD)
