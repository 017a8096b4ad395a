# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tallyfox developers

# Tallyfox: `make run` builds and starts the program, `make test` builds and runs every test.
# Both install the Debian packages they need first (as root), or print the apt-get line to run.

FUZZ_DIR     ?= build-fuzz
SANITIZE_DIR ?= build-sanitize
BUILD_TYPE   ?= Release
FUZZ_SECONDS ?= 600
JOBS         ?= $(shell nproc)

PACKAGES      = cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core \
                fonts-liberation libqt6svg6 clang-format qt6-wayland qt6-charts-dev libqt6opengl6-dev qt6-svg-dev \
                appstream desktop-file-utils shared-mime-info man-db zsh fish weston
# The real-window journeys of `make test`: an X server, a phone shell, a desktop window manager, the
# pointer and keys, screen pictures, the clipboard and window facts.
PACKAGES     += xvfb matchbox-window-manager openbox xdotool imagemagick xclip x11-utils
# The export's journal is read back by ledger in the tests (and by hledger where it is installed).
PACKAGES     += ledger
# The window's translations: lrelease and lupdate, and Qt's own texts in the same languages.
PACKAGES     += qt6-l10n-tools qt6-translations-l10n
FUZZ_PACKAGES = clang libclang-rt-14-dev
DEB_PACKAGES  = debhelper dpkg-dev lintian
DEB_DIR      ?= build-deb

# CI (which sets CI=true) builds in a folder of its own with warnings as errors; a local build shows them
# and goes on.
ifneq ($(filter-out false 0,$(CI)),)
BUILD_DIR ?= build-ci
WERROR = ON
else
BUILD_DIR ?= build
WERROR = OFF
endif

.PHONY: all deps build run test test-sanitize bench soak soak-quick fuzz fuzz-deps deb format format-check screenshots clean

all: build

deps:
	@./tools/install-packages.sh $(PACKAGES)

fuzz-deps:
	@./tools/install-packages.sh $(PACKAGES) $(FUZZ_PACKAGES)

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) -DTALLYFOX_WERROR=$(WERROR)

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./tools/run.sh $(BUILD_DIR)

test: build
	@./tests/journeys/x-server-check.sh
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The tests once more, built with AddressSanitizer and UndefinedBehaviorSanitizer, in a folder of their own.
test-sanitize: deps
	cmake -S . -B $(SANITIZE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALLYFOX_SANITIZE=ON \
	    -DTALLYFOX_WERROR=$(WERROR) -DTALLYFOX_BENCH=OFF
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./bench/run.sh $(BUILD_DIR)

# Kills, concurrent writers (by other paths, from other runtime folders and as two users too), the open
# window, full disks, special files and the user's files beside the database, against the built programs
# in a temporary folder; on 2 cores about three minutes when idle, seven at a load average of 6. Not part
# of `make test` or CI. `soak-quick` runs every experiment with fewer trials in under two minutes; CI runs
# it after the tests.
soak: build
	./tools/soak/soak.sh $(BUILD_DIR)/bin

soak-quick: build
	./tools/soak/soak.sh --quick $(BUILD_DIR)/bin

fuzz: fuzz-deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DTALLYFOX_FUZZ=ON -DTALLYFOX_TESTS=OFF -DTALLYFOX_BENCH=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzzers
	./fuzz/run.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# tallyfox_VERSION_ARCH.deb in $(DEB_DIR), built by dpkg-buildpackage from debian/, checked by lintian
# and by the list of the files it holds.
deb:
	@./tools/install-packages.sh $(PACKAGES) $(DEB_PACKAGES)
	JOBS=$(JOBS) ./tools/package/make-deb.sh $(DEB_DIR)

# Pictures of the windows at scale 1 and 3 on the sample database, for the README and for review.
screenshots: build
	for scale in 1 3; do \
	    QT_SCALE_FACTOR=$$scale $(BUILD_DIR)/bin/tallyfox-screenshots data/sample.tfx docs/screenshots || exit 1; \
	done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Fails when a file is not formatted as `make format` would format it.
format-check:
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

clean:
	rm -rf build build-ci $(FUZZ_DIR) $(SANITIZE_DIR) $(DEB_DIR)
