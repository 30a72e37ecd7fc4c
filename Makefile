# Front door for a fresh Debian 12 machine: `make run` and `make test`.
# Every target installs the Debian packages it needs first.

JOBS     ?= $(shell nproc)
BUILD    ?= build
CMAKE    ?= cmake
FUZZ_SECONDS ?= 120

.PHONY: all deps build run run-own test package translations-update screenshots asan fuzz bench clean

all: build

deps:
	@bash scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	$(CMAKE) -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: deps $(BUILD)/CMakeCache.txt
	$(CMAKE) --build $(BUILD) -j $(JOBS)

# Without settings of your own this starts on demo nights; see README.md.
run: build
	bash scripts/run.sh $(BUILD)

run-own: build
	bash scripts/run.sh $(BUILD) --own

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Brings resources/translations/*.ts in step with the texts in the code.
translations-update: build
	$(CMAKE) --build $(BUILD) --target translations-update

# Every window and report page 1 in each language, as PNG files under
# $(BUILD)/screenshots/, for looking at layouts.
screenshots: build
	bash scripts/screenshots.sh $(BUILD)

# The Debian package, $(BUILD)/nocturnix_VERSION_ARCH.deb; see README.md.
package: build
	cd $(BUILD) && cpack

# Same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	$(CMAKE) -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DNOCTURNIX_SANITIZE=ON
	$(CMAKE) --build build-asan -j $(JOBS)
	cd build-asan && ASAN_OPTIONS=detect_leaks=0 ctest --output-on-failure -j $(JOBS)

# libFuzzer over the recording parser, then over the recorder's replies;
# FUZZ_SECONDS sets the length of each run.
fuzz: deps
	CC=clang CXX=clang++ $(CMAKE) -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNOCTURNIX_FUZZ=ON -DBUILD_TESTING=OFF
	$(CMAKE) --build build-fuzz -j $(JOBS)
	mkdir -p build-fuzz/corpus
	./build-fuzz/tests/fuzz/fuzz_parsefile -artifact_prefix=build-fuzz/ -max_total_time=$(FUZZ_SECONDS) -max_len=65536 build-fuzz/corpus tests/fuzz/seeds
	mkdir -p build-fuzz/corpus-replies
	./build-fuzz/tests/fuzz/fuzz_replies -artifact_prefix=build-fuzz/ -max_total_time=$(FUZZ_SECONDS) -max_len=4096 build-fuzz/corpus-replies tests/fuzz/seeds-replies

# Benchmarks never gate CI.
bench: deps
	$(CMAKE) -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DNOCTURNIX_BENCH=ON -DBUILD_TESTING=OFF
	$(CMAKE) --build build-bench -j $(JOBS)
	./build-bench/bench/bench_parse
	./build-bench/bench/bench_storage
	./build-bench/bench/bench_report
	./build-bench/bench/bench_download
	./build-bench/bench/bench_trend
	./build-bench/bench/bench_sync

clean:
	rm -rf $(BUILD) build-asan build-fuzz build-bench
