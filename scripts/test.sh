#!/usr/bin/env bash
# Builds the program and runs every test once: in an optimised build (with
# the lint and the benchmarks' smoke runs, and the window tests again under a
# decimal-comma locale), under AddressSanitizer and UndefinedBehaviorSanitizer,
# the logic under libFuzzer for a fixed number of runs, and the logic's
# coverage, which must be complete. With CI=true, warnings are errors and a
# missing test tool fails the build instead of skipping its tests.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --tests

prefix=""
[[ "${CI:-}" == true ]] && prefix="ci-"
for check in default sanitize fuzz; do
    echo "== $check"
    started=$SECONDS
    cmake --workflow --preset "$prefix$check"
    echo "== $check took $((SECONDS - started)) s"
done

echo "== coverage"
started=$SECONDS
EULER_PRESET_PREFIX="$prefix" scripts/coverage.sh
echo "== coverage took $((SECONDS - started)) s"
