#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer into BUILD_DIR (default: build-fuzz) and runs each
# for SECONDS (default 60), one after the other; prints one line per target: executions, crashes and
# the coverage gained. New inputs go to BUILD_DIR/corpus/<target>, seeded from fuzz/corpus/<target>;
# crash files to BUILD_DIR/crashes/<target>. TARGETS="profile macro" runs only those.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build_dir=${BUILD_DIR:-build-fuzz}
targets=${TARGETS:-"productdefinition settings profile configimport macro reportdescriptor devicereplies"}

scripts/install-deps.sh --fuzz
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DMOUSECFG_FUZZ=ON -DMOUSECFG_BUILD_TESTS=OFF >/dev/null
for t in $targets; do
    cmake --build "$build_dir" -j2 --target "fuzz_$t" >/dev/null
done

export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
export QT_QPA_PLATFORM=offscreen
for t in $targets; do
    corpus="$build_dir/corpus/$t"
    crashes="$build_dir/crashes/$t"
    mkdir -p "$corpus" "$crashes"
    log="$build_dir/fuzz-$t.log"
    before=$(find "$corpus" -type f | wc -l)
    dict=()
    [ -f "fuzz/dict/$t.dict" ] && dict=("-dict=fuzz/dict/$t.dict")
    set +e
    "$build_dir/fuzz/fuzz_$t" "$corpus" "fuzz/corpus/$t" "${dict[@]}" -max_total_time="$seconds" \
        -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$crashes/" >"$log" 2>&1
    status=$?
    set -e
    runs=$(grep -oE '^stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$' || echo 0)
    start_cov=$(grep -m1 -oE 'INITED cov: [0-9]+' "$log" | grep -oE '[0-9]+$' || echo "?")
    end_cov=$(grep -oE ' cov: [0-9]+' "$log" | tail -1 | grep -oE '[0-9]+$' || echo "?")
    after=$(find "$corpus" -type f | wc -l)
    found=$(find "$crashes" -type f | wc -l)
    printf '%-18s executions %10s  crashes %3s  coverage %s -> %s  new inputs %s%s\n' "$t" "${runs:-0}" \
        "$found" "$start_cov" "$end_cov" "$((after - before))" "$([ $status -ne 0 ] && echo "  (exit $status, see $log)")"
done
