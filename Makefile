# The front door: `make run` and `make test`.
.PHONY: all deps build run test test-sanitize bench screenshot package clean

JOBS ?= $(shell nproc)

all: build

deps:
	@scripts/install-deps.sh

build: deps
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)

run: build
	./build/dev/app/tonalis

test: build
	ctest --preset dev -j $(JOBS)

test-sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

bench: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	scripts/bench.sh build/release

screenshot: build
	QT_QPA_PLATFORM=offscreen ./build/dev/app/tonalis-screenshot docs/window.png
	QT_QPA_PLATFORM=offscreen ./build/dev/app/tonalis-screenshot docs/readout.png 5 8 10 13 1
	QT_QPA_PLATFORM=offscreen ./build/dev/app/tonalis-screenshot --dark docs/window-dark.png
	QT_QPA_PLATFORM=offscreen ./build/dev/app/tonalis-screenshot --preferences docs/preferences.png

# A Debian package, build/package/tonalis_<version>_<arch>.deb, from a release build.
package: deps
	cmake --preset package
	cmake --build --preset package -j $(JOBS)
	cd build/package && cpack

clean:
	rm -rf build
