#!/usr/bin/env bash
# The Debian package, end to end: built with cpack from the build folder,
# unpacked with dpkg-deb into a temporary root (an accented one), checked for
# the installed layout and menu entry, and the unpacked program run through
# its command on an unpacked theme. Skipped (exit 77) without the packaging
# tools. Arguments: the build folder and the picture summariser
# (ResumenImagen: prints width, height and number of colours).
set -euo pipefail
build="$1"
resumen="$2"

for herramienta in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate; do
  if ! command -v "$herramienta" >/dev/null; then
    echo "SKIP: $herramienta is missing (packages cmake, dpkg-dev, desktop-file-utils: scripts/setup.sh)"
    exit 77
  fi
done

temporal="$(mktemp -d "${TMPDIR:-/tmp}/vaq-paquete.XXXXXX")"
trap 'rm -rf "$temporal"' EXIT
falla() { echo "FAIL: $*"; exit 1; }

# gzip rather than xz: the same files, packed faster.
if ! cpack --config "$build/CPackConfig.cmake" -B "$temporal/cpack" \
     -D CPACK_DEBIAN_COMPRESSION_TYPE=gzip >"$temporal/cpack.log" 2>&1; then
  cat "$temporal/cpack.log"
  falla "cpack could not build the package"
fi
paquete="$(ls "$temporal"/cpack/vaq_*.deb)"
dependencias="$(dpkg-deb -f "$paquete" Depends)"
[[ "$dependencias" == *libwxgtk3.2* && "$dependencias" == *libcairo2* ]] ||
  falla "dependencies not computed from the binary: '$dependencias'"

raiz="$temporal/raíz"
dpkg-deb -x "$paquete" "$raiz"
usr="$raiz/usr"
# The command reaches the program, which finds its pictures, cursors,
# gazetteer and help beside it; the atlas, menu entry, icons and licences are
# where the desktop and the documentation look for them.
[ "$(readlink -f "$usr/bin/vaq")" = "$(readlink -f "$usr/libexec/vaq/vaq")" ] || falla "bin/vaq does not reach the program"
for directorio in ico cursor BD Ayuda; do
  [ -d "$usr/libexec/vaq/$directorio" ] || falla "$directorio/ missing beside the program"
done
for fichero in libexec/vaq/BD/BDbusqueda.db libexec/vaq/Ayuda/index.html share/vaq/atlas/datos.mmm \
               share/doc/vaq/copyright share/doc/vaq/changelog.gz share/doc/vaq/FUENTES.txt; do
  [ -f "$usr/$fichero" ] || falla "$fichero missing"
done
for lado in 48 256; do
  read -r ancho alto _ < <("$resumen" "$usr/share/icons/hicolor/${lado}x${lado}/apps/vaq.png") || falla "no ${lado}px icon"
  [ "$ancho $alto" = "$lado $lado" ] || falla "the ${lado}px icon is $ancho x $alto"
done
desktop-file-validate "$usr/share/applications/vaq.desktop" || falla "the menu entry is not valid"
grep -qx "Exec=vaq" "$usr/share/applications/vaq.desktop" || falla "the menu entry does not run vaq"

# A theme of the unpacked atlas drawn by the unpacked program; the atlas is
# only read and the home directory gets no configuration.
mkdir "$temporal/home"
touch "$temporal/antes"
sleep 1  # so that anything written afterwards is strictly newer
if ! HOME="$temporal/home" timeout 120 "$usr/bin/vaq" --datos "$usr/share/vaq/atlas" \
     --mapa MapasVel/MedioFisico.vel --salida "$temporal/mapa.png" 2>"$temporal/vaq.log"; then
  cat "$temporal/vaq.log"
  falla "the unpacked program could not draw the theme"
fi
read -r ancho alto colores < <("$resumen" "$temporal/mapa.png") || falla "no picture written"
[ "$ancho $alto" = "790 584" ] || falla "the picture is $ancho x $alto, not 790 x 584"
[ "$colores" -ge 8 ] || falla "the picture is nearly blank ($colores colours)"
[ -z "$(find "$usr/share/vaq" -newer "$temporal/antes")" ] || falla "something was written into the installed data"
[ ! -e "$temporal/home/VAQConfiguracion.conf" ] || falla "the render wrote a configuration"
echo "PASS: $(basename "$paquete") ($dependencias)"
