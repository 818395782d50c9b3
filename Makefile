# Two commands for a new Debian 12 machine:
#   make test   installs what the build needs, builds with the sanitizers and runs every test
#   make run    installs what the build needs, builds and starts the program in build-run/,
#               whose Data/ holds the generated default data files (ARGS=... passes options)
SHELL := /bin/bash
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
PACKAGES := cmake ninja-build g++ clang libgtest-dev libgmock-dev libbenchmark-dev \
  qt6-base-dev libgl-dev poppler-utils fonts-crosextra-carlito
JOBS ?= $(shell nproc)

.PHONY: deps test build-test build-run run bench fuzz clean

deps:
	@if ! dpkg -s $(PACKAGES) >/dev/null 2>&1; then \
	  $(SUDO) apt-get update && \
	  DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $(PACKAGES); \
	fi

build-test: deps
	cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTQ_SANITIZE=ON -DTQ_TESTS=ON
	cmake --build build-test -j $(JOBS)

# The time-out only ends a test that hangs: the longest ones take minutes on a busy machine.
test: build-test
	cd build-test && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure --timeout 1200 -j $(JOBS)

build-run: deps
	cmake -S . -B build-run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTQ_TESTS=OFF
	cmake --build build-run -j $(JOBS) --target px417 default_files

# The program works in its working folder: build-run/ holds Data/DEFAULTUP.X417 and the other defaults.
run: build-run
	cd build-run && ./src/app/px417 $(ARGS)

# Google Benchmark figures (optimised build): the image codec, the pages and dialogs
# offscreen (opening, tab switches, paging, commits), then whole radio transfers against
# the simulated radio at 9600 baud, run as the clone dialog runs them (a few minutes).
bench: deps
	cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTQ_TESTS=OFF -DTQ_BENCH=ON
	cmake --build build-bench -j $(JOBS)
	for b in build-bench/bench/*_bench; do \
	  [ "$$b" = build-bench/bench/link_bench ] || QT_QPA_PLATFORM=offscreen $$b || exit 1; \
	done
	./build-bench/bench/link_bench

# libFuzzer run of the data-file loader; FUZZ_SECONDS sets how long.
FUZZ_SECONDS ?= 60
fuzz: deps
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTQ_TESTS=OFF -DTQ_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target fuzz_data_file make_default_files
	./build-fuzz/tools/make_default_files build-fuzz
	mkdir -p build-fuzz/corpus && cp build-fuzz/Data/*.X417 build-fuzz/corpus/
	./build-fuzz/fuzz/fuzz_data_file -max_len=33000 -max_total_time=$(FUZZ_SECONDS) build-fuzz/corpus

clean:
	rm -rf build build-test build-run build-bench build-fuzz
