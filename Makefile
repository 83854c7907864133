# The two commands of the README, and a few more for developers.
#   make run   install what is missing, build, start Tabwise from ./portable/Tabwise
#   make test  install what is missing, build, run every test
#   make package  build the Debian package into $(BUILD)/package/
#   make translations  update translations/*.ts from the sources
BUILD   ?= build
PREFIX  ?= $(CURDIR)/portable/Tabwise
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test build setup install clean sanitize fuzz fuzz-build bench coverage test-repeat translations

setup:
	@scripts/setup.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# Brings translations/*.ts up to date with the texts in the sources (lupdate); no build does it.
translations: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) --target update_translations

# The portable application folder lives outside the build tree, so `make clean` and rebuilds
# never touch the page files kept beside the executable.
install: build
	cmake --install $(BUILD) --prefix "$(PREFIX)"

# A Debian package: the program in /usr/lib/tabwise, a launcher in /usr/bin, the desktop entry and
# icons in /usr/share (see src/app/install.cmake).
.PHONY: package
package: build
	cd $(BUILD) && cpack -G DEB -B package

run: install
	"$(PREFIX)/tabwise"

# The whole suite of the existing build N times in a row, LOAD cores kept busy meanwhile; counts the
# green and the red runs and names the failing checks (a tool for races, not part of `make test`).
N    ?= 20
LOAD ?= 0
test-repeat:
	tests/repeat.sh -n $(N) -l $(LOAD) -b $(BUILD)

SAN_BUILD    ?= build-asan
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 30
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1 \
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0

# Every test, then the unit and widget tests once more under the sanitizers, then a short fuzz run.
test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory sanitize
	$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=30

sanitize: setup
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTABWISE_SANITIZE=ON
	@# Only what the unit and widget tests need: their executables and the help file.
	cd $(SAN_BUILD) && cmake --build . -j $(JOBS) --target tabwise_help \
	  $$(ctest -N -L 'unit|widget' | sed -n 's/.*Test *#[0-9]*: [a-z]*\.\(tst_[a-z0-9_]*\)$$/\1/p')
	cd $(SAN_BUILD) && $(SANITIZER_ENV) ctest -L 'unit|widget' --output-on-failure -j $(JOBS)

COV_BUILD ?= build-cov
# The line coverage of src/ reached by the unit, widget and fault tests (gcovr).
coverage: setup
	cmake -S . -B $(COV_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTABWISE_COVERAGE=ON
	cmake --build $(COV_BUILD) -j $(JOBS)
	@# Counters of earlier runs, and notes of objects that no longer exist, would be counted twice.
	find $(COV_BUILD) \( -name '*.gcda' -o -name '*.gcov' \) -delete
	find $(COV_BUILD) -name '*.gcno' | while read -r n; do [ -e "$${n%.gcno}.o" ] || rm -f "$$n"; done
	cd $(COV_BUILD) && ctest -L 'unit|widget|faults' -j $(JOBS) --output-on-failure
	gcovr -r . --filter 'src/' --exclude-unreachable-branches --print-summary $(COV_BUILD) | tail -n 3

fuzz-build: setup
	cmake -S fuzz -B $(FUZZ_BUILD) -G Ninja -DCMAKE_CXX_COMPILER=clang++-14
	cmake --build $(FUZZ_BUILD) -j $(JOBS)

# Runs every fuzz target for FUZZ_SECONDS each (make fuzz FUZZ_SECONDS=600 for a long run).
fuzz: fuzz-build
	scripts/fuzz.sh $(FUZZ_SECONDS) $(FUZZ_BUILD)

# The benchmark's figures (ours beside the toolkit's floor); about three minutes.
bench: build
	cmake --build $(BUILD) --target bench

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD) $(COV_BUILD)
