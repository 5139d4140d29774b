#!/usr/bin/env bash
# Formats the project's C++ sources with its .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -co --exclude-standard -- '*.cpp' '*.h' | xargs clang-format -i
