# Two commands for players and maintainers: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
GEN        := -G Ninja
CTEST      := ctest --output-on-failure -j $(JOBS)

.PHONY: all deps configure build run test test-plain test-asan package bench fuzz assets sounds clean

all: build

deps:
	@sh tools/setup/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/Orvalia

test: test-plain test-asan

test-plain: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen $(CTEST)

# The same suite once more under AddressSanitizer and UBSan (slow soaks left out).
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) $(GEN) -DCMAKE_BUILD_TYPE=Debug -DORVALIA_SANITIZE=ON
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  $(CTEST) -LE slow

# The Debian package, orvalia_<version>_amd64.deb in $(BUILD): install it
# with `sudo apt install ./$(BUILD)/orvalia_*.deb`.
package: build
	cmake --build $(BUILD) --target package

bench: build
	cmake --build $(BUILD) --target bench

fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVALIA_FUZZ=ON
	cmake --build $(FUZZ_BUILD) --target fuzz

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)

# Remake the committed sound pieces and pictures from their sources.
sounds: build
	sh tools/synth/make-sounds.sh $(BUILD)

assets: build
	for s in tools/art/*/make.sh; do sh "$$s" $(BUILD) || exit 1; done
