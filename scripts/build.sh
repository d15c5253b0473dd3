#!/usr/bin/env bash
# Configures and builds into build/ (or $VAQ_BUILD_DIR). Extra arguments go to cmake.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VAQ_BUILD_DIR:-$root/build}"
launcher=()
# Rebuilds after small changes are much faster through ccache, when present.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$build" "${launcher[@]}" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
