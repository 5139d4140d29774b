#!/usr/bin/env bash
# The full GUI soak: 10,000 random actions on the real window, offscreen.
# EULER_SOAK_EVENTS and EULER_SOAK_SEED choose another length or seed; LC_ALL
# the locale (C.UTF-8 unless set).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --tests
cmake --preset default >/dev/null
cmake --build --preset default
EULER_SOAK_EVENTS="${EULER_SOAK_EVENTS:-10000}" QT_QPA_PLATFORM=offscreen \
    build/tests/window/window_tests --gtest_filter='GuiSoak.*' --locale="${LC_ALL:-C.UTF-8}"
