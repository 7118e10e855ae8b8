# Lanterra: `make test` and `make run` do all the set-up on a fresh Debian machine.
SHELL := /bin/bash
JOBS  ?= $(shell nproc)
MAKEFLAGS += --no-print-directory
CMAKE ?= cmake

# The 32-bit build is the product. Where this machine cannot execute 32-bit
# code, an x64 twin of the same sources carries the tests that run under Wine.
I386_OK := $(shell scripts/can-run-i386 && echo yes)
ifeq ($(I386_OK),yes)
WINTEST := win32
else
WINTEST := win64
endif
WINBUILDS := win32 $(filter-out win32,$(WINTEST))

.PHONY: all setup build configure test run fuzz bench dist art screenshots contact-sheet clean

all: build

setup:
	@scripts/setup

configure: setup
	@$(CMAKE) --preset host >/dev/null
	@$(CMAKE) --preset win32 -DLANTERRA_WINE_TESTS=$(if $(filter win32,$(WINTEST)),ON,OFF) >/dev/null
ifneq ($(WINTEST),win32)
	@$(CMAKE) --preset $(WINTEST) -DLANTERRA_WINE_TESTS=ON \
	    -DLANTERRA_PRODUCT_EXE=$(CURDIR)/build/win32/korvane.exe >/dev/null
endif
	@printf '%s\n' '# Every test of every build, run by one ctest.' \
	    'subdirs("host")' $(foreach b,$(WINBUILDS),'subdirs("$(b)")') > build/CTestTestfile.cmake

build: configure
	@$(CMAKE) --build build/host -j$(JOBS)
	@$(foreach b,$(WINBUILDS),$(CMAKE) --build build/$(b) -j$(JOBS) &&) true

test: build
	@scripts/wine-run --init
	@xvfb-run -a -s "-screen 0 1280x1024x24" ctest --test-dir build --output-on-failure -j$(JOBS); \
	    rc=$$?; scripts/wine-run --kill; exit $$rc

run: build
	@scripts/run-panel build/$(WINTEST)

fuzz: setup
	@scripts/fuzz $(or $(SECONDS_TO_FUZZ),60)

bench: build
	@scripts/wine-run --init
	@bench/run build/$(WINTEST)

dist: build
	@scripts/make-dist

art:
	@python3 tools/art/make_art.py resources

# docs/panel.png and docs/about-box.png, from the real korvane.exe under Wine.
screenshots: build
	@scripts/screenshots build/$(WINTEST)

contact-sheet: build
	@python3 tools/art/contact_sheet.py build/win32/korvane.exe docs

clean:
	rm -rf build dist
