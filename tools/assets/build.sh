#!/usr/bin/env bash
# Draws the application directory's pictures, cursors and help pictures into
# data/app/ (ico/, cursor/, Ayuda/img/), the images compiled into the
# program into res/ and the menu icon of the installed program into
# packaging/hicolor/. The help text itself, data/app/Ayuda/index.html, is
# written by hand and left alone. The results are committed, so building the viewer needs none of
# this; run it again after changing anything under tools/assets/.
# Needs python3 with PIL (python3-pil) and the DejaVu fonts (fonts-dejavu-core),
# which it installs when missing. The output depends only on these sources.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
app="$root/data/app"

bash "$root/scripts/setup.sh" python3-pil fonts-dejavu-core >/dev/null
python=/usr/bin/python3   # the system interpreter, which has python3-pil
[ -x "$python" ] || python=python3

# Start from empty output directories so that nothing stale survives.
# (BD/ holds the gazetteer, made elsewhere, and is left alone.)
rm -rf "$app/ico" "$app/cursor" "$app/Ayuda/img" "$root/res" "$root/packaging/hicolor"
mkdir -p "$app/ico" "$app/cursor" "$app/Ayuda" "$root/res" "$root/packaging"

PYTHONDONTWRITEBYTECODE=1 "$python" "$here/draw_assets.py" "$app" "$root/res" "$root/packaging"
# The pictures, cursors and help page the viewer names, at the sizes it uses.
PYTHONDONTWRITEBYTECODE=1 "$python" "$here/check_assets.py" "$app"
echo "assets written to data/app/{ico,cursor,Ayuda}, res/ and packaging/hicolor/"
