#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite: a short run of
# every fuzz target under ASan and UBSan, then the unit and integration tests through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
scripts/run-fuzz.sh "${LANTUO_FUZZ_SECONDS:-20}"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 300 -j "$(nproc)"
