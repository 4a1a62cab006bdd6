# The whole set-up on a fresh Debian 12 machine:
#   make run    installs the Debian packages Nuvra needs, builds it and starts it
#   make test   the same set-up, then every test
# Nothing is downloaded except Debian packages.

PACKAGES := cmake ninja-build g++ make pkg-config qt6-base-dev libgl-dev \
            googletest libgtest-dev libgmock-dev libbenchmark-dev clang \
            qt6-multimedia-dev xvfb xdotool xclip imagemagick libxcb1-dev libxcb-keysyms1-dev libx11-dev libxtst-dev \
            python3-pyatspi at-spi2-core dbus-daemon dbus-bin dbus-session-bus-common

SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
# CI treats warnings as errors; a developer's build only shows them.
WERROR := $(if $(CI),ON,OFF)
JOBS ?= $(shell nproc)

.PHONY: all deps run build test test-sanitize bench install clean

all: build

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	    dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	    echo "Installing:$$missing"; \
	    $(SUDO) apt-get update -qq && \
	    DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

build/release/build.ninja: | deps
	cmake --preset release -DNUVRA_WARNINGS_AS_ERRORS=$(WERROR)

build: deps build/release/build.ninja
	cmake --build --preset release -j $(JOBS)

run: build
	./build/release/app/Nuvra

build/debug/build.ninja: | deps
	cmake --preset debug -DNUVRA_WARNINGS_AS_ERRORS=$(WERROR)

test: deps build/debug/build.ninja
	cmake --build --preset debug -j $(JOBS)
	ctest --preset debug -j $(JOBS)

build/asan/build.ninja: | deps
	cmake --preset asan -DNUVRA_WARNINGS_AS_ERRORS=$(WERROR)

test-sanitize: deps build/asan/build.ninja
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

bench: build
	bench/run

install: build
	cmake --install build/release --prefix $(or $(PREFIX),/usr/local)

clean:
	rm -rf build

# The formula evaluator's libFuzzer target, built with clang, AddressSanitizer and UBSan in its
# own folder; it runs FUZZ_SECONDS seconds from the seed corpus (new inputs go to build/fuzz).
FUZZ_SECONDS ?= 600
.PHONY: fuzz
fuzz: deps
	cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link \
	    -DNUVRA_SANITIZE=ON -DNUVRA_BUILD_TESTS=OFF -DNUVRA_BUILD_BENCH=OFF
	cmake --build build/fuzz --target evaluate_fuzzer -j $(JOBS)
	mkdir -p build/fuzz/corpus
	build/fuzz/eval/evaluate_fuzzer -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	    -max_len=4096 build/fuzz/corpus eval/fuzz/corpus
