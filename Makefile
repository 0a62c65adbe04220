# Set-up, build and checks of Tolvane. Every target first installs what is missing.
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench

.PHONY: all deps build run test test-plain test-sanitized bench screenshot clean

all: build

deps:
	scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/tolvane

# The whole suite twice: the normal build, then one with AddressSanitizer and
# UndefinedBehaviorSanitizer.
test: test-plain test-sanitized

test-plain: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

test-sanitized: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTOLVANE_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target tolvane_bench
	$(BENCH_BUILD)/bin/tolvane_bench

screenshot: build
	scripts/screenshot $(BUILD)/bin/tolvane docs/window.png

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD)
