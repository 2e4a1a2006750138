#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default: build); extra arguments go to cmake's configure step.
# BUILD_TARGET names one target to build instead of everything (for example "program").
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build_dir" -j"$(nproc)" ${BUILD_TARGET:+--target "$BUILD_TARGET"}
