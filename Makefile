# Front door. `make run` starts Zorvel, `make test` builds and runs every test.
.PHONY: all deps native win64 run test unit e2e dist demo screenshot bench fuzz format clean

JOBS ?= $(shell nproc)

all: native win64

deps:
	@scripts/deps.sh

native: deps
	@cmake --preset native >/dev/null
	@cmake --build --preset native -j $(JOBS)

win64: deps
	@cmake --preset win64 >/dev/null
	@cmake --build --preset win64 -j $(JOBS)

run: win64
	@scripts/deps.sh pictures
	@scripts/run.sh

unit: native
	@ctest --preset native -j $(JOBS)

e2e: win64
	@ctest --preset win64

test: unit e2e

# build/win64/dist/Zorvel-<version>-win64.zip, around the Zorvel.exe that `make test` tests.
dist: win64
	@cmake --build --preset win64 --target dist

demo: win64
	@scripts/deps.sh pictures
	@scripts/demo.sh

screenshot: win64
	@scripts/deps.sh pictures
	@scripts/screenshot.sh main docs/main-window.png

bench: win64
	@bench/run.sh

fuzz: deps
	@scripts/deps.sh fuzz
	@scripts/fuzz.sh

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf build
