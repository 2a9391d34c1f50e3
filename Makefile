# Set-up and everyday commands. Every target installs the Debian packages that are
# missing first, so a fresh machine needs nothing but this file. (librsvg2-bin draws the
# icon's bitmap sizes; dpkg-dev and file let CPack find the libraries the package needs;
# lintian and appstream check the package and its AppStream metadata in the suite.)

BUILD_DIR ?= build
PRESET    ?= default
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)

PACKAGES = cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev \
           fonts-liberation2 xvfb xauth \
           libssl-dev librsvg2-bin dpkg-dev file lintian appstream

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test sanitize bench package clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

configure: deps
	@[ -f $(BUILD_DIR)/build.ninja ] || cmake --preset $(PRESET)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(BUILD_DIR)/src/gui/panelwright $(ARGS); \
	else \
	  echo "No display found: starting under xvfb-run."; \
	  xvfb-run -a $(BUILD_DIR)/src/gui/panelwright $(ARGS); \
	fi

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

sanitize:
	$(MAKE) test BUILD_DIR=build-sanitize PRESET=sanitize

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do \
	  [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b" --benchmark_counters_tabular=true; \
	done

# A Debian package of both programs with their desktop entry, icon, file type and manual page:
# $(BUILD_DIR)/panelwright_<version>_<arch>.deb.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf build build-sanitize
