# Orbily: `make` builds everything, `make test` runs every test, `make run` starts the program.
# Each target installs what is missing first (tools/install-deps.sh, as root on Debian).
BUILD      := build
NATIVE     := $(BUILD)/native
WIN32      := $(BUILD)/win32
WIN64      := $(BUILD)/win64
JOBS       ?= $(shell nproc)

.PHONY: all deps native win32 win64 test run bench data preview clean

all: native win32 win64

# The toolchain is given only when a build folder is first configured: the cache keeps it, and
# CMake warns about a toolchain file given again.
toolchain = $(if $(wildcard $(1)/CMakeCache.txt),,-DCMAKE_TOOLCHAIN_FILE=$(2))

# one dpkg query when nothing is missing
deps:
	@bash tools/install-deps.sh

win32: deps
	@cmake -S . -B $(WIN32) $(call toolchain,$(WIN32),cmake/mingw-i686.cmake) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN32) -j $(JOBS)

# the Windows test program again as x86_64, for machines where only 64-bit Wine runs
win64: deps
	@cmake -S . -B $(WIN64) $(call toolchain,$(WIN64),cmake/mingw-x86_64.cmake) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN64) -j $(JOBS)

native: deps
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

test: all
	@cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)

run: all
	@bash tools/run.sh

bench: native
	@$(NATIVE)/orbily_bench

data:
	@bash tools/make_data.sh

# The decoded world outlines as a picture, to look at after `make data`.
preview: native
	@mkdir -p $(BUILD)/preview
	@$(BUILD)/bin/orbily-render -o $(BUILD)/preview/outlines.png preview

clean:
	rm -rf $(BUILD)
