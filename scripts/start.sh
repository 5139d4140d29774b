#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/configure-program.sh
cmake --build --preset program
exec build-program/app/euler-primes
