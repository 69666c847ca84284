# Halvane: the commands of the README. Each one first installs missing Debian packages.
BUILD      ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
# The compiler cache serves unchanged sources from earlier builds; paths are taken relative to
# the checkout, so that clones in other folders share its entries.
CMAKE_GEN  := -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := true
export QT_QPA_PLATFORM ?= offscreen

.PHONY: all deps build run test format-check tidy bench fuzz clean install \
	package

all: build

deps:
	@scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD)

run: build
	@scripts/run-halvane $(BUILD)

# Installs under PREFIX (staged under DESTDIR when given); `make package` builds the .deb.
PREFIX ?= /usr/local
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

package: build
	cd $(BUILD) && cpack -G DEB

# The two builds' tests one after the other: GUI tests that run beside a build or another test
# miss their timing on a 2-core machine, so CTest runs them alone and the rest two at a time.
test: build format-check tidy
	cd $(BUILD) && ctest -j2 --output-on-failure --timeout 600
	cmake -S . -B $(ASAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DHALVANE_SANITIZE=ON
	cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest -j2 --output-on-failure --timeout 1200

# Every tracked C++ file must be laid out as .clang-format says.
format-check: deps
	@git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

# The checks of .clang-tidy over every source outside the tests (about four minutes the first
# time; a source found clean is not checked again until it or what it includes changes).
tidy: build
	@scripts/run-tidy $(BUILD)

bench: deps
	cmake -S . -B $(BENCH_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DHALVANE_BENCH=ON
	cmake --build $(BENCH_BUILD)
	@scripts/run-benchmarks $(BENCH_BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)

# Runs every fuzz target for FUZZ_SECONDS each (clang, libFuzzer, ASan and UBSan), growing a
# working corpus in the build folder from the seeds in fuzz/corpus, then the long session and
# the kills during a save at their full counts. The libraries are built with coverage for the fuzzer too. Findings are
# written to $(FUZZ_BUILD)/findings/.
FUZZ_SECONDS ?= 60
# Every fuzz/<name>_fuzz.cpp is a target; a new one is run without being listed here.
FUZZ_TARGETS := $(patsubst fuzz/%_fuzz.cpp,%,$(sort $(wildcard fuzz/*_fuzz.cpp)))
LONG_SESSION_COUNT ?= 100000
KILL_COUNT ?= 1000

fuzz: deps
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug \
	  -DHALVANE_FUZZ=ON -DHALVANE_SANITIZE=ON -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link
	cmake --build $(FUZZ_BUILD) --target $(foreach t,$(FUZZ_TARGETS),fuzz-$(subst _,-,$(t)))
	@set -e; mkdir -p $(FUZZ_BUILD)/findings; for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t; \
	  echo "== fuzz-$$t for $(FUZZ_SECONDS) s"; \
	  $(FUZZ_BUILD)/fuzz-$$(echo $$t | tr _ -) -max_total_time=$(FUZZ_SECONDS) \
	    -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/findings/$$t- \
	    $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t; \
	done
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) --target integration_tests
	cd $(BUILD) && HALVANE_LONG_SESSION_COUNT=$(LONG_SESSION_COUNT) \
	  ./integration_tests --gtest_filter='LongSession.*'
	cd $(BUILD) && HALVANE_KILL_COUNT=$(KILL_COUNT) \
	  ./integration_tests --gtest_filter='InterruptedSave.KillAtAnyMoment*'
