#!/usr/bin/env bash
# Runs each fuzz target of the number helpers, the date boxes and the iskât file for SECONDS (default 20) with clang's
# libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
#   scripts/fuzz.sh 600     ten minutes each
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}

bash scripts/install-deps.sh build
bash scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target fuzz_val fuzz_cdbl fuzz_format fuzz_date fuzz_iskatfile

for target in fuzz_val fuzz_cdbl fuzz_format fuzz_date fuzz_iskatfile; do
    corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus"
    seeds=fuzz/seeds
    [ "$target" = fuzz_format ] && seeds=fuzz/seeds-format
    [ "$target" = fuzz_date ] && seeds=fuzz/seeds-date
    [ "$target" = fuzz_iskatfile ] && seeds=fuzz/seeds-iskat
    echo "== $target for ${seconds}s"
    status=0
    ./build-fuzz/fuzz/$target -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix=build-fuzz/ "$corpus" $seeds > "build-fuzz/$target.log" 2>&1 || status=$?
    grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb)|ERROR|SUMMARY|Test unit written" "build-fuzz/$target.log" || true
    [ "$status" -eq 0 ] || { echo "$target failed (status $status), see build-fuzz/$target.log"; exit 1; }
done
echo "fuzzing clean"
