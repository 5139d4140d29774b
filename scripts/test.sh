#!/usr/bin/env bash
# Builds the program and runs every test once: in an optimised build (with
# the lint and the benchmarks' smoke runs, and the window tests again under a
# decimal-comma locale), the logic under libFuzzer for a fixed number of runs,
# the web page (the logic's tests compiled to WebAssembly under node, the
# page's in chromium), and the logic's and the window's tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, whose coverage of the logic
# must be complete.
# With CI=true, warnings are errors and a missing test tool fails the build
# instead of skipping its tests.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --tests

for check in default fuzz web; do
    echo "== $check"
    started=$SECONDS
    cmake --workflow --preset "$check"
    echo "== $check took $((SECONDS - started)) s"
done

echo "== sanitize and coverage"
started=$SECONDS
scripts/coverage.sh
echo "== sanitize and coverage took $((SECONDS - started)) s"
