#!/usr/bin/env bash
# Line and branch coverage of logic/ by the logic's tests; fails below 100 %.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --tests
find build-coverage -name '*.gcda' -delete 2>/dev/null || true
cmake --workflow --preset "${EULER_PRESET_PREFIX:-}coverage"
# Branches that only exceptions thrown inside the standard library take are
# not counted: no test of ours can reach them.
gcovr --root . --object-directory build-coverage --filter 'logic/' \
    --exclude-directories 'build-coverage/CMakeFiles' \
    --exclude-throw-branches --exclude-unreachable-branches \
    --print-summary --fail-under-line 100 --fail-under-branch 100
