#!/usr/bin/env bash
# Builds the program and runs every test: in an optimised build, under
# AddressSanitizer and UndefinedBehaviorSanitizer, the logic under libFuzzer
# for a minute, and the logic's coverage, which must be complete.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --tests

for preset in default sanitize fuzz; do
    echo "== $preset"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done

echo "== coverage"
scripts/coverage.sh
