#!/usr/bin/env bash
# Builds mousecfg and runs the whole test suite; tests that need a display get an Xvfb server.
# BUILD_DIR and extra cmake arguments (for example -DMOUSECFG_SANITIZE=ON) select another build.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh "$@"
cd "${BUILD_DIR:-build}"
xvfb-run -a -s "-screen 0 1280x800x24" ctest --output-on-failure --timeout 600
