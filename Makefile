# The two commands: `make run` and `make test`. Both set the machine up first.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test build setup configure bench clean

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

clean:
	rm -rf $(BUILD)
