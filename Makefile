# The two everyday commands (see README.md):
#   make example   install missing dependencies, build, run the main job on examples/
#   make test      install missing dependencies, build, run the whole test suite
# Further targets: make build, make sanitize (ASan + UBSan test run), make bench.

BUILD_DIR     ?= build
SANITIZE_DIR  ?= build-sanitize
BENCH_DIR     ?= build-bench
BUILD_TYPE    ?= RelWithDebInfo
JOBS          ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: deps configure build example test sanitize bench clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

example: build
	@bash scripts/run-example.sh $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DSORVEX_SANITIZE=ON >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@cd $(SANITIZE_DIR) && ctest --output-on-failure -j $(JOBS)

bench: deps
	@cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DSORVEX_BENCH=ON >/dev/null
	@cmake --build $(BENCH_DIR) -j $(JOBS)
	@bash scripts/run-bench.sh $(BENCH_DIR)

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(BENCH_DIR)
