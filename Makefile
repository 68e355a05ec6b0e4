# The two commands: `make run` and `make test`. Both set the machine up first.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test build setup configure bench fuzz clean

setup:
	@scripts/setup

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: setup $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/quillora $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS) --timeout 600

bench: build
	@ls $(BUILD)/bin/bench_* 2>/dev/null || true

# libFuzzer programs, built with clang in their own tree: build-fuzz/bin/fuzz_*.
fuzz: setup
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DQUILLORA_FUZZ=ON -DQUILLORA_BUILD_APP=OFF \
	  -DQUILLORA_BUILD_TESTS=OFF -DQUILLORA_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build build-fuzz -j $(JOBS)

clean:
	rm -rf $(BUILD)
