"""Writes the theme files (MapasVel/*.vel) and the data directory marker.

Theme files are XML in ISO-8859-1.  Layers are listed top-most first: the viewer keeps
them in file order with the first one on top.

Colours are integers red + 256 green + 65536 blue.  In the symbols of a value
classification (default and per class) the loader takes "color_borde" as the fill
colour and "color_relleno" as the outline colour; the layer's own "SIMBOLOGIA" takes
each colour under its own name.  The helpers below hide that swap.
"""

import os
from xml.sax.saxutils import quoteattr

from atlas_common import rgb
from build_geo import RIVER_KINDS, TOWN_SIZES, VIEW

FONT = "DejaVu Sans"
FONT_FILE = "DejaVuSans.ttf"
SOLID, DOT, LONG_DASH, SHORT_DASH = 100, 101, 102, 103  # toolkit pen styles
TRIANGLE = 0x25B2  # BLACK UP-POINTING TRIANGLE, present in DejaVu Sans
NO_MAX = 99999999

POINT, LINE, POLYGON = 1, 3, 5

PROVINCE_COLOURS = {
    "04": ((246, 200, 120), "Almería"), "11": ((168, 214, 240), "Cádiz"),
    "14": ((196, 226, 150), "Córdoba"), "18": ((240, 170, 170), "Granada"),
    "21": ((200, 190, 235), "Huelva"), "23": ((170, 220, 200), "Jaén"),
    "29": ((250, 225, 150), "Málaga"), "41": ((230, 190, 215), "Sevilla"),
}
MUNICIPALITY_COLOURS = [(251, 236, 196), (216, 236, 200), (236, 214, 228), (205, 226, 240),
                        (244, 222, 196), (226, 226, 206), (212, 212, 240), (240, 240, 214)]


class El:
    """Minimal XML element with attributes kept in insertion order."""

    def __init__(self, tag, **attrs):
        self.tag = tag
        self.attrs = attrs
        self.children = []

    def add(self, child):
        self.children.append(child)
        return child

    def render(self, indent=0):
        pad = "  " * indent
        attrs = "".join(" %s=%s" % (k, quoteattr(str(v))) for k, v in self.attrs.items())
        if not self.children:
            return "%s<%s%s/>\n" % (pad, self.tag, attrs)
        inner = "".join(c.render(indent + 1) for c in self.children)
        return "%s<%s%s>\n%s%s</%s>\n" % (pad, self.tag, attrs, inner, pad, self.tag)


def symbol(fill=(0, 0, 0), outline=(0, 0, 0), size=1, style=SOLID, transparent=False,
           char=None, in_classification=False):
    """A "SIMBOLOGIA" element.  in_classification: swap the colours as the loader
    expects for value classification symbols."""
    fill_v, outline_v = rgb(*fill), rgb(*outline)
    if in_classification:
        fill_v, outline_v = outline_v, fill_v
    attrs = dict(tipo=1, estilo=4 if char else style)
    if char:
        attrs.update(indice_libreria=char, nombre_libreria=FONT, fichero_libreria=FONT_FILE)
    attrs.update(grado_trans=1 if transparent else 0, color_borde=outline_v,
                 color_relleno=fill_v, relleno=0 if transparent else 1, tamanno=size)
    return El("SIMBOLOGIA", **attrs)


def text_symbol(colour, size, bold=False, italic=False):
    return El("SIMBOLOGIA_TEXTO", color_texto=rgb(*colour), color_fondo=rgb(255, 255, 255),
              negrita=int(bold), cursiva=int(italic), fuente=FONT,
              fichero_libreria=FONT_FILE, tamanno=size)


def layer(name, path, geometry, sym, scale=(0, NO_MAX), visible=True):
    folder, file_name = os.path.split(path)
    el = El("CAPA", nombre=name, archivo=file_name, ruta="/%s/" % folder, tipo="SHP",
            geometria=geometry)
    el.add(El("VISUALIZACION", estado=1 if visible else 0, escala_min=scale[0],
              escala_max=scale[1]))
    el.add(sym)
    return el


def value_classification(el, field, description, default, classes):
    """classes: (value text, legend text, symbol element built with in_classification)."""
    cls = el.add(El("CLASIFICACION", tipo="VALOR"))
    body = cls.add(El("CAMPO", campo=field, descripcion=description))
    body.add(default)
    values = body.add(El("VALORES"))
    for value, legend, sym in classes:
        v = values.add(El("VALOR", valor=value, descripcion=legend))
        v.add(sym)
    return el


def text_classification(el, class_field, text_field, classes, rotation="ROTACION"):
    """classes: (integer class value, text symbol element)."""
    cls = el.add(El("CLASIFICACION", tipo="TEXTO"))
    body = cls.add(El("CAMPO", campo=class_field, descripcion=text_field,
                      campo_rotacion=rotation))
    body.add(text_symbol((0, 0, 0), 8))
    values = body.add(El("VALORES"))
    for value, tsym in classes:
        values.add(El("VALOR", valor=value)).add(tsym)
    return el


def project(name, layers, extent, scale):
    root = El("PROYECTO_VELMOR", version="1.0.0", nombre=name)
    capas = root.add(El("CAPAS"))
    for lyr in layers:
        capas.add(lyr)
    root.add(El("ESCALA", valor=scale))
    x0, y0, x1, y1 = extent
    root.add(El("EXTENSION", coordsupderx=x1, coordsupdery=y1, coordinfizqx=x0,
                coordinfizqy=y0))
    return root


def write_project(path, root):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    text = '<?xml version="1.0" encoding="ISO-8859-1"?>\n' + root.render()
    with open(path, "wb") as fh:
        fh.write(text.encode("latin-1"))


# ---------------------------------------------------------------------- shared layers
SEA = (166, 206, 236)
LAND = (244, 238, 214)
OTHER_LAND = (222, 220, 212)
WATER = (60, 130, 210)
WATER_DARK = (30, 90, 180)


def sea_layer(path="Medio_fisico/Lamina_agua.shp"):
    return layer("Lámina de agua", path, POLYGON, symbol(fill=SEA, outline=SEA, size=1))


def other_regions_layer():
    el = layer("Otras regiones o países", "Medio_fisico/Otras_regiones.shp", POLYGON,
               symbol(fill=OTHER_LAND, outline=(150, 150, 150)))
    return value_classification(
        el, "TIPO", "Territorios vecinos",
        symbol(fill=OTHER_LAND, outline=(150, 150, 150), in_classification=True),
        [("País", "Otros países",
          symbol(fill=(214, 210, 200), outline=(120, 120, 120), in_classification=True)),
         ("Comunidad autónoma", "Otras comunidades autónomas",
          symbol(fill=OTHER_LAND, outline=(150, 150, 150), in_classification=True)),
         ("Territorio británico", "Gibraltar",
          symbol(fill=(214, 210, 200), outline=(120, 120, 120), in_classification=True))])


def rivers_layer():
    el = layer("Ríos", "Medio_fisico/Rios.shp", LINE, symbol(outline=WATER, size=1))
    return value_classification(
        el, "TIPO", "Importancia del río", symbol(fill=WATER, outline=WATER, size=1,
                                                  in_classification=True),
        [(RIVER_KINDS[1], "Río principal", symbol(fill=WATER_DARK, outline=WATER_DARK, size=3,
                                                  in_classification=True)),
         (RIVER_KINDS[2], "Río secundario", symbol(fill=WATER, outline=WATER, size=2,
                                                   in_classification=True)),
         (RIVER_KINDS[3], "Otros ríos", symbol(fill=WATER, outline=WATER, size=1,
                                               in_classification=True))])


def river_labels_layer(scale=(0, 1600000)):
    el = layer("Toponimia ríos", "Medio_fisico/Rios_etiquetas.shp", LINE,
               symbol(outline=WATER_DARK, size=2), scale)
    return text_classification(el, "CLASE", "NOMBRE",
                               [(1, text_symbol(WATER_DARK, 10, bold=True, italic=True)),
                                (2, text_symbol(WATER_DARK, 8, italic=True))])


def water_bodies_layer():
    return layer("Embalses y lagos", "Medio_fisico/Embalses.shp", POLYGON,
                 symbol(fill=WATER, outline=WATER_DARK, size=1))


def region_fill_layer():
    return layer("Andalucía", "Medio_humano/Andalucia.shp", POLYGON,
                 symbol(fill=LAND, outline=(90, 80, 60), size=2))


def region_outline_layer():
    return layer("Andalucía", "Medio_humano/Andalucia.shp", POLYGON,
                 symbol(fill=LAND, outline=(60, 50, 40), size=3, transparent=True))


# Label styles of the population classes: (colour, size, bold).
TOWN_LABELS = {
    2: ((150, 20, 20), 10, True),
    3: ((150, 20, 20), 9, False),
    4: ((40, 40, 40), 8, True),
    5: ((40, 40, 40), 8, False),
    6: ((70, 70, 70), 7, False),
}
# Marker colours (fill, outline) of the population classes.
TOWN_MARKERS = {2: ((210, 40, 40), (120, 0, 0)), 3: ((240, 110, 50), (140, 50, 0)),
                4: ((245, 170, 60), (140, 80, 0)), 5: ((150, 150, 150), (70, 70, 70)),
                6: ((190, 190, 190), (90, 90, 90))}
STAR = 0x2605  # BLACK STAR, present in DejaVu Sans
CIRCLE = 1     # any style but 4 draws a circle; 0 to 3 also give a circle in the legend


def capitals_layers(label_scale=(0, NO_MAX)):
    labels = text_classification(
        layer("Toponimia capitales", "Medio_humano/Capitales.shp", POINT,
              symbol(fill=(200, 0, 0), size=6, style=CIRCLE), label_scale),
        "CLASE", "NOMBRE", [(1, text_symbol((0, 0, 0), 12, bold=True))])
    markers = layer("Capitales de provincia", "Medio_humano/Capitales.shp", POINT,
                    symbol(fill=(200, 0, 0), outline=(200, 0, 0), size=14, char=STAR))
    return labels, markers


def town_layers(file_name, classes, name, label_name, marker_scale, label_scale, radius):
    """Markers classified by the size text (pen of 2 pixels: the radius is the layer's)
    and labels styled by the integer class."""
    labels = text_classification(
        layer(label_name, "Medio_humano/%s" % file_name, POINT,
              symbol(fill=(200, 0, 0), size=radius + 3, style=CIRCLE), label_scale),
        "CLASE", "NOMBRE",
        [(c, text_symbol(TOWN_LABELS[c][0], TOWN_LABELS[c][1], bold=TOWN_LABELS[c][2]))
         for c in classes])
    markers = value_classification(
        layer(name, "Medio_humano/%s" % file_name, POINT,
              symbol(fill=(150, 150, 150), outline=(70, 70, 70), size=radius, style=CIRCLE),
              marker_scale),
        "TAMANO", "Tamaño del núcleo",
        symbol(fill=(150, 150, 150), outline=(70, 70, 70), size=2, style=CIRCLE,
               in_classification=True),
        [(TOWN_SIZES[c], TOWN_SIZES[c],
          symbol(fill=TOWN_MARKERS[c][0], outline=TOWN_MARKERS[c][1], size=2, style=CIRCLE,
                 in_classification=True))
         for c in classes])
    return labels, markers


def major_towns(label_scale=(0, 1800000)):
    return town_layers("Nucleos_principales.shp", (2, 3), "Núcleos principales",
                       "Toponimia núcleos principales", (0, NO_MAX), label_scale, 4)


def minor_towns(marker_scale=(0, 1000000), label_scale=(0, 500000)):
    return town_layers("Nucleos.shp", (4, 5, 6), "Núcleos de población",
                       "Toponimia núcleos", marker_scale, label_scale, 3)


def provinces_layer():
    el = layer("Provincias", "Medio_humano/Provincias.shp", POLYGON,
               symbol(fill=LAND, outline=(110, 90, 70)))
    return value_classification(
        el, "NOMBRE", "Provincias de Andalucía",
        symbol(fill=LAND, outline=(110, 90, 70), in_classification=True),
        [(name, name, symbol(fill=col, outline=(110, 90, 70), size=1, in_classification=True))
         for code, (col, name) in sorted(PROVINCE_COLOURS.items())])


# ---------------------------------------------------------------------- themes
def physical_theme():
    coords = text_classification(
        layer("Coordenadas", "Medio_fisico/Coordenadas.shp", POINT, symbol(size=1, style=CIRCLE)),
        "CLASE", "TEXTO", [(1, text_symbol((90, 90, 90), 7)),
                           (2, text_symbol((90, 90, 90), 7))])
    # Great units at every scale; single ranges only once zoomed in.
    relief = text_classification(
        layer("Toponimia relieve", "Medio_fisico/Relieve.shp", POINT,
              symbol(fill=(120, 70, 20), size=6, style=CIRCLE)),
        "CLASE", "NOMBRE", [(1, text_symbol((110, 60, 20), 12, bold=True, italic=True))])
    ranges = text_classification(
        layer("Toponimia sierras", "Medio_fisico/Relieve.shp", POINT,
              symbol(fill=(120, 70, 20), size=6, style=CIRCLE), (0, 1300000)),
        "CLASE", "NOMBRE", [(2, text_symbol((110, 60, 20), 9, italic=True))])
    peak_labels = text_classification(
        layer("Toponimia picos", "Medio_fisico/Picos_etiquetas.shp", POINT,
              symbol(fill=(120, 70, 20), size=6, style=CIRCLE), (0, 1600000)),
        "CLASE", "ETIQUETA", [(1, text_symbol((90, 40, 10), 9, bold=True)),
                              (2, text_symbol((90, 40, 10), 8)),
                              (3, text_symbol((90, 40, 10), 7))])
    lake_labels = text_classification(
        layer("Toponimia embalses", "Medio_fisico/Embalses_etiquetas.shp", POINT,
              symbol(fill=WATER_DARK, size=6, style=CIRCLE), (0, 1000000)),
        "CLASE", "NOMBRE", [(1, text_symbol(WATER_DARK, 7, italic=True))])
    peaks = layer("Picos", "Medio_fisico/Picos.shp", POINT,
                  symbol(fill=(120, 60, 20), outline=(120, 60, 20), size=11, char=TRIANGLE))
    grid = layer("Cuadricula", "Medio_fisico/Cuadricula.shp", LINE,
                 symbol(outline=(150, 150, 150), size=1, style=SHORT_DASH))
    layers = [coords, relief, ranges, peak_labels, river_labels_layer(), lake_labels, peaks, grid,
              water_bodies_layer(), rivers_layer(), region_fill_layer(),
              other_regions_layer(), sea_layer()]
    return project("Medio físico de Andalucía", layers, VIEW, 2000000)


def human_theme():
    cap_labels, cap_markers = capitals_layers()
    major_labels, major_markers = major_towns()
    minor_labels, minor_markers = minor_towns()
    municipalities = layer("Municipios", "Medio_humano/Municipios.shp", POLYGON,
                           symbol(fill=LAND, outline=(150, 130, 110), size=1, transparent=True),
                           (0, 1200000))
    layers = [cap_labels, major_labels, minor_labels, cap_markers, major_markers,
              minor_markers, region_outline_layer(), municipalities, provinces_layer(),
              other_regions_layer(), sea_layer()]
    return project("Medio humano de Andalucía", layers, VIEW, 2000000)


def locality_theme():
    cap_labels, cap_markers = capitals_layers()
    major_labels, major_markers = major_towns()
    minor_labels, minor_markers = minor_towns(label_scale=(0, 400000))
    muni_labels = text_classification(
        layer("Toponimia municipios", "Mi_localidad/Municipios_etiquetas.shp", POINT,
              symbol(fill=(120, 0, 0), size=6, style=CIRCLE), (0, 700000)),
        "CLASE", "NOMBRE", [(1, text_symbol((120, 20, 20), 11, bold=True)),
                            (2, text_symbol((120, 20, 20), 9, bold=True))])
    province_lines = layer("Límites provinciales", "Medio_humano/Provincias.shp", POLYGON,
                           symbol(fill=LAND, outline=(120, 60, 60), size=2, transparent=True))
    municipalities = value_classification(
        layer("Municipios", "Medio_humano/Municipios.shp", POLYGON,
              symbol(fill=LAND, outline=(130, 110, 90))),
        "COLOR", "Municipios de Andalucía",
        symbol(fill=LAND, outline=(130, 110, 90), in_classification=True),
        [(str(i + 1), "Municipio", symbol(fill=c, outline=(130, 110, 90),
                                          in_classification=True))
         for i, c in enumerate(MUNICIPALITY_COLOURS)])
    layers = [cap_labels, major_labels, minor_labels, muni_labels,
              river_labels_layer(), cap_markers, major_markers,
              minor_markers, water_bodies_layer(), rivers_layer(), region_outline_layer(),
              province_lines, municipalities, other_regions_layer(), sea_layer()]
    return project("Mi localidad", layers, VIEW, 200000)


def reference_theme():
    provinces = value_classification(
        layer("Provincias", "Referencia/Provincias.shp", POLYGON,
              symbol(fill=LAND, outline=(140, 120, 100))),
        "NOMBRE", "Provincias de Andalucía",
        symbol(fill=LAND, outline=(140, 120, 100), in_classification=True),
        [(name, name, symbol(fill=col, outline=(140, 120, 100), in_classification=True))
         for code, (col, name) in sorted(PROVINCE_COLOURS.items())])
    layers = [
        layer("Andalucía", "Referencia/Andalucia.shp", POLYGON,
              symbol(fill=LAND, outline=(60, 50, 40), size=1, transparent=True)),
        provinces,
        layer("Otras regiones o países", "Referencia/Otras_regiones.shp", POLYGON,
              symbol(fill=OTHER_LAND, outline=OTHER_LAND)),
        sea_layer("Referencia/Mar.shp"),
    ]
    # Andalucía with a small margin, in the proportions of the 176 x 107 overview.
    cx, cy, half_w = 360000.0, 4140000.0, 290000.0
    half_h = half_w * 107.0 / 176.0
    return project("Mapa de referencia", layers,
                   (cx - half_w, cy - half_h, cx + half_w, cy + half_h), 13000000)


THEMES = {
    "MedioFisico.vel": physical_theme,
    "MedioHumano.vel": human_theme,
    "MiLocalidad.vel": locality_theme,
    "Referencia.vel": reference_theme,
}


def theme_layers():
    """(theme file, [(layer name, relative .shp path)]) in file order."""
    out = []
    for file_name, make in THEMES.items():
        root = make()
        capas = root.children[0]
        out.append((file_name, [(c.attrs["nombre"], c.attrs["ruta"][1:] + c.attrs["archivo"])
                                for c in capas.children]))
    return out


def write_all(out_dir):
    for file_name, make in THEMES.items():
        write_project(os.path.join(out_dir, "MapasVel", file_name), make())
    with open(os.path.join(out_dir, "datos.mmm"), "wb") as fh:
        fh.write("Atlas de Andalucía: datos de VAQ Vistral\n".encode("latin-1"))
