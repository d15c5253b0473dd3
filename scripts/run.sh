#!/usr/bin/env bash
# Installs what is missing, builds and starts the viewer on the bundled atlas.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
exec "${VAQ_BUILD_DIR:-$root/build}/vaq" --datos "$root/data/atlas" "$@"
