# One command each for a newcomer: make run, make test. Both install what they need first.
BUILD := build
JOBS ?= $(shell nproc)

.PHONY: all setup build run test bench format clean soak ksr scancost gestures

all: build

setup:
	@scripts/setup.sh

$(BUILD)/x64/CMakeCache.txt:
	cmake -S . -B $(BUILD)/x64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release -DTILFAY_TESTS=ON

$(BUILD)/x86/CMakeCache.txt:
	cmake -S . -B $(BUILD)/x86 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release

build: setup $(BUILD)/x64/CMakeCache.txt $(BUILD)/x86/CMakeCache.txt
	cmake --build $(BUILD)/x64 -j $(JOBS)
	cmake --build $(BUILD)/x86 -j $(JOBS)

# make run ARCH=x86 starts the 32-bit build (emulated where the kernel runs no 32-bit programs: minutes to start).
ARCH ?= x64
run: build
	scripts/run.sh $(BUILD)/$(ARCH)

# Tests share one pointer and one screen, so they run one at a time on a private display. A case that
# fails is run once more: on a loaded machine Wine can miss a bounded wait; each failure is still printed.
# The cases labelled x86 drive the 32-bit build; CTest's label summary gives the time of each half.
test: build
	scripts/with-display.sh ctest --test-dir $(BUILD)/x64 --output-on-failure --timeout 300 --repeat until-pass:2

bench: build
	scripts/with-display.sh scripts/wine-run.sh $(BUILD)/x64/wine $(BUILD)/x64/tests/bench.exe

# The release files, from the 32-bit build and named with the project's version:
# build/dist/Tilfay-VERSION-win32.zip and build/dist/Tilfay-VERSION.msi.
.PHONY: dist
dist: build
	scripts/dist.sh $(BUILD)/x86 $(BUILD)/dist

# The tests check the release files too.
test: dist

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)

# Soak and fuzz, too long for make test (about fifteen to twenty minutes). SOAK_DIVISOR=10 runs a tenth of each count.
soak: build
	scripts/with-display.sh scripts/wine-run.sh $(BUILD)/x64/wine $(BUILD)/x64/tests/soak.exe $(SOAK_DIVISOR)

# The taps that word suggestions save on a UTF-8 text: make ksr TEXT=FILE [LANG=en]. A native build of the
# keyboard's own suggestion sources.
# LANG in the environment is the locale: only LANG given to make names a list.
WORDS_LANG := $(if $(filter command line,$(origin LANG)),$(LANG),en)
$(BUILD)/ksr: tools/ksr.cpp tools/typedtext.h $(wildcard src/words/*.cpp src/words/*.h)
	@mkdir -p $(BUILD)
	g++ -std=c++17 -O2 -Wall -Wextra -Werror -Isrc -I. -o $@ tools/ksr.cpp $(wildcard src/words/*.cpp)

ksr: $(BUILD)/ksr
	@test -n "$(TEXT)" || { echo "usage: make ksr TEXT=FILE [LANG=en]" >&2; exit 2; }
	$(BUILD)/ksr "$(TEXT)" words/$(WORDS_LANG).txt $(wildcard words/$(WORDS_LANG)-pairs.txt)

# The steps a character costs by switch scanning on the Medium panel, in the keyboard's order and in the rows
# order: make scancost TEXT=FILE [LANG=en]. A native build of the keyboard's own scan order and suggestion
# sources.
$(BUILD)/scancost: tools/scancost.cpp tools/typedtext.h tools/mediumpanel.h tools/mediumscan.h $(wildcard src/words/*.cpp src/words/*.h src/scanplan/*.cpp src/scanplan/*.h)
	@mkdir -p $(BUILD)
	g++ -std=c++17 -O2 -Wall -Wextra -Werror -Isrc -I. -o $@ tools/scancost.cpp $(wildcard src/scanplan/*.cpp src/words/*.cpp)

scancost: $(BUILD)/scancost
	@test -n "$(TEXT)" || { echo "usage: make scancost TEXT=FILE [LANG=en]" >&2; exit 2; }
	$(BUILD)/scancost "$(TEXT)" words/$(WORDS_LANG).txt $(wildcard words/$(WORDS_LANG)-pairs.txt)
# Shape writing measured on a UTF-8 text: make gestures TEXT=FILE [LANG=en]. A native build of the keyboard's own
# stroke decoder and suggestion sources, with the Medium panel's keys.
$(BUILD)/gestures: tools/gestures.cpp tools/mediumpanel.h $(wildcard src/strokes/*.cpp src/strokes/*.h src/words/*.cpp src/words/*.h)
	@mkdir -p $(BUILD)
	g++ -std=c++17 -O2 -Wall -Wextra -Werror -Isrc -I. -o $@ tools/gestures.cpp $(wildcard src/strokes/*.cpp src/words/*.cpp)

gestures: $(BUILD)/gestures
	@test -n "$(TEXT)" || { echo "usage: make gestures TEXT=FILE [LANG=en]" >&2; exit 2; }
	$(BUILD)/gestures "$(TEXT)" words/$(WORDS_LANG).txt $(wildcard words/$(WORDS_LANG)-pairs.txt)
