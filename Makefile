# Front door for building, running and testing. Every target installs the
# Debian packages it needs first, so a fresh Debian 12, 13 or unstable machine
# needs nothing else.

BUILD     ?= build
ASAN      ?= build-asan
WERROR    ?= OFF
JOBS      ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: deps configure build run test asan-test soak a11y-test wayland-test desktop-test distro-test bench screenshots coverage package repro-check format format-check clean

# What scripts/install-deps installs: `run` (building and playing) when only
# building or playing is asked for, else `test` (and the test tools).
DEPS ?= $(if $(filter-out deps configure build run icons package distro-test clean,$(or $(MAKECMDGOALS),deps)),test,run)

deps:
	@scripts/install-deps $(DEPS)

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSALINE_WERROR=$(WERROR) $(CMAKE_ARGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/tessaline

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The whole suite again with AddressSanitizer and UndefinedBehaviorSanitizer,
# less the package checks: dpkg-buildpackage builds the package with its own
# flags, so the sanitizers would add nothing to them.
asan-test: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DTESSALINE_SANITIZE=ON -DTESSALINE_WERROR=$(WERROR) $(CMAKE_ARGS)
	cmake --build $(ASAN) -j $(JOBS)
	cd $(ASAN) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) -LE package

# Random play through the real windows under the sanitizers, as long as asked:
#   make soak EVENTS=1000000 SEED=12345   (the seed is printed; a failure prints how to replay it)
EVENTS ?= 1000000
SEED   ?= $(shell date +%s)
soak: deps
	cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DTESSALINE_SANITIZE=ON -DTESSALINE_WERROR=$(WERROR) $(CMAKE_ARGS)
	cmake --build $(ASAN) -j $(JOBS) --target random_play
	TESSALINE_SEED=$(SEED) TESSALINE_EVENTS=$(EVENTS) QT_QPA_PLATFORM=offscreen $(ASAN)/tests/ui/random/random_play

# Pictures of every window and of a game in progress, lost and won, in screenshots/;
# the game in progress also to data/screenshots/, for the README and the metainfo.
screenshots: build
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/tessaline_screenshots screenshots
	mkdir -p data/screenshots
	cp screenshots/game.png data/screenshots/game.png

# The program icon's files in data/icons, written again from the game's own
# drawing of it; commit what changes (a test checks they match).
.PHONY: icons
icons: configure
	cmake --build $(BUILD) -j $(JOBS) --target tessaline_icons
	$(BUILD)/tools/tessaline_icons data/icons

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

# One game as a player plays it on each desktop this Debian release runs
# headless: the X11 window managers openbox, xfwm4, mutter and kwin_x11 in
# Xvfb, the Wayland compositors sway, weston, mutter and kwin_wayland; the beep
# heard (an X bell, the compositor's bell, a sound stream); the board's
# contrast under GTK's and KDE's dark palettes. A desktop the release lacks is
# skipped. Not part of `test`. Screenshots go to $(BUILD)/desktop-test/<desktop>.
#   make desktop-test DESKTOPS="openbox sway palettes"   (default: all)
DESKTOPS ?=
desktop-test: build
	scripts/desktop-test $(BUILD)/src/tessaline $(DESKTOPS)

# The commit proved on clean Debian roots, release by release: make test from a
# fresh clone, the source package built as Debian's build daemons build it,
# lintian, apt install, the autopkgtest, make desktop-test. As root, with
# mmdebstrap; roots cached in /var/cache/tessaline-distro; logs in build-distro/.
# Not part of `test`: 20 to 30 minutes a release.
#   make distro-test RELEASES=trixie   (default: bookworm trixie sid)
RELEASES ?= bookworm trixie sid
distro-test:
	scripts/distro-test $(RELEASES)

# The Debian package, written to $(BUILD)/tessaline_<version>_<arch>.deb: built
# by dpkg-buildpackage from a copy of the tree in $(BUILD)/pkg, never outside.
package: deps
	scripts/build-package $(BUILD)/pkg
	cp $(BUILD)/pkg/tessaline_*.deb $(BUILD)/

# Builds the package twice, in two folders at two times, and compares the bytes
# (diffoscope says where they differ). Not part of `test`.
repro-check: deps
	scripts/repro-check $(BUILD)/repro

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

# Coverage-guided fuzzing of the number rules, the Options rules and Set Blocks
# in a clang build of the model alone, each target for SECONDS; findings fail.
#   make fuzz SECONDS=600   (FUZZ_TARGETS=number_fuzz picks targets)
.PHONY: fuzz
FUZZ_BUILD ?= build-fuzz
SECONDS ?= 600
FUZZ_TARGETS ?=
fuzz: deps
	cmake -S . -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSALINE_FUZZ=ON -DTESSALINE_WERROR=$(WERROR) $(CMAKE_ARGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	scripts/fuzz $(FUZZ_BUILD) $(SECONDS) $(FUZZ_TARGETS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails when a source file is not laid out as clang-format lays it out.
format-check: deps
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

clean:
	rm -rf $(BUILD) $(ASAN) $(COVERAGE_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
