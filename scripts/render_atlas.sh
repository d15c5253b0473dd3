#!/usr/bin/env bash
# Draws every theme of the bundled atlas with the command-line render, in a
# set of sizes, scales and extents, into a folder: run it before and after a
# change that must not move a pixel and compare the two folders byte for
# byte (`diff -r before after`; the pictures are written deterministically).
#
#   bash scripts/render_atlas.sh OUTDIR [VAQ]     (VAQ: build/vaq by default)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
salida="${1:?usage: render_atlas.sh OUTDIR [VAQ]}"
vaq="${2:-${VAQ_BUILD_DIR:-$root/build}/vaq}"
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$salida" "$vaq"
fi
vistas=(
  "inicial|"
  "300x200|--tamano 300x200"
  "1600x1200|--tamano 1600x1200"
  "1-250000|--escala 250000"
  "1-20000000|--escala 20000000"
  "1-75000|--escala 75000 --tamano 640x480"
  "zona|--extension 300000,4050000,400000,4150000"
  "detalle|--extension 355000,4130000,365000,4140000 --tamano 500x700"
  "franja|--extension 100000,4000000,600000,4010000 --tamano 800x300"
)
mkdir -p "$salida"
for tema in "$root"/data/atlas/MapasVel/*.vel; do
  t=$(basename "$tema" .vel)
  for v in "${vistas[@]}"; do
    nombre=${v%%|*} opciones=${v#*|} estado=0
    # shellcheck disable=SC2086
    "$vaq" --datos "$root/data/atlas" --mapa "MapasVel/$t.vel" --salida "$salida/$t-$nombre.png" \
      $opciones 2>"$salida/$t-$nombre.txt" || estado=$?
    echo "exit $estado" >>"$salida/$t-$nombre.txt"
  done
done
