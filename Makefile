# Front door for building, running and testing. Every target installs the
# Debian packages it needs first, so a fresh Debian 12 machine needs nothing else.

BUILD     ?= build
ASAN      ?= build-asan
WERROR    ?= OFF
JOBS      ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: deps configure build run test asan-test soak a11y-test wayland-test bench screenshots coverage package format format-check clean

deps:
	@scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSALINE_WERROR=$(WERROR) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/tessaline

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The whole suite again with AddressSanitizer and UndefinedBehaviorSanitizer.
asan-test: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DTESSALINE_SANITIZE=ON -DTESSALINE_WERROR=$(WERROR) $(CMAKE_ARGS)
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Random play through the real windows under the sanitizers, as long as asked:
#   make soak EVENTS=1000000 SEED=12345   (the seed is printed; a failure prints how to replay it)
EVENTS ?= 1000000
SEED   ?= $(shell date +%s)
soak: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DTESSALINE_SANITIZE=ON -DTESSALINE_WERROR=$(WERROR) $(CMAKE_ARGS)
	cmake --build $(ASAN) -j $(JOBS) --target random_play
	TESSALINE_SEED=$(SEED) TESSALINE_EVENTS=$(EVENTS) QT_QPA_PLATFORM=offscreen $(ASAN)/tests/ui/random/random_play

# Pictures of every window and of a game in progress, lost and won, in screenshots/.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/tessaline_screenshots screenshots

# Benchmarks in an optimised build of their own, medians against a floor
# measured in the same run. Start-up is timed offscreen, and under Xvfb too.
BENCH_BUILD ?= build-bench
bench: deps
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DTESSALINE_BENCH=ON -DTESSALINE_WERROR=$(WERROR) $(CMAKE_ARGS)
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target board_redraw_bench game_bench startup_bench
	QT_QPA_PLATFORM=offscreen $(BENCH_BUILD)/bench/board_redraw_bench
	QT_QPA_PLATFORM=offscreen $(BENCH_BUILD)/bench/game_bench
	QT_QPA_PLATFORM=offscreen $(BENCH_BUILD)/bench/startup_bench
	if command -v xvfb-run >/dev/null; then xvfb-run -a $(BENCH_BUILD)/bench/startup_bench; fi

# The game read through the AT-SPI accessibility bus, as a screen reader reads
# it, on a virtual display; not part of `test`. A11Y_PROGRAM may name
# $(BUILD)/tests/ui/a11y/atspi_probe, which shows the board without a game.
A11Y_PROGRAM ?= $(BUILD)/src/tessaline
a11y-test: build
	scripts/a11y-test $(A11Y_PROGRAM)

# The game natively on a headless Wayland compositor, played through a virtual
# pointer and keyboard; not part of `test`. Screenshots go to $(BUILD)/wayland-test.
wayland-test: build
	scripts/wayland-test $(BUILD)/src/tessaline

# The Debian package, written to $(BUILD)/tessaline_<version>_<arch>.deb.
package: build
	cmake --build $(BUILD) --target package

# Line and branch coverage of the model and play layers, from their unit tests.
COVERAGE_BUILD ?= build-coverage
coverage: deps
	cmake -S . -B $(COVERAGE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTESSALINE_COVERAGE=ON $(CMAKE_ARGS)
	cmake --build $(COVERAGE_BUILD) -j $(JOBS) --target tessaline_model_tests tessaline_play_tests
	find $(COVERAGE_BUILD) -name '*.gcda' -delete
	$(COVERAGE_BUILD)/tests/model/tessaline_model_tests --gtest_brief=1
	$(COVERAGE_BUILD)/tests/play/tessaline_play_tests --gtest_brief=1
	gcovr --root . --filter 'src/model/' --filter 'src/play/' --exclude-throw-branches \
	    --exclude-unreachable-branches --print-summary \
	    --fail-under-line 95 --fail-under-branch 85 $(COVERAGE_BUILD)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails when a source file is not laid out as clang-format lays it out.
format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

clean:
	rm -rf $(BUILD) $(ASAN) $(COVERAGE_BUILD) $(BENCH_BUILD)
