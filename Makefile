# SPDX-FileCopyrightText: 2026 The Marlquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Thin front door over CMake. `make run` plays, `make package` builds the .deb and the
# .tar.gz, `make test` runs every test headless. Each installs only what it needs.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# `make test TEST_LABELS='unit|sim'` runs only the tests with those CTest labels.
TEST_LABELS ?=

.PHONY: deps deps-package deps-test configure build run package test bench clean

deps:
	@sh tools/install-deps.sh play

deps-package:
	@sh tools/install-deps.sh package

deps-test:
	@sh tools/install-deps.sh test

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@cd $(BUILD) && ./marlquin

# The wider set of packages goes in before the build, so that the build finds it.
package: deps-package
	@$(MAKE) --no-print-directory build
	@cd $(BUILD) && cpack

test: deps-test
	@$(MAKE) --no-print-directory build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy ctest --output-on-failure -j $(JOBS) \
		$(if $(TEST_LABELS),-L '$(TEST_LABELS)')

bench: deps-test
	@$(MAKE) --no-print-directory build
	@cd $(BUILD) && ./bench/marlquin_bench
	@bash bench/live/live_window.sh $(BUILD)

clean:
	@rm -rf $(BUILD)
