# Entry points for people and CI. Four build folders under $(BUILD):
#   win32/  the Windows product (i686-w64-mingw32)    win64/  the same sources for x86_64
#   fuzz/   libFuzzer targets (clang)
#   native/ Linux build; its CTest runs every test, the Windows ones through the Wine harness on
#           the Windows build this machine can run: win32 where it executes 32-bit code, else
#           win64. WINDOWS_TEST_BUILD=win32 or =win64 forces the choice.
BUILD ?= build
JOBS ?= $(shell nproc)
CTEST_ARGS ?=
WINDOWS_TEST_BUILD ?=

.PHONY: all deps win32 win64 fuzz native unit test fuzz-long dist deb demo clean

all: native

deps:
	scripts/install-deps.sh

# Both Windows builds are always made, so that neither rots unseen; the i686 one writes the
# release and ships the x86_64 programs beside its own.
TOOLCHAIN_win32 = i686
TOOLCHAIN_win64 = x86_64
win32 win64: deps
	cmake -S . -B $(BUILD)/$@ -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-$(TOOLCHAIN_$@)-mingw.cmake \
	  -DDIST_DIR=$(abspath $(BUILD)/dist) -DWIN64_BIN_DIR=$(abspath $(BUILD)/win64/bin)
	cmake --build $(BUILD)/$@ -j $(JOBS)

# The release for Windows users: $(BUILD)/dist/verdant-suite-<version>-windows.zip.
dist: win32 win64
	cmake --build $(BUILD)/win32 --target dist

# The Debian packages verdant, beaconry and horolan: $(BUILD)/deb/*.deb.
deb: deps
	scripts/make-deb.sh $(BUILD)

fuzz: deps
	cmake -S . -B $(BUILD)/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERDANT_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD)/fuzz -j $(JOBS)

native: win32 win64 fuzz
	cmake -S . -B $(BUILD)/native -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DWIN32_BIN_DIR=$(abspath $(BUILD)/win32/bin) -DWIN64_BIN_DIR=$(abspath $(BUILD)/win64/bin) \
	  -DWINDOWS_TEST_BUILD=$(WINDOWS_TEST_BUILD) -DFUZZ_BIN_DIR=$(abspath $(BUILD)/fuzz/bin) \
	  -DDIST_DIR=$(abspath $(BUILD)/dist)
	cmake --build $(BUILD)/native -j $(JOBS)

# A contributor's loop: the native tree alone (no Windows or fuzz build) and its unit tests.
unit: deps
	cmake -S . -B $(BUILD)/native -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD)/native -j $(JOBS)
	cd $(BUILD)/native && ctest --output-on-failure -j $(JOBS) -L unit $(CTEST_ARGS)

# Every test: native unit tests, the same tests as Windows programs under Wine, the Wine
# integration and GUI tests, the release zip, the Debian packages in a container, and the
# bounded fuzz runs.
test: native dist deb
	@cat $(BUILD)/native/windows-tests.txt
	cd $(BUILD)/native && ctest --output-on-failure -j $(JOBS) $(CTEST_ARGS)

# Long fuzz runs with fresh random seeds, for people and release checks: FUZZ_LONG_SECONDS each
# (600 by default; set it once with cmake -DFUZZ_LONG_SECONDS=… on $(BUILD)/native).
fuzz-long: native
	cd $(BUILD)/native && ctest -C fuzz-long -L fuzz-long --no-tests=error --output-on-failure \
	  -j $(JOBS) $(CTEST_ARGS)

demo: native
	scripts/demo.sh $(BUILD)

clean:
	rm -rf $(BUILD)
