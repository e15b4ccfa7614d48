# The two commands a new user needs: `make run` and `make test`.
# Each target installs the Debian/Ubuntu packages it needs first (and no more), then configures
# with CMake presets and builds.

SHELL := /bin/bash
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Building and running the presenter; the remote control's servers use Qt WebSockets and liblo
# (OSC).
RUN_PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev libglib2.0-dev shared-mime-info \
  fonts-liberation qt6-websockets-dev liblo-dev
# The real Bino 2 player the end-to-end tests build (tools/build-bino.sh) and play scripts with,
# and ffmpeg for their test clip.
BINO_PACKAGES := qt6-multimedia-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools \
  libqt6opengl6-dev libgl-dev libgl1-mesa-dri gstreamer1.0-plugins-base \
  gstreamer1.0-plugins-good gstreamer1.0-libav ffmpeg
# The Linux test suite and benchmarks: GoogleTest, an X server and the tools that drive it
# (keyboard layouts, XTEST), a real window manager (openbox) for the window modes, Xorg with the
# dummy driver and xrandr for two screens side by side (Xvfb has one), the real Bino 2, and
# the remote's real clients: liblo's oscsend and oscdump (as a show-control desk), curl, a
# WebSocket client and Chromium driven by Selenium (as a phone).
TEST_PACKAGES := $(RUN_PACKAGES) googletest libgtest-dev libgmock-dev libbenchmark-dev liblo-tools \
  curl python3-websockets chromium chromium-driver python3-selenium \
  xvfb xdotool openbox x11-utils x11-apps x11-xkb-utils libxtst6 xauth libxcb-damage0-dev python3 \
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils \
  fonts-dejavu-core desktop-file-utils $(BINO_PACKAGES)
# The Windows lanes: the cross compiler, Wine with its own fonts (Tahoma), GoogleTest's source,
# dpkg-dev for fetching Qt's source (tools/build-qt-windows.sh), and XFixes, through which the
# Wine tests read the pointer.
WIN_PACKAGES := $(TEST_PACKAGES) mingw-w64 wine wine64 fonts-wine dpkg-dev libxfixes3
# Sanitizers, fuzzing and the style tools: clang and LLVM.
CLANG_PACKAGES := $(TEST_PACKAGES) clang clang-format clang-tidy libclang-rt-14-dev

# $(call install,packages): installs those of `packages` that are missing.
define install
	@missing=$$(for p in $(1); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi
endef

.PHONY: deps deps-test deps-win deps-clang build build-tests build-win build-win-app run test \
  test-linux test-win format bench test-sanitize fuzz clean package package-win lint soak

deps:
	$(call install,$(RUN_PACKAGES))
deps-test:
	$(call install,$(TEST_PACKAGES))
deps-win:
	$(call install,$(WIN_PACKAGES))
deps-clang:
	$(call install,$(CLANG_PACKAGES))

# The presenter and quadrel-check only.
build: deps
	cmake --preset linux -DQUADREL_TESTS=OFF -DQUADREL_BENCH=OFF
	cmake --build --preset linux -j $(JOBS) --target quadrel quadrel-check

# Everything of the Linux lane: the program, its tests and benchmarks.
build-tests: deps-test
	cmake --preset linux -DQUADREL_TESTS=ON -DQUADREL_BENCH=ON
	cmake --build --preset linux -j $(JOBS)

# The Windows core lane: quadrel_core and its tests, run under Wine.
build-win: deps-win
	cmake --preset windows-cross
	cmake --build --preset windows-cross -j $(JOBS)

# The whole Windows program against Qt for Windows, built once per machine into a cache.
build-win-app: deps-win
	qt=$$(set -o pipefail; JOBS=$(JOBS) tools/build-qt-windows.sh | tail -n 1) && \
	  QUADREL_QT_WIN=$$qt cmake --preset windows -DCMAKE_PREFIX_PATH=$$qt "-DCMAKE_FIND_ROOT_PATH=$$qt"
	cmake --build --preset windows -j $(JOBS)

run: build
	./build/bin/quadrel

test-linux: build-tests
	ctest --preset linux -j $(JOBS)

# Both Windows lanes; their differential and first-run checks use the Linux build as well.
test-win: build-win build-win-app build-tests
	ctest --preset windows-cross
	ctest --preset windows

test: test-linux test-win

test-sanitize: deps-clang
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

# Each fuzz target runs for FUZZ_SECONDS on a copy of its seeds (tests/fuzz/corpus/).
FUZZ_SECONDS ?= 30

fuzz: deps-clang
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	tests/fuzz/run_fuzzers.sh build-fuzz $(FUZZ_SECONDS)

bench: build-tests
	cmake --build --preset linux --target bench -j $(JOBS)

# The long-show soak under Xvfb, not part of `make test` (see BENCHMARKS.md); SOAK_SECONDS sets
# its length.
SOAK_SECONDS ?= 600

soak: deps-test build
	QUADREL_BIN=build/bin/quadrel python3 bench/soak/soak.py --seconds $(SOAK_SECONDS) \
	  --out build/soak/soak-results.md

format: deps-clang
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-win build-win-app build-sanitize build-fuzz

package: build
	cd build && cpack

# build-win-app/package/quadrel-<version>-windows-x86_64.zip
package-win: build-win-app
	cd build-win-app && cpack

# clang-tidy over the program's own sources (not tests, benchmarks or generated files).
lint: deps-clang build
	git ls-files 'app/*.cpp' 'base/*.cpp' 'core/*.cpp' 'ui/*.cpp' 'platform/*.cpp' | grep -v '_win32\.cpp$$' | \
	  xargs -P $(JOBS) -n 4 clang-tidy -p build --quiet
