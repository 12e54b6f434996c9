# make run   builds Morovin.exe and starts the clock under Wine
# make test  builds everything and runs the unit, Windows-side and end-to-end tests
# make bench builds everything and runs the benchmarks (figures in the README)
# Both install the Debian packages they need first (scripts/bootstrap).
JOBS ?= 2
.PHONY: all bootstrap build host win test bench run format clean

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

test: build
	scripts/run-tests

bench: build
	scripts/run-bench

run: build
	scripts/run-clock

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
