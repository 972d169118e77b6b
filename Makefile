# The two commands of the README: `make play` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps build play test bench sanitize fuzz clean

deps:
	@scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

play: build
	@scripts/play.sh $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD)/bench/kv_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

sanitize: deps
	@cmake -S . -B $(BUILD)-asan -DCMAKE_BUILD_TYPE=Debug -DKV_SANITIZE=ON -DKV_BENCHMARKS=OFF >/dev/null
	@cmake --build $(BUILD)-asan -j $(JOBS)
	@cd $(BUILD)-asan && KV_SOAK_GAMES=60 ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz

# Every fuzz target for FUZZ_SECONDS each, from the seed corpus in the tree.
FUZZ_SECONDS ?= 60
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_FUZZ=ON -DKV_BENCHMARKS=OFF >/dev/null
	@cmake --build $(BUILD)-fuzz -j $(JOBS) --target fuzzers
	@scripts/run-fuzzers.sh $(BUILD)-fuzz $(FUZZ_SECONDS)
