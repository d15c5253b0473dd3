"""Checks the application directory's pictures, cursors and help page as the
viewer uses them.

    python3 check_assets.py APP_DIR

Needs python3-pil. Every failure is listed; the exit status is 1 when there
was any.

- Every bitmap button has both pictures at the button's size, the pressed one
  clearly different, their outermost ring in the buttons' background, and the
  frame's background plain where the button sits.
- The help page is UTF-8 and explains every button with its picture.
- The other pictures the viewer names load at the size of their controls; the
  program icon has 16, 32 and 48 pixel images.
- Every cursor is 32 x 32, its hot spot on the pointer's working point, and
  largely transparent with the shape drawn around the hot spot.
"""

import os
import struct
import sys

from PIL import Image

BUTTON_BACKGROUND = (15, 61, 0)

# The frame's bitmap buttons: pictures (normal, pressed), the button's place
# and size in the 1024 x 768 design, and the name the help page gives it.
BUTTONS = [
    ("b_ayuda", "b_ayudaPul", 932, 0, 48, 43, "Ayuda"),
    ("b_cerrar", "b_cerrarPul", 980, 0, 39, 43, "Salir"),
    ("b_medioFisico", "b_medioFisicoPul", 0, 485, 184, 37, "Medio Físico"),
    ("b_medioHumano", "b_medioHumanoPul", 0, 527, 184, 37, "Medio Humano"),
    ("b_miLocalidad", "b_miLocalidadPul", 0, 569, 184, 37, "Mi Localidad"),
    ("b_acercar", "b_acercarPul", 226, 675, 87, 92, "Acercar"),
    ("b_alejar", "b_alejarPul", 306, 675, 87, 92, "Alejar"),
    ("b_zventana", "b_zventanaPul", 402, 675, 87, 92, "Ventana"),
    ("b_mapa", "b_mapaPul", 489, 675, 87, 92, "Ver todo"),
    ("b_mover", "b_moverPuls", 581, 675, 87, 92, "Mover"),
    ("b_medirLongitud", "b_medirLongitudPul", 668, 675, 87, 92, "Distancia"),
    ("b_medirSuperficie", "b_medirSuperficiePul", 754, 675, 87, 92, "Superficie"),
    ("b_info", "b_infoPul", 846, 675, 87, 92, "Información"),
    ("b_buscar", "b_buscarPul", 934, 675, 87, 92, "Buscar"),
]

PICTURES = [
    ("ico/b_cerrarPMediciones.bmp", 29, 31), ("ico/b_distancia.bmp", 308, 36),
    ("ico/b_superficie.bmp", 308, 36), ("ico/FondoBusLocalidad.bmp", 405, 255),
    ("ico/FondoBusToponimo.bmp", 405, 255), ("ico/brujula.png", 120, 120),
    ("ico/graf.png", 32, 31), ("ico/blanco_info.png", 32, 31),
    ("ico/check.png", 16, 16), ("ico/uncheck.png", 16, 16),
]

# Cursors of the map panel and their hot spots.
CURSORS = [
    ("cursor/zoom_ventana.cur", 11, 11), ("cursor/pan.cur", 15, 16),
    ("cursor/pan_press.cur", 15, 16), ("cursor/info_capas.cur", 1, 1),
    ("cursor/lapiz.cur", 1, 30),
]

failures = []


def fail(message):
    failures.append(message)


def load(app, name):
    try:
        return Image.open(os.path.join(app, name)).convert("RGBA")
    except OSError as error:
        fail(f"{name}: no se puede leer ({error})")
        return None


def check_buttons(app):
    background = load(app, "ico/vaq.bmp")
    try:
        with open(os.path.join(app, "Ayuda/index.html"), encoding="utf-8") as fh:
            page = fh.read()
    except (OSError, UnicodeDecodeError) as error:
        fail(f"Ayuda/index.html: falta o no es UTF-8 ({error})")
        page = ""
    if background and background.size != (1024, 768):
        fail(f"ico/vaq.bmp mide {background.size}")
    for normal, pressed, bx, by, width, height, help_name in BUTTONS:
        pictures = [load(app, f"ico/{name}.bmp") for name in (normal, pressed)]
        if any(p is None or p.size != (width, height) for p in pictures):
            fail(f"{normal}: no tiene el tamaño del botón, {width} x {height}")
            continue
        a, b = (p.load() for p in pictures)
        differing = sum(a[x, y] != b[x, y] for y in range(height) for x in range(width))
        if differing <= width * height / 5:
            fail(f"{pressed} apenas se distingue de {normal}")
        edge = [(x, y) for y in range(height) for x in range(width)
                if x in (0, width - 1) or y in (0, height - 1)]
        if any(p[xy][:3] != BUTTON_BACKGROUND for p in (a, b) for xy in edge):
            fail(f"{normal}: el borde no es el fondo de los botones")
        if background and any(background.getpixel((bx + x, by + y))[:3] != BUTTON_BACKGROUND
                              for y in range(0, height, 3) for x in range(0, width, 3)
                              if bx + x < 1024 and by + y < 768):
            fail(f"{normal}: el fondo de la ventana no es liso bajo el botón")
        if f'src="img/{normal}.png"' not in page or f"<h3>{help_name}" not in page:
            fail(f"la ayuda no explica el botón {help_name}")
        if not os.path.exists(os.path.join(app, f"Ayuda/img/{normal}.png")):
            fail(f"falta Ayuda/img/{normal}.png")


def check_pictures(app):
    for name, width, height in PICTURES:
        picture = load(app, name)
        if picture and picture.size != (width, height):
            fail(f"{name} mide {picture.size}, no {width} x {height}")
    try:
        sizes = Image.open(os.path.join(app, "ico/icono.ico")).info.get("sizes", set())
    except OSError:
        sizes = set()
    if not {(16, 16), (32, 32), (48, 48)} <= set(sizes):
        fail(f"ico/icono.ico no tiene 16, 32 y 48 píxeles: {sorted(sizes)}")


def check_cursors(app):
    for name, hot_x, hot_y in CURSORS:
        path = os.path.join(app, name)
        try:
            with open(path, "rb") as fh:
                header = fh.read(22)
            kind = struct.unpack("<HHH", header[:6])[1]
            width, height, _, _, x, y = struct.unpack("<BBBBHH", header[6:14])
        except (OSError, struct.error):
            fail(f"{name}: no se puede leer")
            continue
        if kind != 2 or (width, height) != (32, 32) or (x, y) != (hot_x, hot_y):
            fail(f"{name}: tipo {kind}, {width} x {height}, punto activo ({x}, {y})")
            continue
        cursor = load(app, name)
        if cursor is None:
            continue
        alpha = cursor.getchannel("A").load()
        transparent = sum(alpha[i, j] < 128 for j in range(32) for i in range(32))
        near = sum(alpha[i, j] >= 128 for j in range(32) for i in range(32)
                   if abs(i - hot_x) <= 4 and abs(j - hot_y) <= 4)
        if transparent <= 32 * 32 / 3 or near == 0:
            fail(f"{name}: no es transparente o no dibuja nada junto al punto activo")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    app = sys.argv[1]
    check_buttons(app)
    check_pictures(app)
    check_cursors(app)
    for message in failures:
        print("ERROR:", message)
    if failures:
        sys.exit(1)
    print("== Imágenes, cursores y ayuda coherentes")


if __name__ == "__main__":
    main()
