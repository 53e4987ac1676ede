# The two commands of a fresh Debian 12 machine:
#   make run    builds the calculator and opens its window
#   make test   builds everything and runs every test
# Each installs the Debian packages it lacks first; a second run redoes nothing that is done.

SHELL := /bin/bash
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Build and test tools, the toolkit, the fonts the window substitutes, a virtual display with
# the X tools that the screenshot test uses, and clang with its runtime for libFuzzer.
PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev libgtest-dev libbenchmark-dev \
            fonts-liberation xvfb xauth x11-utils imagemagick clang libclang-rt-14-dev

PROGRAM := build/dev/window/perdidas-tramo

.PHONY: run test bench deps build

run: build
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  echo "No display to open the window on: run it on a desktop, or under a virtual one with: xvfb-run -a $(PROGRAM)" >&2; \
	  exit 1; \
	fi
	$(PROGRAM)

# Every test; each fuzz target for a bounded time; then the whole suite again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
FUZZ_SECONDS ?= 30

test: build
	ctest --preset dev
	@[ -f build/fuzz/build.ninja ] || cmake --preset fuzz
	cmake --build --preset fuzz
	fuzz/run.sh build/fuzz $(FUZZ_SECONDS)
	@[ -f build/asan/build.ninja ] || cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

bench: deps
	@[ -f build/release/build.ninja ] || cmake --preset release
	cmake --build --preset release --target calculo_tramo_bench
	build/release/bench/calculo_tramo_bench

build: deps
	@[ -f build/dev/build.ninja ] || cmake --preset dev
	cmake --build --preset dev

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q '^install ok installed$$' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -q && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y -q $$missing; \
	fi
