#!/usr/bin/env bash
# Builds mousecfg and runs the whole test suite; tests that need a display get an Xvfb server.
# BUILD_DIR and extra cmake arguments (for example -DMOUSECFG_SANITIZE=ON) select another build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh "$@"
cd "${BUILD_DIR:-build}"
# -noreset: by default the server resets when its last client leaves, and a test program connecting
# in that moment is refused ("could not connect to display").
xvfb-run -a -s "-noreset -screen 0 1280x800x24" ctest --output-on-failure --timeout 600
