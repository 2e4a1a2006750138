#!/usr/bin/env bash
# Starts PROGRAM on the current X display, waits for its window, saves the screen to OUTPUT, stops it.
set -euo pipefail
program=$1 output=$2
(cd "$(dirname "$program")" && exec "./$(basename "$program")") &
pid=$!
sleep "${SCREENSHOT_DELAY:-4}"
import -window root "$output"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
