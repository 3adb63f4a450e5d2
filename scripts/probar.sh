#!/usr/bin/env bash
# Installs what is missing, builds and runs every test with ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/preparar.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
