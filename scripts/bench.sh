#!/usr/bin/env bash
# Installs what is missing (with the peers the benchmarks compare against),
# builds in release mode and runs every benchmark, or only those named.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VAQ_BUILD_DIR:-$root/build-bench}"
"$root/scripts/setup.sh" libshp-dev mapserver-bin
VAQ_BUILD_DIR="$build" "$root/scripts/build.sh" -DCMAKE_BUILD_TYPE=Release -DVAQ_BUILD_BENCH=ON -DVAQ_BUILD_TESTS=OFF
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for f in "$root"/bench/*.cpp; do names+=("$(basename "$f" .cpp)"); done
fi
run() { if [ -z "${DISPLAY:-}" ]; then xvfb-run -a -s "-screen 0 1280x1024x24" "$@"; else "$@"; fi; }
for n in "${names[@]}"; do
  echo "== $n"
  run "$build/bench/$n"
done
