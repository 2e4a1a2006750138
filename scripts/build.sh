#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default: build); extra arguments go to cmake's configure step
# (the build type is Release, or RelWithDebInfo for the sanitizer builds, unless one is given).
# BUILD_TARGET names the targets to build instead of everything (for example "program"), separated by
# spaces.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" "$@" >/dev/null
# shellcheck disable=SC2086 # one word per target
cmake --build "$build_dir" -j"$(nproc)" ${BUILD_TARGET:+--target $BUILD_TARGET}
