#!/usr/bin/env bash
# Regenerates every generated asset of the repository: the atlas of Andalucía with
# its gazetteer (tools/atlas) and, when present, the icons, cursors and help pages
# (tools/assets).  Pass --install to install the Debian packages the atlas needs.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
bash "$here/atlas/build.sh" "$@"
if [[ -f "$here/assets/build.sh" ]]; then
  bash "$here/assets/build.sh"
fi
