"""Writes the gazetteer database (BD/BDbusqueda.db of the application directory).

The viewer exchanges every text with this database as ISO-8859-1 bytes, so texts are
stored as TEXT values holding Latin-1 bytes (bound as bytes and cast to TEXT).
Layer files ("Capa"."ARCHIVO") are paths relative to the data directory, which is how
the information panel asks for a layer's contents; "Capa"."NOMBRE" is the layer name in
the theme, which is how a search hit finds its loaded layer.  The map number lives in
"Capa_de_busqueda" (and in "Capa"), never in "Toponimo".
"""

import os
import sqlite3

from build_geo import Atlas  # noqa: F401  (type of the argument)

SCHEMA = """
CREATE TABLE Capa (
  CAPA_ID INTEGER PRIMARY KEY,
  ARCHIVO TEXT NOT NULL,
  NOMBRE TEXT NOT NULL,
  MAPA_ID INTEGER NOT NULL
);
CREATE TABLE Capa_de_busqueda (
  CAPABUSQUEDA_ID INTEGER PRIMARY KEY,
  CAMPO_BUSQUEDA TEXT NOT NULL,
  CAMPO_CODIGO TEXT NOT NULL,
  CAPA_CAPA_ID INTEGER NOT NULL REFERENCES Capa(CAPA_ID),
  MAPA_ID INTEGER NOT NULL
);
CREATE TABLE Toponimo (
  CODIGO TEXT NOT NULL,
  VALOR TEXT NOT NULL,
  CAPA_BUSQUEDA_ID INTEGER NOT NULL REFERENCES Capa_de_busqueda(CAPABUSQUEDA_ID)
);
CREATE TABLE Municipios (
  COD_MUN TEXT NOT NULL,
  NOMBRE TEXT NOT NULL,
  CAPA_BUSQUEDA_ID INTEGER NOT NULL REFERENCES Capa_de_busqueda(CAPABUSQUEDA_ID)
);
CREATE TABLE Contenido (
  CAPA_BUSQUEDA_ID INTEGER NOT NULL REFERENCES Capa_de_busqueda(CAPABUSQUEDA_ID),
  CODIGO_ELEMENTO INTEGER NOT NULL,
  TIPO_CAMPO TEXT NOT NULL,
  CONTENIDO TEXT NOT NULL,
  DESCRIPCION TEXT NOT NULL
);
CREATE INDEX Toponimo_valor ON Toponimo(VALOR);
CREATE INDEX Municipios_nombre ON Municipios(NOMBRE);
CREATE INDEX Contenido_elemento ON Contenido(CAPA_BUSQUEDA_ID, CODIGO_ELEMENTO);
"""

PHYSICAL, HUMAN, LOCALITY = 1, 2, 3


def latin1(text):
    return str(text).encode("latin-1")


class Gazetteer:
    def __init__(self, path):
        if os.path.exists(path):
            os.remove(path)
        self.db = sqlite3.connect(path)
        self.db.executescript(SCHEMA)
        self.next_layer = 1

    def search_layer(self, map_id, layer_name, rel_path, code_field, search_field="NOMBRE"):
        """One "Capa" row and its "Capa_de_busqueda" row; returns the search layer id."""
        lid = self.next_layer
        self.next_layer += 1
        self.db.execute("INSERT INTO Capa VALUES (?, CAST(? AS TEXT), CAST(? AS TEXT), ?)",
                        (lid, latin1(rel_path), latin1(layer_name), map_id))
        self.db.execute("INSERT INTO Capa_de_busqueda VALUES "
                        "(?, CAST(? AS TEXT), CAST(? AS TEXT), ?, ?)",
                        (lid, latin1(search_field), latin1(code_field), lid, map_id))
        return lid

    def place(self, search_id, code, name):
        self.db.execute("INSERT INTO Toponimo VALUES (CAST(? AS TEXT), CAST(? AS TEXT), ?)",
                        (latin1(code), latin1(name), search_id))

    def municipality(self, search_id, code, name):
        self.db.execute("INSERT INTO Municipios VALUES (CAST(? AS TEXT), CAST(? AS TEXT), ?)",
                        (latin1(code), latin1(name), search_id))

    def content(self, search_id, numeric_code, rel_path, description):
        self.db.execute("INSERT INTO Contenido VALUES (?, ?, CAST(? AS TEXT), "
                        "CAST(? AS TEXT), CAST(? AS TEXT))",
                        (search_id, int(numeric_code), latin1("N"), latin1(rel_path),
                         latin1(description)))

    def close(self):
        self.db.commit()
        self.db.execute("VACUUM")
        self.db.close()


def first_per_name(items):
    seen = set()
    for it in items:
        if it["nombre"] and it["nombre"] not in seen:
            seen.add(it["nombre"])
            yield it


def build(atlas, db_path, province_contents):
    """province_contents: pictures by province code and by municipality code."""
    os.makedirs(os.path.dirname(db_path), exist_ok=True)
    g = Gazetteer(db_path)
    capitals = [t for t in atlas.towns if t["clase"] == 1]
    major = [t for t in atlas.towns if t["clase"] in (2, 3)]
    minor = [t for t in atlas.towns if t["clase"] >= 4]

    # Physical environment.
    sid = g.search_layer(PHYSICAL, "Picos", "Medio_fisico/Picos.shp", "CODIGO")
    for p in atlas.peaks:
        g.place(sid, p["codigo"], p["nombre"])
    for layer_name, cls in (("Toponimia relieve", 1), ("Toponimia sierras", 2)):
        sid = g.search_layer(PHYSICAL, layer_name, "Medio_fisico/Relieve.shp", "CODIGO")
        for r in atlas.ranges:
            if r["clase"] == cls:
                g.place(sid, r["codigo"], r["nombre"])
    sid = g.search_layer(PHYSICAL, "Toponimia ríos", "Medio_fisico/Rios_etiquetas.shp",
                         "CODIGO")
    for r in first_per_name(atlas.river_labels):
        g.place(sid, r["codigo"], "Río " + r["nombre"])
    sid = g.search_layer(PHYSICAL, "Embalses y lagos", "Medio_fisico/Embalses.shp", "CODIGO")
    for e in first_per_name(atlas.water_bodies):
        g.place(sid, e["codigo"], e["nombre"])

    # Human environment.
    for name, rel, towns in (("Capitales de provincia", "Medio_humano/Capitales.shp", capitals),
                             ("Núcleos principales", "Medio_humano/Nucleos_principales.shp",
                              major),
                             ("Núcleos de población", "Medio_humano/Nucleos.shp", minor)):
        sid = g.search_layer(HUMAN, name, rel, "CODIGO")
        for t in towns:
            g.place(sid, t["codigo"], t["nombre"])
    provinces = g.search_layer(HUMAN, "Provincias", "Medio_humano/Provincias.shp", "COD_PROV")
    for p in atlas.provinces:
        g.place(provinces, p["cod"], "Provincia de " + p["nombre"])
    human_munis = g.search_layer(HUMAN, "Municipios", "Medio_humano/Municipios.shp", "COD_MUN")

    # My locality.
    for name, rel, towns in (("Capitales de provincia", "Medio_humano/Capitales.shp", capitals),
                             ("Núcleos principales", "Medio_humano/Nucleos_principales.shp",
                              major),
                             ("Núcleos de población", "Medio_humano/Nucleos.shp", minor)):
        sid = g.search_layer(LOCALITY, name, rel, "CODIGO")
        for t in towns:
            g.place(sid, t["codigo"], t["nombre"])
    sid = g.search_layer(LOCALITY, "Toponimia ríos", "Medio_fisico/Rios_etiquetas.shp",
                         "CODIGO")
    for r in first_per_name(atlas.river_labels):
        g.place(sid, r["codigo"], "Río " + r["nombre"])
    locality_munis = g.search_layer(LOCALITY, "Municipios", "Medio_humano/Municipios.shp",
                                    "COD_MUN")
    for m in atlas.municipalities:
        g.municipality(locality_munis, m["cod"], m["nombre"])

    # Pictures.  The information panel asks each layer under the click with the
    # value of its COD_MUN... field: the human environment shows a municipality's map
    # under "Municipios" and its province's map and card under "Provincias" (keyed by
    # the capital's municipality); my locality, without provinces, shows all three
    # under "Municipios".
    for m in atlas.municipalities:
        for rel, description in province_contents[m["cod"]]:
            g.content(human_munis, int(m["cod"]), rel, description)
        for rel, description in province_contents[m["cod"]] + province_contents[m["prov"]]:
            g.content(locality_munis, int(m["cod"]), rel, description)
    for p in atlas.provinces:
        for rel, description in province_contents[p["cod"]]:
            g.content(provinces, int(atlas.capital_municipality(p["cod"])), rel, description)
    g.close()
