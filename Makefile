# Front door of the build. `make test` is what CI runs.
JOBS ?= 2
BUILD ?= build
CMAKE_FLAGS ?=

.PHONY: all build deps test test-native test-sanitize test-win win run bench install-deps clean

all: build

build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

# The whole suite: native, then under AddressSanitizer and UndefinedBehaviorSanitizer, then the
# Windows build under Wine when the cross compiler is installed.
test: deps
	$(MAKE) test-native test-sanitize test-win

# Installs the Debian packages only when something is missing.
deps:
	@sh tools/have-deps || sh tools/install-deps

test-native: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-sanitize:
	cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DKELVANE_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build build-sanitize -j $(JOBS)
	cd build-sanitize && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 \
	  UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# The Windows programs, Kelvane.exe and kelvane-cli.exe, cross-compiled into build-win/.
win:
	cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=Release
	cmake --build build-win -j $(JOBS) --target Kelvane kelvane-cli

# The Windows build with all its tests, run under Wine (prefix build-win/wineprefix) on a virtual
# display for the dialogs.
test-win:
	@if command -v x86_64-w64-mingw32-g++ >/dev/null 2>&1 && [ -f cmake/mingw-w64.cmake ]; then \
	  $(MAKE) win && cmake --build build-win -j $(JOBS) && \
	  xvfb-run -a -s '-screen 0 1280x1024x24' sh -c \
	    'tools/wine-run --init build-win && cd build-win && ctest --output-on-failure -j $(JOBS)'; \
	else echo "test-win: no MinGW-w64 cross compiler, Windows build skipped"; fi

# Starts the dialog, installing what the build needs first when it is missing.
run: deps
	$(MAKE) build
	./$(BUILD)/kelvane

# The benchmarks, after the tests too slow for the suite: scans that read 4.5 GiB of a sparse file.
bench:
	cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKELVANE_BENCH=ON -DKELVANE_TESTS=ON -DKELVANE_GUI=OFF $(CMAKE_FLAGS)
	cmake --build build-bench -j $(JOBS) --target kelvane_bench rom_tests cli_tests
	./build-bench/tests/rom_tests --gtest_also_run_disabled_tests --gtest_filter='*.DISABLED_*'
	./build-bench/tests/cli_tests --gtest_also_run_disabled_tests --gtest_filter='*.DISABLED_*'
	./build-bench/bench/kelvane_bench
	$(MAKE) build
	tools/bench-startup $(BUILD)/kelvane

install-deps:
	sh tools/install-deps

clean:
	rm -rf build build-sanitize build-win build-bench
