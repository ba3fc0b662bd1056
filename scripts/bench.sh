#!/usr/bin/env bash
# Builds optimised and prints the benchmark figures.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" "$root/build-bench" -DCMAKE_BUILD_TYPE=Release -DQM_BUILD_TESTS=OFF
"$root/build-bench/bin/benchmarks" "$@"
