# The two commands a new user needs: `make run` and `make test`.
# Both install missing Debian/Ubuntu packages first, then configure with CMake presets and build.

SHELL := /bin/bash
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# The real Bino 2 player the end-to-end tests build (tools/build-bino.sh) and play scripts with,
# and ffmpeg for their test clip.
BINO_PACKAGES := qt6-multimedia-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools \
  libqt6opengl6-dev libgl-dev libgl1-mesa-dri gstreamer1.0-plugins-base \
  gstreamer1.0-plugins-good gstreamer1.0-libav ffmpeg

# Build and run dependencies (Linux lane, Windows lane, end-to-end tests, benchmarks).
PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev libglib2.0-dev \
  googletest libgtest-dev libgmock-dev libbenchmark-dev \
  mingw-w64 wine wine64 \
  xvfb xdotool x11-utils x11-apps x11-xkb-utils libxtst6 xauth libxcb-damage0-dev python3 fonts-liberation fonts-dejavu-core \
  shared-mime-info desktop-file-utils clang clang-format libclang-rt-14-dev \
  $(BINO_PACKAGES)

.PHONY: deps build build-win run test test-linux test-win format bench test-sanitize fuzz clean package lint soak

deps:
	@missing=$$(for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; \
	  done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build: deps
	cmake --preset linux
	cmake --build --preset linux -j $(JOBS)

build-win: deps
	cmake --preset windows-cross
	cmake --build --preset windows-cross -j $(JOBS)

run: build
	./build/bin/quadrel

test-linux: build
	ctest --preset linux -j $(JOBS)

test-win: build-win
	ctest --preset windows-cross

test: test-linux test-win

test-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

# Each fuzz target runs for FUZZ_SECONDS on a copy of its seeds (tests/fuzz/corpus/).
FUZZ_SECONDS ?= 30

fuzz: deps
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	tests/fuzz/run_fuzzers.sh build-fuzz $(FUZZ_SECONDS)

bench: build
	cmake --build --preset linux --target bench -j $(JOBS)

# The long-show soak under Xvfb, not part of `make test` (see BENCHMARKS.md); SOAK_SECONDS sets
# its length.
SOAK_SECONDS ?= 600

soak: build
	QUADREL_BIN=build/bin/quadrel python3 bench/soak/soak.py --seconds $(SOAK_SECONDS) \
	  --out build/soak/soak-results.md

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build build-win build-sanitize build-fuzz

package: build
	cd build && cpack

# clang-tidy over the program's own sources (not tests, benchmarks or generated files).
lint: build
	git ls-files 'app/*.cpp' 'show/*.cpp' 'showlist/*.cpp' 'players/*.cpp' 'settings/*.cpp' \
	  'controls/*.cpp' 'platform/*.cpp' | grep -v '_win32\.cpp$$' | \
	  xargs -P $(JOBS) -n 4 clang-tidy -p build --quiet
