# The whole set-up on a fresh Debian 12 machine:
#   make run    installs the Debian packages Nuvra needs, builds it and starts it
#   make test   the same set-up, then every test
# Nothing is downloaded except Debian packages.

PACKAGES := cmake ninja-build g++ make pkg-config qt6-base-dev libgl-dev \
            googletest libgtest-dev libgmock-dev libbenchmark-dev clang \
            qt6-multimedia-dev qt6-svg-dev xvfb xdotool xclip imagemagick libxcb1-dev libxcb-keysyms1-dev libx11-dev libxtst-dev \
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

# The libFuzzer targets, built with clang, AddressSanitizer and UBSan in their own folder. Each
# runs FUZZ_SECONDS seconds from its seed corpus (<module>/fuzz/corpus), keeping the inputs it
# finds in build/fuzz/corpora/<name> and a crashing input in build/fuzz/artifacts/. All of them
# run; the target fails if any one finds a crash. FUZZERS picks some: make fuzz FUZZERS=...
# Each entry is binary:seed corpus:longest input; a number text needs few bytes, and typing
# costs a display update per key.
FUZZ_SECONDS ?= 600
FUZZ_TARGETS := eval/evaluate_fuzzer:eval/fuzz/corpus:4096 \
                core/number_text_fuzzer:core/fuzz/corpus:256 \
                tools/converter/converter_number_fuzzer:tools/converter/fuzz/corpus:256 \
                frame/key_string_fuzzer:frame/fuzz/corpus:4096 \
                platform/ini_settings_fuzzer:platform/fuzz/corpus:4096
FUZZERS ?= $(foreach t,$(FUZZ_TARGETS),$(notdir $(firstword $(subst :, ,$(t)))))
# The settings fuzzer writes and syncs a file for every input: ten times faster on tmpfs.
FUZZ_TMPDIR ?= $(if $(wildcard /dev/shm/.),/dev/shm,/tmp)
.PHONY: fuzz
fuzz: deps
	cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link \
	    -DNUVRA_SANITIZE=ON -DNUVRA_BUILD_TESTS=OFF -DNUVRA_BUILD_BENCH=OFF
	cmake --build build/fuzz --target $(FUZZERS) -j $(JOBS)
	@failed=""; \
	for target in $(FUZZ_TARGETS); do \
	    path=$${target%%:*}; rest=$${target#*:}; corpus=$${rest%%:*}; maxlen=$${rest#*:}; \
	    name=$${path##*/}; \
	    case " $(FUZZERS) " in *" $$name "*) ;; *) continue ;; esac; \
	    mkdir -p build/fuzz/corpora/$$name build/fuzz/artifacts; \
	    echo "== $$name: $(FUZZ_SECONDS) s"; \
	    TMPDIR=$(FUZZ_TMPDIR) build/fuzz/$$path -max_total_time=$(FUZZ_SECONDS) -timeout=10 \
	        -max_len=$$maxlen -artifact_prefix=build/fuzz/artifacts/$$name- \
	        build/fuzz/corpora/$$name $$corpus || failed="$$failed $$name"; \
	done; \
	if [ -n "$$failed" ]; then echo "fuzz: crashes in$$failed (see build/fuzz/artifacts)"; exit 1; fi
