"""Builds the whole atlas: shapefiles, themes, pictures and the gazetteer."""

import os
import sys
import warnings

# Debian 12's Shapely 1.8 announces 2.0 changes that this build does not depend on.
warnings.filterwarnings("ignore", message=".*STRtree.*")

import build_gazetteer
import build_geo
import build_pictures
import build_themes
import sources


def check_theme_files(out_dir):
    for theme, layers in build_themes.theme_layers():
        for name, rel in layers:
            if not os.path.isfile(os.path.join(out_dir, rel)):
                raise SystemExit("El tema %s nombra una capa sin fichero: %s (%s)" %
                                 (theme, name, rel))


def main():
    work_dir, out_dir, db_path = sys.argv[1:4]
    atlas = build_geo.build(work_dir, out_dir)
    print("municipios %d, provincias %d, núcleos %d, picos %d, ríos %d (etiquetas %d), "
          "embalses %d (con nombre %d)" % (
              len(atlas.municipalities), len(atlas.provinces), len(atlas.towns),
              len(atlas.peaks), len(atlas.rivers), len(atlas.river_labels),
              len(atlas.water_bodies), sum(1 for e in atlas.water_bodies if e["nombre"])))
    build_themes.write_all(out_dir)
    check_theme_files(out_dir)
    contents = build_pictures.build(atlas, out_dir)
    build_gazetteer.build(atlas, db_path, contents)
    sources.write(out_dir)


if __name__ == "__main__":
    main()
