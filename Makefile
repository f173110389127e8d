# The one front door: make test, make run, make bench, make fuzz, make asan.
BUILD      ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD?= build-bench
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
# ccache, when installed, makes rebuilds of unchanged sources cheap.
CCACHE     := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CMAKE_GEN  := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CCACHE)

.PHONY: all deps build test run bench fuzz asan format clean

all: build

deps:
	@sh scripts/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN)

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

run: build
	./$(BUILD)/shell/morvane

# Every test (display-free and offscreen windows) under the address and undefined-behaviour
# sanitizers, in one sanitizer build. The only leak suppressed is fontconfig's own cache
# (tests/lsan.supp).
SANITIZER_ENV := ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DMORVANE_SANITIZE=ON -DMORVANE_GUI=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(SANITIZER_ENV) ctest --output-on-failure -L 'unit|gui' -j $(JOBS)

# The computing benchmarks, then the window's (offscreen, raster).
bench: deps
	cmake -S . -B $(BENCH_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DMORVANE_BENCH=ON -DMORVANE_GUI=ON $(CCACHE)
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target morvane_bench morvane_bench_gui
	./$(BENCH_BUILD)/bench/morvane_bench
	./$(BENCH_BUILD)/bench/morvane_bench_gui

# Builds every fuzz target with clang and runs each for FUZZ_SECONDS (FUZZ_TARGETS picks
# some: make fuzz FUZZ_TARGETS=fuzz_document_open). Each starts from its corpus under the
# build folder and, where there is one, its seed folder under tests/fuzz/seeds.
FUZZ_SECONDS ?= 30
FUZZ_TARGETS ?= fuzz_*
fuzz:
	@sh scripts/install-deps.sh --fuzz
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DMORVANE_FUZZ=ON -DMORVANE_GUI=OFF
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@for f in $(addprefix $(FUZZ_BUILD)/tests/fuzz/,$(FUZZ_TARGETS)); do \
	  [ -x "$$f" ] || continue; \
	  name=$$(basename $$f); corpus=$(FUZZ_BUILD)/corpus/$$name; mkdir -p $$corpus; \
	  seeds=tests/fuzz/seeds/$$name; [ -d $$seeds ] || seeds=; \
	  echo "== $$f"; $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=0 $$corpus $$seeds || exit 1; \
	done

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
