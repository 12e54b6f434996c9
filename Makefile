# make run   builds Morovin.exe and starts the clock under Wine
# make test  builds everything and runs the unit, Windows-side and end-to-end tests
# make bench builds everything and runs the benchmarks (figures in docs/performance.md)
# make fuzz  builds the libFuzzer targets and runs each for FUZZ_SECONDS (default 60)
# make dist  builds the release program and packs build/dist/Morovin-<version>.zip, then checks it
# Each installs the Debian packages it needs first (scripts/bootstrap).
JOBS ?= 2
FUZZ_SECONDS ?= 60
.PHONY: all bootstrap build host win fuzz-build test bench fuzz run dist format clean

all: build

bootstrap:
	@scripts/bootstrap

build: bootstrap host win

host:
	cmake -S . -B build/host -DCMAKE_BUILD_TYPE=Debug >/dev/null
	cmake --build build/host -j$(JOBS)

win:
	cmake -S . -B build/win -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
	cmake --build build/win -j$(JOBS)

# The fuzz targets: clang with libFuzzer, address and undefined-behaviour sanitizers.
fuzz-build: bootstrap
	cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMOROVIN_FUZZ=ON \
	      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
	cmake --build build/fuzz -j$(JOBS)

test: build fuzz-build
	scripts/check-format
	scripts/run-tests

fuzz: bootstrap fuzz-build
	scripts/run-fuzz $(FUZZ_SECONDS)

bench: build
	scripts/run-bench

run: build
	scripts/run-clock

# The program alone (and the tool that checks the package); the zip is made and checked from it.
dist: bootstrap
	cmake -S . -B build/win -DCMAKE_BUILD_TYPE=Release \
	      -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
	cmake --build build/win -j$(JOBS) --target Morovin startcheck
	scripts/make-dist

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
