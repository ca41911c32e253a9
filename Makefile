# Entry points for people and CI. Three build folders under $(BUILD):
#   win32/  the Windows programs (i686-w64-mingw32)   fuzz/  libFuzzer targets (clang)
#   native/ Linux build; its CTest runs every test, the Windows ones through the Wine harness.
BUILD ?= build
JOBS ?= $(shell nproc)
CTEST_ARGS ?=

.PHONY: all deps win32 fuzz native unit test dist demo clean

all: native

deps:
	scripts/install-deps.sh

win32: deps
	cmake -S . -B $(BUILD)/win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-mingw.cmake -DDIST_DIR=$(abspath $(BUILD)/dist)
	cmake --build $(BUILD)/win32 -j $(JOBS)

# The release for Windows users: $(BUILD)/dist/verdant-suite-<version>-win32.zip.
dist: win32
	cmake --build $(BUILD)/win32 --target dist

fuzz: deps
	cmake -S . -B $(BUILD)/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERDANT_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD)/fuzz -j $(JOBS)

native: win32 fuzz
	cmake -S . -B $(BUILD)/native -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DWIN32_BIN_DIR=$(abspath $(BUILD)/win32/bin) -DFUZZ_BIN_DIR=$(abspath $(BUILD)/fuzz/bin) \
	  -DDIST_DIR=$(abspath $(BUILD)/dist)
	cmake --build $(BUILD)/native -j $(JOBS)

# A contributor's loop: the native tree alone (no Windows or fuzz build) and its unit tests.
unit: deps
	cmake -S . -B $(BUILD)/native -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/native -j $(JOBS)
	cd $(BUILD)/native && ctest --output-on-failure -j $(JOBS) -L unit $(CTEST_ARGS)

# Every test: native unit tests, the same tests as Windows programs under Wine, the Wine
# integration and GUI tests, the release zip, and the bounded fuzz runs.
test: native dist
	cd $(BUILD)/native && ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)

demo: native
	scripts/demo.sh $(BUILD)

clean:
	rm -rf $(BUILD)
