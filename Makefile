# The two commands of the README's Quick start. Each installs what is missing, then builds.
BUILD_DIR ?= build
CMAKE_FLAGS ?=

.PHONY: run test bench build deps clean format

deps:
	@tools/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ] && [ -z "$$QT_QPA_PLATFORM" ]; then \
		echo "make run: no display to open the window on (DISPLAY is not set); run it from a desktop session." >&2; \
		exit 1; \
	fi
	@cd $(BUILD_DIR) && ./torvane-fac

test: CMAKE_FLAGS += -DTORVANE_WARNINGS_AS_ERRORS=ON
test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j2

# Start-up, commands and file readers measured on this machine; a report, not a test.
bench: build
	@$(BUILD_DIR)/tools/bench/torvane-bench

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf $(BUILD_DIR)
