#!/usr/bin/env bash
# Fuzzes the logic for longer than CI does (SECONDS, 600 unless given) and
# keeps the new inputs it finds in build-fuzz/corpus; the seeds in
# fuzz/corpus stay as they are.
#
#     scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --tests
cmake --preset fuzz
cmake --build --preset fuzz
mkdir -p build-fuzz/corpus
build-fuzz/fuzz/check_fuzzer -max_total_time="${1:-600}" -print_final_stats=1 \
    build-fuzz/corpus fuzz/corpus
