# Entry points for people and CI. Three build folders under $(BUILD):
#   win32/  the Windows programs (i686-w64-mingw32)   fuzz/  libFuzzer targets (clang)
#   native/ Linux build; its CTest runs every test, the Windows ones through the Wine harness.
BUILD ?= build
JOBS ?= $(shell nproc)
CTEST_ARGS ?=

.PHONY: all deps win32 fuzz native unit test demo clean

all: native

deps:
	scripts/install-deps.sh

win32: deps
	cmake -S . -B $(BUILD)/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-mingw.cmake
	cmake --build $(BUILD)/win32 -j $(JOBS)

fuzz: deps
	cmake -S . -B $(BUILD)/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERDANT_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD)/fuzz -j $(JOBS)

native: win32 fuzz
	cmake -S . -B $(BUILD)/native -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DWIN32_BIN_DIR=$(abspath $(BUILD)/win32/bin) -DFUZZ_BIN_DIR=$(abspath $(BUILD)/fuzz/bin)
	cmake --build $(BUILD)/native -j $(JOBS)

# A contributor's loop: the native tree alone (no Windows or fuzz build) and its unit tests.
unit: deps
	cmake -S . -B $(BUILD)/native -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/native -j $(JOBS)
	cd $(BUILD)/native && ctest --output-on-failure -j $(JOBS) -L unit $(CTEST_ARGS)

# Every test: native unit tests, the same tests as Windows programs under Wine, the Wine
# integration and GUI tests, and the bounded fuzz runs.
test: native
	cd $(BUILD)/native && ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)

demo: native
	scripts/demo.sh $(BUILD)

clean:
	rm -rf $(BUILD)
