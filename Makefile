# SPDX-FileCopyrightText: 2026 Torvane FAC developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The two commands of the README's Quick start. Each installs what is missing, then builds.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
# The whole suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
ASAN_BUILD_DIR ?= build-asan
# The fuzz targets, built by clang with libFuzzer and both sanitizers.
FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := facreader savedgame textdecoder
# Packages some targets need beyond the build's own: building the Debian package needs
# dpkg-dev (dpkg-shlibdeps); the tests also check it with lintian, the licences with reuse,
# the desktop entry and the metainfo with desktop-file-utils and appstream, and read PDFs
# with poppler-utils, and none of those checks is skipped for want of its tool.
DEPS_EXTRA ?=
PACKAGE_DEPS := dpkg-dev
TEST_DEPS := $(PACKAGE_DEPS) lintian reuse desktop-file-utils appstream poppler-utils

.PHONY: run test test-asan fuzz bench build deps clean format package translations

deps:
	@tools/install-deps.sh $(DEPS_EXTRA)

build: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR)

# The display is checked first, so that a session without one is told before anything is
# installed or built.
run:
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
		echo "make run: no display to open the window on (DISPLAY is not set); run it from a desktop session." >&2; \
		exit 1; \
	fi
	@$(MAKE) --no-print-directory build
	@cd $(BUILD_DIR) && ./torvane-fac

test: CMAKE_FLAGS += -DTORVANE_WARNINGS_AS_ERRORS=ON
test: DEPS_EXTRA += $(TEST_DEPS)
test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j2
	@$(MAKE) --no-print-directory test-asan

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTORVANE_WARNINGS_AS_ERRORS=ON \
		-DTORVANE_SANITIZERS=ON >/dev/null
	@cmake --build $(ASAN_BUILD_DIR)
	@cd $(ASAN_BUILD_DIR) && ctest --output-on-failure -j2

# Brings translations/*.ts up to date with the texts of the code: new texts come in unfinished,
# texts no longer in the code leave. The build turns them into the .qm files it ships.
LUPDATE ?= /usr/lib/qt6/bin/lupdate
TRANSLATED_FOLDERS := core io deck game save league ui app
translations: deps
	@$(LUPDATE) -silent -no-obsolete -locations none -I . $(TRANSLATED_FOLDERS) -ts translations/torvane_*.ts

# The Debian package torvane-fac_<version>_<arch>.deb, written into $(BUILD_DIR).
package: DEPS_EXTRA += $(PACKAGE_DEPS)
package: build
	@cd $(BUILD_DIR) && cpack -G DEB --config CPackConfig.cmake >cpack.log 2>&1 || { cat cpack.log >&2; exit 1; }
	@sed -n 's/^CPack: - package: \(.*\) generated\.$$/\1/p' $(BUILD_DIR)/cpack.log

# Each target runs for FUZZ_SECONDS from the committed corpus; what it learns stays in
# $(FUZZ_BUILD_DIR)/corpus, and a crashing input is written to $(FUZZ_BUILD_DIR)/findings.
fuzz:
	@tools/install-deps.sh clang libclang-rt-14-dev
	@CXX=clang++ cmake -S . -B $(FUZZ_BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DTORVANE_FUZZ=ON -DTORVANE_BUILD_TESTS=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD_DIR) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@for target in $(FUZZ_TARGETS); do \
		mkdir -p $(FUZZ_BUILD_DIR)/corpus/$$target $(FUZZ_BUILD_DIR)/findings/$$target || exit 1; \
		echo "fuzz_$$target: $(FUZZ_SECONDS) seconds"; \
		$(FUZZ_BUILD_DIR)/fuzz/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -max_len=65536 \
			-dict=fuzz/$$target.dict -artifact_prefix=$(FUZZ_BUILD_DIR)/findings/$$target/ \
			$(FUZZ_BUILD_DIR)/corpus/$$target fuzz/corpus/$$target || exit 1; \
	done

# Start-up, commands with the league file off and on, file readers, and the league file on a
# league of 10,000 games, measured on this machine; a report, not a test. The league is made
# once (about a minute) and kept in BENCH_LEAGUE_DIR.
BENCH_LEAGUE_DIR ?= $(BUILD_DIR)/bench-league
# A season of 32 teams (tools/make_season) for the standings and the leaders, made once.
BENCH_SEASON_DIR ?= $(BUILD_DIR)/bench-season
bench: build
	@$(BUILD_DIR)/tools/bench/torvane-bench
	@if [ ! -f $(BENCH_LEAGUE_DIR)/league.sqlite ]; then \
		echo; echo "Making a league of 10,000 games in $(BENCH_LEAGUE_DIR)"; \
		rm -rf $(BENCH_LEAGUE_DIR).part && mkdir -p $(BENCH_LEAGUE_DIR).part && \
		$(BUILD_DIR)/tools/make_league data/FAC_Data.txt $(BENCH_LEAGUE_DIR).part 10000 && \
		rm -rf $(BENCH_LEAGUE_DIR) && mv $(BENCH_LEAGUE_DIR).part $(BENCH_LEAGUE_DIR) || exit 1; \
	fi
	@echo
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/bench/bench_league data/FAC_Data.txt $(BENCH_LEAGUE_DIR)
	@if [ ! -f $(BENCH_SEASON_DIR)/league.sqlite ]; then \
		echo; echo "Making a season of 1,312 games in $(BENCH_SEASON_DIR)"; \
		rm -rf $(BENCH_SEASON_DIR).part && mkdir -p $(BENCH_SEASON_DIR).part && \
		$(BUILD_DIR)/tools/make_season data/FAC_Data.txt $(BENCH_SEASON_DIR).part && \
		rm -rf $(BENCH_SEASON_DIR) && mv $(BENCH_SEASON_DIR).part $(BENCH_SEASON_DIR) || exit 1; \
	fi
	@echo
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/bench/bench_season $(BENCH_SEASON_DIR)

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf $(BUILD_DIR) $(ASAN_BUILD_DIR) $(FUZZ_BUILD_DIR)
