#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs the in-process test suite (offscreen) that way.
set -euo pipefail
cd "$(dirname "$0")/.."
KARVELA_PRESET=sanitized bash scripts/build.sh
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir build-asan --output-on-failure --timeout 900 --label-exclude outside
