"""Checks that the atlas and its gazetteer agree, as the viewer reads them.

    python3 check_atlas.py ATLAS_DIR GAZETTEER_DB

Needs only the standard library and python3-pil (for the pictures). Every
failure is listed; the exit status is 1 when there was any.

- The gazetteer has the tables and columns the viewer's queries read, and
  stores its texts as ISO-8859-1 (never UTF-8) TEXT values.
- Every search layer is a layer of its map's theme (by name and file), and
  every place name and municipality is found there by its code, in a
  character field, as the viewer finds hits.
- Every content picture loads, every municipality has contents, and a
  province answers through its capital's municipality.
- Every theme names files that exist and fields their layers have: value
  classifications any field, labels an integer class and rotation (width
  up to 4) and a character description.
"""

import os
import sqlite3
import sys
import xml.etree.ElementTree as ET

from dbf_reader import read_dbf

# Map numbers of the gazetteer ("MAPA_ID") and their themes.
THEMES = {1: "MedioFisico.vel", 2: "MedioHumano.vel", 3: "MiLocalidad.vel"}
ALL_THEMES = list(THEMES.values()) + ["Referencia.vel"]

failures = []


def fail(message):
    failures.append(message)


class Theme:
    """The layers of a theme file: name, file (relative) and the element."""

    def __init__(self, atlas, file_name):
        self.name = file_name
        self.layers = []
        root = ET.parse(os.path.join(atlas, "MapasVel", file_name)).getroot()
        for capa in root.iter("CAPA"):
            relative = (capa.get("ruta", "") + capa.get("archivo", "")).lstrip("/")
            self.layers.append((capa.get("nombre", ""), relative, capa))


class Tables:
    """dBASE tables read once."""

    def __init__(self, atlas):
        self.atlas = atlas
        self.cache = {}

    def of(self, shapefile):
        path = os.path.join(self.atlas, shapefile[:-4] + ".dbf")
        if path not in self.cache:
            self.cache[path] = read_dbf(path) if os.path.isfile(path) else None
        return self.cache[path]


def latin1_texts(db):
    for table, column in (("Toponimo", "VALOR"), ("Municipios", "NOMBRE"), ("Capa", "NOMBRE"),
                          ("Contenido", "DESCRIPCION")):
        for kind, value in db.execute("SELECT typeof(%s), CAST(%s AS BLOB) FROM %s" % (column, column, table)):
            if kind != "text":
                fail("%s.%s no es texto: %r" % (table, column, value))
                return
            try:
                value.decode("utf-8")
                if any(b > 0x7F for b in value):
                    fail("%s.%s parece UTF-8: %r" % (table, column, value))
                    return
            except UnicodeDecodeError:
                pass  # ISO-8859-1 with accents, as it must be


def queries_run(db):
    try:
        db.execute("SELECT CODIGO, VALOR, CAPA_BUSQUEDA_ID FROM Toponimo").fetchone()
        db.execute("SELECT CAPABUSQUEDA_ID, CAMPO_BUSQUEDA, CAMPO_CODIGO, CAPA_CAPA_ID FROM Capa_de_busqueda").fetchone()
        db.execute("SELECT CAPA_ID, ARCHIVO, NOMBRE, MAPA_ID FROM Capa").fetchone()
        db.execute("SELECT COD_MUN, NOMBRE, CAPA_BUSQUEDA_ID FROM Municipios").fetchone()
        db.execute("SELECT CAPA_BUSQUEDA_ID, CODIGO_ELEMENTO, TIPO_CAMPO, CONTENIDO, DESCRIPCION "
                   "FROM Contenido").fetchone()
        # The place-name query names MAPA_ID without a table: only one may have it.
        for map_number in THEMES:
            found = db.execute("SELECT COUNT(*) FROM Toponimo, Capa_de_busqueda WHERE CAPABUSQUEDA_ID = "
                               "CAPA_BUSQUEDA_ID AND MAPA_ID = ?", (map_number,)).fetchone()[0]
            if found < 10:
                fail("el mapa %d tiene solo %d topónimos" % (map_number, found))
    except sqlite3.Error as error:
        fail("consulta rechazada: %s" % error)


def search_layers(db, atlas, themes):
    """Search layer id -> (dbf rows, code field, map number)."""
    tables = Tables(atlas)
    layers = {}
    for search_id, code_field, file_name, layer_name, map_number in db.execute(
            "SELECT CAPABUSQUEDA_ID, CAMPO_CODIGO, ARCHIVO, NOMBRE, Capa.MAPA_ID FROM Capa_de_busqueda, Capa "
            "WHERE CAPA_CAPA_ID = CAPA_ID"):
        theme = themes.get(map_number)
        if theme is None:
            fail("capa de búsqueda %d en el mapa %r, que no existe" % (search_id, map_number))
            continue
        if (layer_name, file_name) not in [(name, rel) for name, rel, _ in theme.layers]:
            fail("%s (%s) no está en el tema %s" % (layer_name, file_name, theme.name))
            continue
        table = tables.of(file_name)
        if table is None:
            fail("falta la tabla de %s" % file_name)
            continue
        fields, rows = table
        kinds = {name: kind for name, kind, _ in fields}
        if kinds.get(code_field) != "C":
            fail("%s: el campo de código %s no es de caracteres" % (file_name, code_field))
            continue
        layers[search_id] = ({row[code_field] for row in rows}, map_number)
    return layers


def hits_found(db, layers):
    checked = 0
    for sql in ("SELECT CAPA_BUSQUEDA_ID, CODIGO, VALOR FROM Toponimo",
                "SELECT CAPA_BUSQUEDA_ID, COD_MUN, NOMBRE FROM Municipios"):
        for search_id, code, name in db.execute(sql):
            if search_id not in layers:
                fail("%s: capa de búsqueda inexistente %r" % (name, search_id))
            elif code not in layers[search_id][0]:
                fail("%s: código %s ausente de su capa" % (name, code))
            checked += 1
    if checked < 1500:
        fail("solo %d topónimos y municipios" % checked)
    for (search_id,) in db.execute("SELECT DISTINCT CAPA_BUSQUEDA_ID FROM Municipios"):
        if search_id in layers and layers[search_id][1] != 3:
            fail("los municipios se buscan en el mapa %d, no en mi localidad" % layers[search_id][1])


def contents(db, atlas):
    try:
        from PIL import Image
    except ImportError:
        fail("falta python3-pil para comprobar las imágenes")
        return
    pictures = [row[0] for row in db.execute("SELECT DISTINCT CONTENIDO FROM Contenido")]
    if len(pictures) < 16 + 785:
        fail("solo %d imágenes de contenido" % len(pictures))
    for picture in pictures:
        try:
            with Image.open(os.path.join(atlas, picture)) as image:
                image.load()
                if image.width <= 100 or image.height <= 100:
                    fail("%s es demasiado pequeña" % picture)
        except (OSError, ValueError) as error:
            fail("%s no se puede leer: %s" % (picture, error))
    missing = db.execute("SELECT COUNT(*) FROM Municipios WHERE CAST(COD_MUN AS INTEGER) NOT IN "
                         "(SELECT CODIGO_ELEMENTO FROM Contenido)").fetchone()[0]
    if missing:
        fail("%d municipios sin contenidos" % missing)
    for search_id, kind in db.execute("SELECT DISTINCT CAPA_BUSQUEDA_ID, TIPO_CAMPO FROM Contenido"):
        if "N" not in kind:
            fail("los contenidos de la capa %d no tienen códigos numéricos" % search_id)
    # A province answers with its capital's municipality code (COD_MUNCAP).
    fields, rows = read_dbf(os.path.join(atlas, "Medio_humano", "Provincias.dbf"))
    if "COD_MUNCAP" not in [name for name, _, _ in fields]:
        fail("Provincias.dbf no tiene COD_MUNCAP")
        return
    for row in rows:
        found = db.execute("SELECT COUNT(*) FROM Contenido, Capa_de_busqueda, Capa WHERE CAPA_BUSQUEDA_ID = "
                           "CAPABUSQUEDA_ID AND CAPA_CAPA_ID = CAPA_ID AND ARCHIVO = 'Medio_humano/Provincias.shp' "
                           "AND CODIGO_ELEMENTO = ?", (int(row["COD_MUNCAP"]),)).fetchone()[0]
        if found == 0:
            fail("la provincia de %s no tiene contenidos" % row.get("NOMBRE", row["COD_MUNCAP"]))


def themes_name_real_fields(atlas):
    tables = Tables(atlas)
    text_layers = value_layers = 0
    for file_name in ALL_THEMES:
        theme = Theme(atlas, file_name)
        if len(theme.layers) < 4:
            fail("%s tiene solo %d capas" % (file_name, len(theme.layers)))
        for name, relative, element in theme.layers:
            base = os.path.join(atlas, relative[:-4])
            if not all(os.path.isfile(base + ext) for ext in (".shp", ".shx", ".dbf")):
                fail("%s: faltan ficheros de %s" % (file_name, relative))
                continue
            fields, rows = tables.of(relative)
            if not rows:
                fail("%s: %s no tiene registros" % (file_name, relative))
            kinds = {field: (kind, width) for field, kind, width in fields}
            for clasificacion in element.iter("CLASIFICACION"):
                campo = clasificacion.find("CAMPO")
                if campo is None:
                    fail("%s: %s sin CAMPO" % (file_name, name))
                    continue
                if clasificacion.get("tipo") == "VALOR":
                    value_layers += 1
                    if campo.get("campo") not in kinds:
                        fail("%s: %s no tiene el campo %s" % (file_name, relative, campo.get("campo")))
                    continue
                text_layers += 1
                for attribute in ("campo", "campo_rotacion"):
                    kind, width = kinds.get(campo.get(attribute), ("?", 0))
                    if kind != "N" or width > 4:
                        fail("%s: %s.%s no es un entero corto" % (file_name, relative, campo.get(attribute)))
                if kinds.get(campo.get("descripcion"), ("?", 0))[0] != "C":
                    fail("%s: %s.%s no es texto" % (file_name, relative, campo.get("descripcion")))
                if not (name.startswith("Toponimia") or name == "Coordenadas"):
                    fail("%s: la capa de etiquetas %s no se llama Toponimia..." % (file_name, name))
    if text_layers < 6 or value_layers < 6:
        fail("solo %d capas de etiquetas y %d clasificadas" % (text_layers, value_layers))
    if not os.path.isfile(os.path.join(atlas, "datos.mmm")):
        fail("falta datos.mmm")


def main():
    atlas, db_path = sys.argv[1:3]
    db = sqlite3.connect("file:%s?mode=ro" % db_path, uri=True)
    db.text_factory = lambda b: b.decode("latin-1")
    latin1_texts(db)
    queries_run(db)
    themes = {number: Theme(atlas, name) for number, name in THEMES.items()}
    layers = search_layers(db, atlas, themes)
    hits_found(db, layers)
    contents(db, atlas)
    themes_name_real_fields(atlas)
    db.close()
    for message in failures:
        print("ERROR: " + message, file=sys.stderr)
    if failures:
        raise SystemExit(1)
    print("== Atlas y nomenclátor coherentes")


if __name__ == "__main__":
    main()
