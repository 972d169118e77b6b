# What the README's two commands, `./korvessa play` and `./korvessa test`, run
# once the packages are there; developers use the targets directly.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps build play test bench sanitize fuzz clean web serve-web web-test

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
	rm -rf $(BUILD) $(BUILD)-asan $(BUILD)-fuzz $(WEB)

# Every fuzz target for FUZZ_SECONDS each, from the seed corpus in the tree.
FUZZ_SECONDS ?= 60
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(BUILD)-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKV_FUZZ=ON -DKV_BENCHMARKS=OFF >/dev/null
	@cmake --build $(BUILD)-fuzz -j $(JOBS) --target fuzzers
	@scripts/run-fuzzers.sh $(BUILD)-fuzz $(FUZZ_SECONDS)

# The game as a static site in $(WEB)/ (emscripten; the pictures and sounds
# come from the native build's generator, the only native part built).
WEB ?= build-web
WEB_PORT ?= 8080
EMBUILD = NODE_PATH=/usr/share/nodejs
web: deps
	@scripts/install-web-deps.sh
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target kv_game_data
	@$(EMBUILD) emcmake cmake -S . -B $(WEB)/.cmake -DCMAKE_BUILD_TYPE=Release \
	  -DKV_WEB_DATA=$(abspath $(BUILD))/data -DKV_WEB_SITE=$(abspath $(WEB)) >/dev/null
	@$(EMBUILD) cmake --build $(WEB)/.cmake -j $(JOBS) --target korvessa
	@echo "The page is in $(WEB)/: make serve-web, then open http://127.0.0.1:$(WEB_PORT)/"

serve-web: web
	@python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(WEB)

# The page in Debian's chromium, and kvtool under node against the native one.
web-test: web
	@scripts/install-web-deps.sh --tests
	@cmake --build $(BUILD) -j $(JOBS) --target kvtool
	@$(EMBUILD) cmake --build $(WEB)/.cmake -j $(JOBS) --target kvtool
	@node tests/web/run.mjs --site $(WEB) --data $(BUILD)/data --kvtool $(BUILD)/kvtool \
	  --web-kvtool $(WEB)/.cmake/kvtool.js
