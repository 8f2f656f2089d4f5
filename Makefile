# Orbily: `make` builds everything, `make test` runs every test, `make run` starts the program.
# Each target installs what is missing first (tools/install-deps.sh, as root on Debian).
BUILD      := build
NATIVE     := $(BUILD)/native
WIN32      := $(BUILD)/win32
JOBS       ?= $(shell nproc)
TOOLS      := cmake g++ i686-w64-mingw32-g++-posix wine Xvfb xdotool convert node npm pkg-config
MISSING     = $(strip $(foreach t,$(TOOLS),$(if $(shell command -v $(t) 2>/dev/null),,$(t))))

.PHONY: all deps native win32 test run bench data clean

all: native win32

deps:
	@if [ -n "$(MISSING)" ] || ! pkg-config --exists cairo 2>/dev/null; then bash tools/install-deps.sh; fi

win32: deps
	@cmake -S . -B $(WIN32) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN32) -j $(JOBS)

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

clean:
	rm -rf $(BUILD)
