# The two set-up commands of Vistrel. Both install what is missing and build first.
BUILD_DIR := build
DIST_DIR  := $(BUILD_DIR)/dist
JOBS      ?= $(shell nproc)

.PHONY: run test setup build install uninstall

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

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

uninstall:
	cmake -DROOT="$(DESTDIR)$(PREFIX)" -P packaging/uninstall.cmake
