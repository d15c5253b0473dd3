#!/usr/bin/env bash
# Fails when a folder includes a header of a folder above it. Arguments: the
# layer folders, bottom to top (the build passes its own list). A header is
# known by its file name, which is unique in the tree.
set -euo pipefail
cd "$(dirname "$0")/.."
capas=("$@")
[ ${#capas[@]} -gt 0 ] || capas=(base shape model render proyecto interaction db panels app)
declare -A rango dueno
for i in "${!capas[@]}"; do rango[${capas[$i]}]=$i; done
for capa in "${capas[@]}"; do
  [ -d "$capa" ] || continue
  for h in "$capa"/*.h; do [ -e "$h" ] && dueno[$(basename "$h")]=$capa; done
done
fallos=0
for capa in "${capas[@]}"; do
  [ -d "$capa" ] || continue
  for f in "$capa"/*.h "$capa"/*.cpp; do
    [ -e "$f" ] || continue
    while IFS= read -r incluido; do
      otra=${dueno[$(basename "$incluido")]:-}
      [ -n "$otra" ] || continue
      if [ "${rango[$otra]}" -gt "${rango[$capa]}" ]; then
        echo "$f includes $incluido, from $otra/, a folder above $capa/"
        fallos=1
      fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$f")
  done
done
[ $fallos -eq 0 ] && echo "Every folder includes only the folders below it."
exit $fallos
