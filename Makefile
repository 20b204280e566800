# The two set-up commands of Vistrel. Both install what is missing and build first.
BUILD_DIR := build
DIST_DIR  := $(BUILD_DIR)/dist
JOBS      ?= $(shell nproc)

.PHONY: run test setup build install uninstall deb

# System-wide installation; DESTDIR stages into a tree for packaging.
PREFIX    ?= /usr/local

setup:
	./scripts/install-deps.sh

build: setup
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./scripts/start-launcher.sh $(DIST_DIR)

test: build
	./scripts/run-tests.sh $(BUILD_DIR)

# The whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer,
# in its own build folder so the normal build stays fast. Leak reports stay on
# for our code; GTK and fontconfig keep caches until exit, which the
# suppressions file names.
SANITIZE_DIR := build-sanitize
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer

.PHONY: test-sanitize fuzz bench

test-sanitize: setup
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  "-DCMAKE_C_FLAGS=$(SANITIZE_FLAGS)" "-DCMAKE_CXX_FLAGS=$(SANITIZE_FLAGS)" \
	  "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined"
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/sanitizer-leaks.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ./scripts/run-tests.sh $(SANITIZE_DIR)

# Every fuzz target for FUZZ_SECONDS each (default 60), FUZZ_JOBS at a time.
fuzz: build
	./scripts/install-deps.sh fuzz
	./scripts/fuzz.sh

# Every benchmark under bench/ (Google Benchmark), a table on the terminal and
# the report docs/performance.md. Not part of `make test`.
bench: build
	./scripts/install-deps.sh bench
	./scripts/bench.sh $(BUILD_DIR)

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

uninstall:
	cmake -DROOT="$(DESTDIR)$(PREFIX)" -P packaging/uninstall.cmake

# The Debian package vistrel_<version>_<arch>.deb from the Release build,
# checked with lintian (`scripts/install-deps.sh deb` brings it). DEB_DIR is
# where it lands.
DEB_DIR ?= $(BUILD_DIR)

deb: build
	./scripts/install-deps.sh deb
	./packaging/deb/build-deb.sh $(BUILD_DIR) $(DEB_DIR) >$(BUILD_DIR)/deb-path
	lintian --fail-on error --display-info "$$(cat $(BUILD_DIR)/deb-path)"
	@echo "Built $$(cat $(BUILD_DIR)/deb-path)"
