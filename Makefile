# Set-up and everyday commands. Every target installs the Debian packages that are
# missing first, so a fresh machine needs nothing but this file. (librsvg2-bin draws the
# icon's bitmap sizes; dpkg-dev and file let CPack find the libraries the package needs;
# lintian and appstream check the package and its AppStream metadata in the suite.)

BUILD_DIR ?= build
PRESET    ?= default
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)

PACKAGES = cmake ninja-build g++ qt6-base-dev libfontconfig-dev libgcrypt20-dev libgtest-dev libgmock-dev libbenchmark-dev \
           fonts-liberation2 xvfb xauth \
           librsvg2-bin dpkg-dev file lintian appstream

# What `make fuzz` needs beyond cmake and ninja: clang with the libFuzzer and sanitizer runtimes.
FUZZ_PACKAGES = clang libclang-rt-14-dev
FUZZ_DIR      ?= build-fuzz
FUZZ_SECONDS  ?= 60
FUZZ_HARNESSES = layout bitmap font bm paste

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps configure build run test sanitize fuzz bench package clean

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

# Builds the libFuzzer harnesses of tests/fuzz with clang and the sanitizers into $(FUZZ_DIR)
# and runs each for FUZZ_SECONDS on its corpus. What a run adds to a corpus goes to
# $(FUZZ_DIR)/corpus/<harness>; a failing input goes to $(FUZZ_DIR)/findings/ and stops make.
# The paths given to the harnesses are absolute: they work in a scratch folder of their own.
fuzz:
	@$(MAKE) --no-print-directory deps PACKAGES="cmake ninja-build $(FUZZ_PACKAGES)"
	@[ -f $(FUZZ_DIR)/build.ninja ] || CXX=clang++ cmake -S tests/fuzz -B $(FUZZ_DIR) -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	@mkdir -p $(FUZZ_DIR)/findings
	@for h in $(FUZZ_HARNESSES); do \
	  mkdir -p $(FUZZ_DIR)/corpus/$$h; \
	  case $$h in layout|paste) dict=-dict=$(CURDIR)/tests/fuzz/dcf.dict;; *) dict="";; esac; \
	  echo "Fuzzing $$h for $(FUZZ_SECONDS) s"; \
	  $(FUZZ_DIR)/fuzz_$$h $$dict -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -rss_limit_mb=1024 -malloc_limit_mb=64 -timeout=10 \
	    -artifact_prefix=$(abspath $(FUZZ_DIR))/findings/$$h- \
	    $(abspath $(FUZZ_DIR))/corpus/$$h $(CURDIR)/tests/fuzz/corpus/$$h || exit 1; \
	done

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do \
	  [ -x "$$b" ] && QT_QPA_PLATFORM=offscreen "$$b" --benchmark_counters_tabular=true; \
	done

# A Debian package of both programs with their desktop entry, icon, file type and manual page:
# $(BUILD_DIR)/panelwright_<version>_<arch>.deb.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf build build-sanitize build-fuzz
