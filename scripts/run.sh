#!/usr/bin/env bash
# Sets up the machine, builds the program and starts it on the shipped sample
# collection in the working folder ./workspace (created on first run).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=Release -DQM_BUILD_TESTS=OFF -DQM_BUILD_BENCHMARKS=OFF
workspace=${QUILLMAZE_WORKSPACE:-$root/workspace}
mkdir -p "$workspace"
sample=$root/build/share/quillmaze/SAMPLE.QZ3
if [ -f "$sample" ] && [ ! -f "$workspace/SAMPLE.QZ3" ]; then
  cp "$sample" "$workspace/"
fi
cd "$workspace"
exec "$root/build/bin/quillmaze" "$@"
