"""A drawn picture of the whole screen for the help page, with numbered marks
on its parts (the numbers are explained in the page)."""

from PIL import Image, ImageDraw

from canvas import Canvas, SANS, SANS_BOLD, draw_text

SCALE = 0.625  # 1024 x 768 -> 640 x 480

# Button picture stems at their positions in the 1024 x 768 design.
BUTTONS = [
    ("b_ayuda", 932, 0), ("b_cerrar", 980, 0),
    ("b_medioFisicoPul", 0, 485), ("b_medioHumano", 0, 527), ("b_miLocalidad", 0, 569),
    ("b_acercar", 226, 675), ("b_alejar", 306, 675), ("b_zventana", 402, 675),
    ("b_mapa", 489, 675), ("b_mover", 581, 675), ("b_medirLongitud", 668, 675),
    ("b_medirSuperficie", 754, 675), ("b_info", 846, 675), ("b_buscar", 934, 675),
]

# Numbered marks: number, centre in the design.
MARKS = [
    (1, 200, 100), (2, 202, 548), (3, 230, 621), (4, 205, 700), (5, 600, 110),
    (6, 245, 659), (7, 397, 712), (8, 908, 22), (9, 1000, 58),
]


def sample_map(w, h):
    """A made-up stretch of coast with rivers, roads and towns."""
    c = Canvas(w, h, (170, 210, 240))
    land = [(0, 0), (w, 0), (w, h * 0.62), (w * 0.8, h * 0.7), (w * 0.62, h * 0.66),
            (w * 0.45, h * 0.8), (w * 0.25, h * 0.74), (w * 0.1, h * 0.86), (0, h * 0.8)]
    c.polygon(land, fill=(232, 228, 196))
    c.polygon([(w * 0.55, 0), (w, 0), (w, h * 0.35), (w * 0.7, h * 0.3)], fill=(200, 180, 140))
    c.line([(w * 0.3, 0), (w * 0.34, h * 0.3), (w * 0.28, h * 0.5), (w * 0.3, h * 0.76)],
           (60, 130, 220), 4)
    c.line([(w * 0.8, h * 0.2), (w * 0.7, h * 0.45), (w * 0.66, h * 0.66)], (60, 130, 220), 3)
    c.line([(0, h * 0.4), (w * 0.4, h * 0.45), (w * 0.9, h * 0.5)], (200, 60, 40), 3)
    for x, y in ((0.2, 0.3), (0.5, 0.5), (0.75, 0.58), (0.12, 0.62)):
        c.circle(w * x, h * y, 6, fill=(60, 60, 60), outline=(255, 255, 255), width=2)
    return c.finish()


def screen(pictures, backdrop, check, compass):
    img = backdrop.copy()
    img.paste(sample_map(790, 584), (224, 66))
    ref = sample_map(176, 107)
    ImageDraw.Draw(ref).rectangle([60, 30, 110, 68], outline=(0, 160, 0), width=3)
    img.paste(ref, (27, 647))
    d = ImageDraw.Draw(img)
    d.rectangle([12, 85, 216, 474], fill=(255, 255, 255))
    img.alpha_composite(check, (20, 92))
    for i, name in enumerate(["Toponimia", "Ríos", "Embalses", "Carreteras", "Municipios"]):
        draw_text(img, (40 if i == 0 else 24, 100 + 22 * i), name, SANS, 13, (0, 0, 0),
                  anchor="lm")
    img.alpha_composite(compass, (224 + 790 - 130, 66 + 10))
    d.rectangle([224, 650, 1013, 666], fill=(255, 255, 255))
    draw_text(img, (272, 658), "37° 23' 12.5000\" N      5° 59' 3.2000\" O", SANS, 11,
              (0, 0, 0), anchor="lm")
    d.rectangle([77, 611, 212, 631], fill=(255, 255, 255))
    draw_text(img, (208, 621), "1:250000.00", SANS, 12, (0, 0, 0), anchor="rm")
    for stem, x, y in BUTTONS:
        img.paste(pictures[stem], (x, y))
    small = img.convert("RGB").resize((int(1024 * SCALE), int(768 * SCALE)), Image.LANCZOS)
    small = small.convert("RGBA")
    for number, x, y in MARKS:
        c = Canvas(24, 24)
        c.circle(12, 12, 11, fill=(220, 30, 30), outline=(255, 255, 255), width=2)
        mark = c.finish()
        draw_text(mark, (12, 12), str(number), SANS_BOLD, 13, (255, 255, 255))
        small.alpha_composite(mark, (int(x * SCALE) - 12, int(y * SCALE) - 12))
    return small
