#!/usr/bin/env bash
# Measures the figures of docs/performance.md: start-up against the baseline
# window on a private X server, the check command, and a click on "Въведи".
# Run it on an otherwise idle machine.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

scripts/install-deps.sh --tests
cmake --preset default >/dev/null
cmake --build --preset default

echo "== start-up, ${PAIRS:=15} pairs"
X_SERVER_OPTIONS=-noreset with_x_server 1024x768x24 build/bench/startup_bench "$PAIRS" 2>/dev/null
echo "== check command"
build/bench/check_bench
echo "== click on Въведи"
build/bench/click_bench
