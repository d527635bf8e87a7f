# Everything a fresh Debian machine needs: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja

.PHONY: deps configure build test asan bench run clean format

deps:
	@tools/install_deps.sh

configure: deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

asan: deps
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DLUMTAR_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

bench: build
	cmake --build $(BUILD) -j $(JOBS) --target lumtar_bench lumtar_gui_bench
	$(BUILD)/bench/lumtar_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/lumtar_gui_bench

# The desktop program. Without a display it says so in one line and stops
# (try `xvfb-run make run`, or lumtar-cli).
run: build
	$(if $(DISPLAY)$(WAYLAND_DISPLAY)$(QT_QPA_PLATFORM),,$(error no display available: set DISPLAY, run under xvfb-run, or use lumtar-cli))
	$(BUILD)/src/gui/lumtar

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)

# libFuzzer targets, built by clang with ASan and UBSan apart from the gcc
# build: every fuzz/<name>_fuzz.cpp runs FUZZ_TIME seconds on its corpus
# fuzz/corpus/<name>; findings land in $(FUZZ_BUILD)/findings.
FUZZ_BUILD ?= build-fuzz
FUZZ_TIME  ?= 60
FUZZ_TARGETS := $(patsubst fuzz/%_fuzz.cpp,%,$(wildcard fuzz/*_fuzz.cpp))

.PHONY: fuzz fuzz-build

fuzz-build: deps
	cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DLUMTAR_FUZZ=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

fuzz: fuzz-build
	mkdir -p $(FUZZ_BUILD)/findings
	set -e; for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t; \
	  $(FUZZ_BUILD)/fuzz/$${t}_fuzz -max_total_time=$(FUZZ_TIME) -timeout=10 \
	    -rss_limit_mb=2048 -max_len=65536 \
	    -artifact_prefix=$(FUZZ_BUILD)/findings/ \
	    $$(test -f fuzz/$$t.dict && echo -dict=fuzz/$$t.dict) \
	    $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t; \
	done
