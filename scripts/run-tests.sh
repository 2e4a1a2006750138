#!/usr/bin/env bash
# Builds mousecfg and runs the whole test suite; tests that need a display get an Xvfb server.
# BUILD_DIR and extra cmake arguments (for example -DMOUSECFG_SANITIZE=ON) select another build.
# TEST_LABEL runs only the tests of that ctest label, and builds only what they need.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build_dir=${BUILD_DIR:-build}
ctest_arguments=()
if [ -n "${TEST_LABEL:-}" ]; then
    cmake -S . -B "$build_dir" "$@" >/dev/null
    # Each of these tests is the program of its own name.
    BUILD_TARGET=$(cd "$build_dir" && ctest -N -L "$TEST_LABEL" | sed -n 's/^ *Test *#[0-9]*: //p' | tr '\n' ' ')
    export BUILD_TARGET
    ctest_arguments=(-L "$TEST_LABEL")
fi
scripts/build.sh "$@"
cd "$build_dir"
# -noreset: by default the server resets when its last client leaves, and a test program connecting
# in that moment is refused ("could not connect to display").
xvfb-run -a -s "-noreset -screen 0 1280x800x24" ctest --output-on-failure --timeout 600 "${ctest_arguments[@]}"
