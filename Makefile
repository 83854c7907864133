# The two commands of the README, and a few more for developers.
#   make run   install what is missing, build, start Tabwise from ./portable/Tabwise
#   make test  install what is missing, build, run every test
#   make package  build the Debian package into $(BUILD)/package/
BUILD   ?= build
PREFIX  ?= $(CURDIR)/portable/Tabwise
JOBS    ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test build setup install package clean

setup:
	@scripts/setup.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# The portable application folder lives outside the build tree, so `make clean` and rebuilds
# never touch the page files kept beside the executable.
install: build
	cmake --install $(BUILD) --prefix "$(PREFIX)"

# A Debian package: the program in /usr/lib/tabwise, a launcher in /usr/bin, the desktop entry and
# icons in /usr/share (see src/app/install.cmake).
package: build
	cd $(BUILD) && cpack -G DEB -B package

run: install
	"$(PREFIX)/tabwise"

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD)
