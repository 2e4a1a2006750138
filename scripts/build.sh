#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default: build); extra arguments go to cmake's configure step
# (the build type is Release, or RelWithDebInfo for the sanitizer builds, unless one is given).
# BUILD_TARGET names one target to build instead of everything (for example "program").
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
