"""Draws the pictures that the gazetteer's contents name: for each province a locator
map and a facts card, for each municipality a locator map within its province
(Contenidos/ under the data directory)."""

import os

from PIL import Image, ImageDraw, ImageFont

from build_themes import PROVINCE_COLOURS

FONT_DIR = "/usr/share/fonts/truetype/dejavu"
WIDTH, HEIGHT = 500, 360
SEA = (166, 206, 236)
OTHER = (222, 220, 212)
LAND = (244, 238, 214)


def font(size, bold=False):
    name = "DejaVuSans-Bold.ttf" if bold else "DejaVuSans.ttf"
    return ImageFont.truetype(os.path.join(FONT_DIR, name), size)


def thousands(n):
    return "{:,}".format(int(n)).replace(",", ".")


class Canvas:
    """Maps UTM metres into a picture area."""

    def __init__(self, img, extent, area):
        self.draw = ImageDraw.Draw(img)
        x0, y0, x1, y1 = extent
        ax, ay, aw, ah = area
        self.scale = min(aw / (x1 - x0), ah / (y1 - y0))
        self.ox = ax + (aw - (x1 - x0) * self.scale) / 2 - x0 * self.scale
        self.oy = ay + (ah - (y1 - y0) * self.scale) / 2 + y1 * self.scale

    def px(self, x, y):
        return (self.ox + x * self.scale, self.oy - y * self.scale)

    def polygon(self, geom, fill, outline):
        polys = [geom] if geom.geom_type == "Polygon" else list(getattr(geom, "geoms", []))
        for p in polys:
            if p.geom_type != "Polygon" or p.is_empty:
                continue
            self.draw.polygon([self.px(x, y) for x, y in p.exterior.coords], fill=fill,
                              outline=outline)


def locator_map(atlas, province, towns, path):
    img = Image.new("RGB", (WIDTH, HEIGHT), SEA)
    x0, y0, x1, y1 = atlas.region.bounds
    canvas = Canvas(img, (x0 - 20000, y0 - 20000, x1 + 20000, y1 + 20000),
                    (0, 40, WIDTH, HEIGHT - 40))
    for n in atlas.neighbours:
        canvas.polygon(n["geom"].simplify(500), OTHER, (170, 170, 170))
    colour = PROVINCE_COLOURS[province["cod"]][0]
    for p in atlas.provinces:
        if p["cod"] != province["cod"]:
            canvas.polygon(p["geom"].simplify(300), LAND, (150, 130, 110))
    for m in atlas.municipalities:
        if m["prov"] == province["cod"]:
            canvas.polygon(m["geom"], colour, (200, 180, 160))
    canvas.polygon(province["geom"].simplify(300), None, (120, 30, 30))
    d = canvas.draw
    small = font(11)
    for t in towns:
        x, y = canvas.px(t["geom"].x, t["geom"].y)
        r = 5 if t["clase"] == 1 else 3
        d.ellipse([x - r, y - r, x + r, y + r], fill=(200, 0, 0) if t["clase"] == 1
                  else (90, 90, 90), outline=(0, 0, 0))
        if t["clase"] == 1:
            d.text((x + r + 2, y - 8), t["nombre"], fill=(0, 0, 0), font=font(13, bold=True))
    d.rectangle([0, 0, WIDTH, 40], fill=(255, 255, 255))
    d.text((12, 9), "Provincia de %s" % province["nombre"], fill=(120, 30, 30),
           font=font(18, bold=True))
    d.text((WIDTH - 150, 14), "Situación en Andalucía", fill=(90, 90, 90), font=small)
    img.save(path, optimize=True)


def facts_card(atlas, province, towns, peaks, path):
    colour = PROVINCE_COLOURS[province["cod"]][0]
    img = Image.new("RGB", (WIDTH, HEIGHT), (255, 255, 255))
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, WIDTH, 56], fill=colour)
    d.text((16, 14), "Provincia de %s" % province["nombre"], fill=(60, 20, 20),
           font=font(22, bold=True))
    munis = [m for m in atlas.municipalities if m["prov"] == province["cod"]]
    area = province["geom"].area / 1e6
    lines = [
        ("Capital", province["capital"]),
        ("Código INE de la provincia", province["cod"]),
        ("Superficie", "%s km²" % thousands(round(area))),
        ("Municipios", str(len(munis))),
        ("Superficie media municipal", "%s km²" % thousands(round(area / len(munis)))),
    ]
    capital = next((t for t in towns if t["clase"] == 1), None)
    if capital and capital["pob"]:
        lines.append(("Habitantes de la capital", thousands(capital["pob"])))
    if peaks:
        top = max(peaks, key=lambda p: p["altitud"])
        lines.append(("Cumbre más alta del atlas", "%s (%s m)" % (top["nombre"],
                                                                   thousands(top["altitud"]))))
    y = 74
    for label, value in lines:
        d.text((20, y), label + ":", fill=(90, 90, 90), font=font(13))
        d.text((250, y), value, fill=(0, 0, 0), font=font(13, bold=True))
        y += 23
    biggest = [t for t in towns if t["clase"] != 1][:4]
    if biggest:
        y += 4
        d.text((20, y), "Otros núcleos de población destacados:", fill=(90, 90, 90),
               font=font(13))
        y += 22
        for t in biggest:
            d.text((36, y), "%s  (%s hab.)" % (t["nombre"], thousands(t["pob"])),
                   fill=(0, 0, 0), font=font(12))
            y += 19
    d.text((20, HEIGHT - 22), "Fuentes: IGN (límites), GeoNames (población de los núcleos)",
           fill=(120, 120, 120), font=font(10))
    img.save(path, optimize=True)


MUNI_W, MUNI_H = 420, 320


def municipality_map(atlas, muni, province, path, cache):
    """The municipality in red among the others of its province."""
    img = Image.new("RGB", (MUNI_W, MUNI_H), SEA)
    x0, y0, x1, y1 = province["geom"].bounds
    canvas = Canvas(img, (x0 - 8000, y0 - 8000, x1 + 8000, y1 + 8000),
                    (0, 34, MUNI_W, MUNI_H - 34))
    for geom in cache["context"]:
        canvas.polygon(geom, OTHER, (170, 170, 170))
    for p in atlas.provinces:
        if p["cod"] != province["cod"]:
            canvas.polygon(p["geom"].simplify(200), LAND, (150, 130, 110))
    colour = PROVINCE_COLOURS[province["cod"]][0]
    for m in cache[province["cod"]]:
        canvas.polygon(m["geom"], colour, (200, 180, 160))
    canvas.polygon(muni["geom"], (200, 30, 30), (110, 0, 0))
    d = canvas.draw
    d.rectangle([0, 0, MUNI_W, 34], fill=(255, 255, 255))
    d.text((10, 7), muni["nombre"], fill=(120, 30, 30), font=font(16, bold=True))
    d.text((10, MUNI_H - 18), "Provincia de %s" % province["nombre"], fill=(60, 60, 60),
           font=font(11))
    img.quantize(colors=48).save(path, optimize=True)


def build(atlas, out_dir):
    """Returns {province or municipality code: [(relative picture path, description)]}."""
    folder = os.path.join(out_dir, "Contenidos")
    os.makedirs(folder, exist_ok=True)
    contents = {}
    for province in atlas.provinces:
        cod = province["cod"]
        towns = sorted([t for t in atlas.towns if t["cod_mun"][:2] == cod],
                       key=lambda t: (t["clase"] != 1, -t["pob"], t["nombre"]))
        shown = [t for t in towns if t["clase"] <= 2]
        peaks = [p for p in atlas.peaks if p["prov"] == cod]
        map_rel = "Contenidos/Provincia_%s_situacion.png" % cod
        card_rel = "Contenidos/Provincia_%s_datos.png" % cod
        locator_map(atlas, province, shown, os.path.join(out_dir, map_rel))
        facts_card(atlas, province, towns, peaks, os.path.join(out_dir, card_rel))
        contents[cod] = [
            (map_rel, "Situación de la provincia de %s" % province["nombre"]),
            (card_rel, "Datos de la provincia de %s" % province["nombre"]),
        ]
    by_code = {p["cod"]: p for p in atlas.provinces}
    cache = {"context": [n["geom"].simplify(300) for n in atlas.neighbours]}
    for p in atlas.provinces:
        cache[p["cod"]] = [m for m in atlas.municipalities if m["prov"] == p["cod"]]
    muni_folder = os.path.join(folder, "Municipios")
    os.makedirs(muni_folder, exist_ok=True)
    for m in atlas.municipalities:
        rel = "Contenidos/Municipios/%s.png" % m["cod"]
        municipality_map(atlas, m, by_code[m["prov"]], os.path.join(out_dir, rel), cache)
        contents[m["cod"]] = [(rel, "Situación del municipio de %s" % m["nombre"])]
    return contents
