# Set-up, build and checks of Tolvane. Every target first installs what is missing.
JOBS ?= $(shell nproc)
BUILD ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench

.PHONY: all deps configure build run package test test-plain test-sanitized bench screenshot clean

all: build

deps:
	scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The program and its codec links only; the tests are built by `make test`.
build: configure
	cmake --build $(BUILD) -j $(JOBS) --target tolvane

run: build
	$(BUILD)/bin/tolvane

# The whole suite twice: the normal build, then one with AddressSanitizer and
# UndefinedBehaviorSanitizer.
test: test-plain test-sanitized

test-plain: configure
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

test-sanitized: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTOLVANE_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

# The Debian package, in the build folder.
package: configure
	cmake --build $(BUILD) -j $(JOBS) --target tolvane
	cd $(BUILD) && cpack -G DEB

bench: deps
	scripts/install-deps --bench
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target tolvane_bench
	$(BENCH_BUILD)/bin/tolvane_bench

screenshot: build
	scripts/screenshot $(BUILD)/bin/tolvane docs/window.png

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD)
