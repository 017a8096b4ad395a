# Tallyfox: `make run` builds and starts the program, `make test` builds and runs every test.
# Both install the Debian packages they need first (as root), or print the apt-get line to run.

BUILD_DIR    ?= build
FUZZ_DIR     ?= build-fuzz
BUILD_TYPE   ?= Release
FUZZ_SECONDS ?= 600
JOBS         ?= $(shell nproc)

PACKAGES      = cmake ninja-build g++ qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-dejavu-core \
                fonts-liberation libqt6svg6
FUZZ_PACKAGES = clang libclang-rt-14-dev

# CI (which sets CI=true) builds with warnings as errors; a local build shows them and goes on.
ifneq ($(filter-out false 0,$(CI)),)
WERROR = ON
else
WERROR = OFF
endif

.PHONY: all deps build run test bench soak fuzz fuzz-deps format screenshots clean

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
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	./bench/run.sh $(BUILD_DIR)

# Kills, concurrent writers, the open window, full disks and special files against the built programs,
# in a temporary folder; about five minutes. Not part of `make test`.
soak: build
	./tools/soak/soak.sh $(BUILD_DIR)/bin

fuzz: fuzz-deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DTALLYFOX_FUZZ=ON -DTALLYFOX_TESTS=OFF -DTALLYFOX_BENCH=OFF
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzzers
	./fuzz/run.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# Pictures of the windows at scale 1 and 3 on the sample database, for the README and for review.
screenshots: build
	for scale in 1 3; do \
	    QT_SCALE_FACTOR=$$scale $(BUILD_DIR)/bin/tallyfox-screenshots data/sample.tfx docs/screenshots || exit 1; \
	done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(FUZZ_DIR)
