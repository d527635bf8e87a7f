# Everything a fresh Debian machine needs: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_GEN  := -G Ninja
TODAY      := $(shell date +%Y-%m-%d)

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
	cmake --build $(BUILD) -j $(JOBS) --target lumtar_bench
	$(BUILD)/bench/lumtar_bench

# Until the desktop program exists: a short demonstration of the command-line
# tool at the default site (Central Europe), today.
run: build
	$(BUILD)/src/cli/lumtar-cli sun --lat 47.25 --lon -9.59 --zone -15 --date $(TODAY) --time 12:00:00
	$(BUILD)/src/cli/lumtar-cli riseset --lat 47.25 --lon -9.59 --zone -15 --date $(TODAY)
	$(BUILD)/src/cli/lumtar-cli azimuth-time --lat 47.25 --lon -9.59 --zone -15 --date $(TODAY) --azimuth 0

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)

# libFuzzer target of the settings reader, built by clang with ASan and UBSan,
# apart from the gcc build (the language tables come from the source that the
# normal build generates). SETTINGS_FUZZ_TIME seconds per run; findings land
# in $(SETTINGS_FUZZ_BUILD)/findings.
SETTINGS_FUZZ_BUILD ?= build-fuzz
SETTINGS_FUZZ_TIME  ?= 60
SETTINGS_FUZZ_CXX   ?= clang++
SETTINGS_FUZZ_FLAGS := -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined \
                       -fno-sanitize-recover=undefined -Isrc
SETTINGS_FUZZ_CORE  := $(wildcard src/texts/*.cpp src/platform/*.cpp \
                         src/astro/*.cpp src/model/*.cpp src/app/*.cpp) \
                       $(BUILD)/src/generated/texts_data.cpp

.PHONY: fuzz fuzz-settings fuzz-settings-build

fuzz-settings-build: configure
	@command -v $(SETTINGS_FUZZ_CXX) >/dev/null || { echo "fuzz: $(SETTINGS_FUZZ_CXX) not found" >&2; exit 1; }
	cmake --build $(BUILD) -j $(JOBS) --target lumtar_core
	mkdir -p $(SETTINGS_FUZZ_BUILD)/corpus/settings $(SETTINGS_FUZZ_BUILD)/findings
	$(SETTINGS_FUZZ_CXX) $(SETTINGS_FUZZ_FLAGS) fuzz/settings_fuzz.cpp \
	  $(SETTINGS_FUZZ_CORE) -o $(SETTINGS_FUZZ_BUILD)/settings_fuzz

fuzz-settings: fuzz-settings-build
	$(SETTINGS_FUZZ_BUILD)/settings_fuzz -max_total_time=$(SETTINGS_FUZZ_TIME) \
	  -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
	  -dict=fuzz/settings.dict \
	  -artifact_prefix=$(SETTINGS_FUZZ_BUILD)/findings/ \
	  $(SETTINGS_FUZZ_BUILD)/corpus/settings fuzz/corpus/settings

fuzz: fuzz-settings
