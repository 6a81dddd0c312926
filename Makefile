# SPDX-License-Identifier: GPL-3.0-or-later
# The front door: `make run` and `make test`.
.PHONY: all deps build run test test-sanitize test-tsan fuzz bench screenshot package clean

JOBS ?= $(shell nproc)
# How long `make fuzz` runs each target.
FUZZ_SECONDS ?= 60
FUZZERS := fuzz_midi_bytes fuzz_note_input fuzz_settings_values fuzz_device_names

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

# The tests without a window (MIDI, player, theory) under ThreadSanitizer.
test-tsan: deps
	cmake --preset tsan
	cmake --build --preset tsan -j $(JOBS) --target midi_tests player_tests theory_tests
	ctest --preset tsan -j $(JOBS)

# Each libFuzzer target for FUZZ_SECONDS, from its seeds; what it finds stays in build/fuzz.
fuzz:
	@scripts/install-deps.sh --fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS) --target $(FUZZERS)
	@for target in $(FUZZERS); do \
	  mkdir -p build/fuzz/corpus/$$target build/fuzz/findings && \
	  echo "== $$target for $(FUZZ_SECONDS) s" && \
	  ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1 \
	  build/fuzz/fuzz/$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=build/fuzz/findings/$$target- \
	    build/fuzz/corpus/$$target fuzz/corpus/$$target || exit 1; \
	done

bench: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	scripts/bench.sh build/release

screenshot: build
	QT_QPA_PLATFORM=offscreen ./build/dev/app/tonalis-screenshot docs/window.png
	QT_QPA_PLATFORM=offscreen ./build/dev/app/tonalis-screenshot docs/readout.png 5 8 10 13 1
	QT_QPA_PLATFORM=offscreen ./build/dev/app/tonalis-screenshot --dark docs/window-dark.png
	QT_QPA_PLATFORM=offscreen ./build/dev/app/tonalis-screenshot --preferences docs/preferences.png
	QT_QPA_PLATFORM=offscreen ./build/dev/app/tonalis-screenshot --history docs/history.png
	QT_QPA_PLATFORM=offscreen ./build/dev/app/tonalis-screenshot --export docs/chart.svg

# A Debian package, build/package/tonalis_<version>_<arch>.deb, from a release build.
package: deps
	cmake --preset package
	cmake --build --preset package -j $(JOBS)
	cd build/package && cpack

clean:
	rm -rf build
