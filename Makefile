# make demo   set up, build, run the host on the bundled sample
# make test   set up, build, run every test
# make install  build, then install under PREFIX (default /usr/local; DESTDIR is honoured)
# make pictures  the README's plot of the refreshed sample and the gallery of plots
# make fuzz   set up, build the fuzz programs with clang, run each for FUZZ_SECONDS (default 60)
BUILD ?= build
# Extra cmake options, e.g. CMAKE_FLAGS=-DVELLORIA_WERROR=ON (as CI builds).
CMAKE_FLAGS ?=
PREFIX ?= /usr/local
# The fuzz programs' build (clang, sanitizers), how long each runs, and which (all when empty);
# FUZZ_JOBS of them run at once.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=
FUZZ_JOBS ?= 1
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
MAKEFLAGS += --no-print-directory

.PHONY: all setup build demo test install bench pictures fuzz clean

all: build

setup:
	@bash scripts/setup.sh

build: setup
	@bash scripts/build-libredwg.sh >/dev/null
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

demo: build
	@bash scripts/demo.sh $(BUILD)

test: build
	@cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

pictures: build
	@bash scripts/plot_sample.sh $(BUILD)
	@cmake --build $(BUILD) --target gallery

fuzz: setup
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
		-DVELLORIA_FUZZ=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_programs
	@FUZZ_JOBS=$(FUZZ_JOBS) bash scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_TARGETS)

bench: build
	@for b in $(BUILD)/bench/*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD)
