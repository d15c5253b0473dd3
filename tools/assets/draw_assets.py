"""Draws every picture and cursor of the viewer's application directory, and
the small pictures compiled into the program.

usage: draw_assets.py APP_DIR BUILTIN_DIR ICON_DIR
  APP_DIR      receives ico/, cursor/ and Ayuda/img/
  BUILTIN_DIR  receives the XPM images compiled into the program (compass,
               information tree and legend check boxes); PNG copies of them
               go to APP_DIR/ico/
  ICON_DIR     receives the installed program's icon for the desktop menus,
               in the hicolor theme's layout (hicolor/SIZExSIZE/apps/vaq.png)
"""

import os
import sys

from PIL import Image

import icons
from canvas import (Canvas, SANS, SANS_BOLD, draw_text, fitting_size, mix,
                    save_bmp, save_cur, save_ico, save_xpm)

BACKGROUND = (15, 61, 0)          # frame and button background
MEASURE_BACKGROUND = (211, 148, 110)  # measurement bar and its close button
LIGHT = (232, 240, 220)
GOLD = (255, 210, 80)

# Tile colours: (top, bottom, outline) of the resting and the pressed look.
TILE_NORMAL = ((248, 250, 242), (196, 216, 176), (4, 24, 0))
TILE_PRESSED = ((255, 240, 160), (245, 168, 45), (110, 55, 0))

# The tool bar: file stem, pressed-file stem, caption, icon.
TOOLS = [
    ("b_acercar", "b_acercarPul", "Acercar", icons.zoom_in),
    ("b_alejar", "b_alejarPul", "Alejar", icons.zoom_out),
    ("b_zventana", "b_zventanaPul", "Ventana", icons.zoom_window),
    ("b_mapa", "b_mapaPul", "Ver todo", icons.full_extent),
    ("b_mover", "b_moverPuls", "Mover", lambda c: icons.hand(c)),
    ("b_medirLongitud", "b_medirLongitudPul", "Distancia", icons.measure_length),
    ("b_medirSuperficie", "b_medirSuperficiePul", "Superficie", icons.area_polygon),
    ("b_info", "b_infoPul", "Información", icons.info),
    ("b_buscar", "b_buscarPul", "Buscar", icons.search),
]

THEMES = [
    ("b_medioFisico", "b_medioFisicoPul", "Medio Físico", icons.mountains),
    ("b_medioHumano", "b_medioHumanoPul", "Medio Humano", icons.people),
    ("b_miLocalidad", "b_miLocalidadPul", "Mi Localidad", icons.locality),
]


def tile(c, x0, y0, x1, y1, r, pressed):
    top, bottom, outline = TILE_PRESSED if pressed else TILE_NORMAL
    if pressed:  # a soft glow marks the active tool or theme
        c.rrect(x0 - 2, y0 - 2, x1 + 2, y1 + 2, r + 2, fill=(255, 220, 90, 110))
    else:  # a faint shadow below the resting tile
        c.rrect(x0 + 1, y0 + 2, x1 + 1, y1 + 2, r, fill=(0, 0, 0, 90))
    c.gradient_rrect(x0, y0, x1, y1, r, top, bottom, outline=outline, width=1.5)
    c.rrect(x0 + 2, y0 + 2, x1 - 2, y0 + (y1 - y0) * 0.45, r - 2,
            fill=(255, 255, 255, 70 if pressed else 90))


def tool_button(icon, caption, pressed):
    w, h = 87, 92
    c = Canvas(w, h, BACKGROUND)
    tile(c, 11, 4, 76, 69, 12, pressed)
    shift = 1 if pressed else 0
    with c.frame(16.5, 9.5 + shift, 54):
        icon(c)
    img = c.finish()
    size = fitting_size(caption, SANS_BOLD, 11, 78)
    draw_text(img, (43.5, 81 + shift), caption, SANS_BOLD, size,
              GOLD if pressed else LIGHT, shadow=(0, 20, 0))
    return img


def theme_button(icon, caption, pressed):
    w, h = 184, 37
    c = Canvas(w, h, BACKGROUND)
    tile(c, 3, 3, 180, 33, 9, pressed)
    with c.frame(10, 5, 26):
        icon(c)
    img = c.finish()
    size = fitting_size(caption, SANS_BOLD, 15, 130)
    draw_text(img, (44, 18.5), caption, SANS_BOLD, size,
              (90, 40, 0) if pressed else (20, 50, 10), anchor="lm")
    return img


def small_button(w, h, icon, pressed, background=BACKGROUND, inset=4):
    """A square tile with a glyph, for the help and close buttons."""
    c = Canvas(w, h, background)
    side = min(w, h) - 2 * inset
    x0, y0 = (w - side) / 2.0, (h - side) / 2.0
    tile(c, x0, y0, x0 + side, y0 + side, 7, pressed)
    with c.frame(x0 + 4, y0 + 4 + (1 if pressed else 0), side - 8):
        icon(c)
    return c.finish()


def measure_close_button(pressed=False):
    c = Canvas(29, 31, MEASURE_BACKGROUND)
    with c.frame(2.5, 3.5 + (1 if pressed else 0), 24):
        icons.close_mark(c)
    return c.finish()


def measure_bar(kind):
    """The measurement bar's picture: tool symbol, its name and the place of
    the value text (106, 5, 169 x 25) and the close button (276, 2)."""
    w, h = 308, 36
    c = Canvas(w, h, MEASURE_BACKGROUND)
    c.gradient_rrect(0.5, 0.5, w - 0.5, h - 0.5, 6, mix(MEASURE_BACKGROUND, (255, 255, 255), 0.35),
                     mix(MEASURE_BACKGROUND, (0, 0, 0), 0.15), outline=(110, 60, 30), width=1)
    c.rect(104, 3, 277, 32, fill=(255, 255, 255), outline=(110, 60, 30), width=1)
    with c.frame(4, 4, 28):
        (icons.measure_length if kind == "distancia" else icons.area_polygon)(c)
    img = c.finish()
    name = "Distancia" if kind == "distancia" else "Superficie"
    draw_text(img, (35, 18), name, SANS_BOLD, fitting_size(name, SANS_BOLD, 12, 66),
              (60, 25, 5), anchor="lm")
    return img


def search_background(title, hint):
    """The search dialog's background: text box at (110, 70) 180 x 21, list at
    (52, 109) 300 x 100."""
    w, h = 405, 255
    c = Canvas(w, h, (236, 242, 228))
    c.gradient_rrect(0, 0, w, 52, 0, (40, 100, 20), BACKGROUND)
    c.rect(0, 52, w, 55, fill=GOLD)
    with c.frame(12, 6, 40):
        icons.search(c)
    c.rrect(44, 62, 360, 216, 8, fill=(255, 255, 255), outline=(150, 170, 140), width=1)
    img = c.finish()
    draw_text(img, (62, 27), title, SANS_BOLD, 17, (255, 255, 255), anchor="lm",
              shadow=(0, 30, 0))
    draw_text(img, (104, 80.5), "Nombre:", SANS_BOLD, 12, (20, 60, 10), anchor="rm")
    draw_text(img, (52, 101), "Resultados:", SANS_BOLD, 11, (20, 60, 10), anchor="lm")
    draw_text(img, (202, 232), hint, SANS, 11, (50, 70, 40), anchor="mm")
    return img


def background():
    """The 1024 x 768 backdrop; areas behind buttons stay plain."""
    w, h = 1024, 768
    c = Canvas(w, h, BACKGROUND)
    light_line = (110, 160, 80)
    # the header stays plain: the help and close buttons sit on it
    with c.frame(14, 4, 52):
        icons.globe(c)
    # frames of the main map with its coordinates strip, the layer panel and
    # the reference map
    c.rrect(219.5, 61.5, 1018.5, 671, 5, outline=light_line, width=2)
    c.rrect(7.5, 66, 221.5 - 4, 479, 5, outline=light_line, width=2)
    c.rect(9, 67, 215, 83.5, fill=(32, 92, 12))
    c.rrect(23.5, 643.5, 206.5, 757.5, 4, outline=light_line, width=2)
    img = c.finish()
    draw_text(img, (74, 22), "VAQ Vistral", SANS_BOLD, 24, (255, 255, 255), anchor="lm",
              shadow=(0, 25, 0))
    draw_text(img, (75, 46), "Visor de mapas para la escuela", SANS, 12, (200, 225, 180),
              anchor="lm")
    draw_text(img, (577, 30), "Medio físico  ·  Medio humano  ·  Mi localidad", SANS_BOLD,
              16, (220, 235, 200), anchor="mm", shadow=(0, 25, 0))
    draw_text(img, (112, 75.5), "Capas del mapa", SANS_BOLD, 12, (255, 255, 255))
    draw_text(img, (71, 622), "Escala", SANS_BOLD, 13, (255, 255, 255), anchor="rm")
    draw_text(img, (115, 638), "Mapa de referencia", SANS_BOLD, 10, (220, 235, 200))
    return img


def app_icon(size):
    c = Canvas(size, size)
    with c.frame(0, 0, size):
        icons.globe(c)
    return c.finish()


def cursor(draw):
    c = Canvas(32, 32)
    draw(c)
    return c.finish()


def zoom_window_cursor(c):
    icons.crosshair(c, 11.5, 11.5)
    with c.frame(14, 14, 18):
        def plus(c):
            c.line([(29, 40), (51, 40)], icons.GREEN, 9)
            c.line([(40, 29), (40, 51)], icons.GREEN, 9)
        icons.magnifier(c, inner=plus)


def pan_cursor(closed):
    def draw(c):
        with c.frame(0, 0, 32):
            icons.hand(c, closed=closed, outline=(0, 0, 0), fill=(255, 255, 255), ow=5)
    return draw


def info_cursor(c):
    with c.frame(1, 1, 1, units=1):
        icons.arrow_pointer(c)
    with c.frame(13, 13, 18):
        icons.info(c)


def pencil_cursor(c):
    with c.frame(1.5, 0.5, 30):
        icons.pencil(c)


# Cursor file, drawing, hot spot (pixel under the pointer's working point).
CURSORS = [
    ("zoom_ventana.cur", zoom_window_cursor, (11, 11)),
    ("pan.cur", pan_cursor(False), (15, 16)),
    ("pan_press.cur", pan_cursor(True), (15, 16)),
    ("info_capas.cur", info_cursor, (1, 1)),
    ("lapiz.cur", pencil_cursor, (1, 30)),
]


def check_icons():
    """The legend's 16 x 16 check boxes, drawn pixel by pixel in their exact
    colours (no smoothing, so the colours stay as given)."""
    W, B, G, K = (255, 255, 255, 255), (70, 70, 70, 255), (0, 128, 0, 255), (0, 0, 0, 0)
    check = Image.new("RGBA", (16, 16), K)
    px = check.load()
    for y in range(1, 15):
        for x in range(1, 15):
            px[x, y] = B if x in (1, 14) or y in (1, 14) else W
    tick = [(4, 7), (4, 8), (5, 8), (5, 9), (6, 9), (6, 10), (7, 9), (7, 8), (8, 8),
            (8, 7), (9, 7), (9, 6), (10, 6), (10, 5), (11, 5), (11, 4), (5, 10), (6, 11),
            (4, 9), (7, 10), (12, 4), (12, 3)]
    for x, y in tick:
        px[x, y] = G
    R, D, Y = (255, 0, 0, 255), (128, 0, 0, 255), (134, 134, 134, 255)
    B2 = (51, 51, 51, 255)
    uncheck = Image.new("RGBA", (16, 16), K)
    px = uncheck.load()
    for y in range(1, 15):
        for x in range(1, 15):
            px[x, y] = B2 if x in (1, 14) or y in (1, 14) else W
    for i in range(4, 12):
        px[i, i] = R
        px[15 - i, i] = R
        px[i + 1, i] = D if i < 11 else px[i + 1, i]
        px[14 - i, i] = D if i < 11 else px[14 - i, i]
    for x, y in ((4, 4), (11, 4), (4, 11), (11, 11)):
        px[x, y] = Y
    return check, uncheck


def tree_icon(draw):
    c = Canvas(32, 31)
    with c.frame(1, 0.5, 30):
        draw(c)
    return c.finish()


def compass_image():
    c = Canvas(120, 120)
    with c.frame(0, 0, 120):
        icons.compass(c)
    return c.finish()


def write(img, path, background=BACKGROUND):
    if path.endswith(".bmp"):
        save_bmp(img, path, background)
    else:
        img.save(path, "PNG", optimize=False)


# Sizes of the menu icon: the usual menu size and the largest one shown.
DESKTOP_ICON_SIZES = (48, 256)


def main(app_dir, builtin_dir, icon_dir):
    ico = os.path.join(app_dir, "ico")
    cur = os.path.join(app_dir, "cursor")
    helpimg = os.path.join(app_dir, "Ayuda", "img")
    for d in (ico, cur, helpimg, builtin_dir):
        os.makedirs(d, exist_ok=True)

    pictures = {}
    for stem, pressed_stem, caption, icon in TOOLS:
        pictures[stem] = tool_button(icon, caption, False)
        pictures[pressed_stem] = tool_button(icon, caption, True)
    for stem, pressed_stem, caption, icon in THEMES:
        pictures[stem] = theme_button(icon, caption, False)
        pictures[pressed_stem] = theme_button(icon, caption, True)
    pictures["b_ayuda"] = small_button(48, 43, icons.help_mark, False)
    pictures["b_ayudaPul"] = small_button(48, 43, icons.help_mark, True)
    pictures["b_cerrar"] = small_button(39, 43, icons.close_mark, False)
    pictures["b_cerrarPul"] = small_button(39, 43, icons.close_mark, True)
    for stem, img in pictures.items():
        write(img, os.path.join(ico, stem + ".bmp"))

    write(background(), os.path.join(ico, "vaq.bmp"))
    write(measure_close_button(), os.path.join(ico, "b_cerrarPMediciones.bmp"), MEASURE_BACKGROUND)
    write(measure_bar("distancia"), os.path.join(ico, "b_distancia.bmp"), MEASURE_BACKGROUND)
    write(measure_bar("superficie"), os.path.join(ico, "b_superficie.bmp"), MEASURE_BACKGROUND)
    hint = "Escriba un nombre y pulse Intro; doble clic en un resultado."
    write(search_background("Búsqueda de mi localidad", hint),
          os.path.join(ico, "FondoBusLocalidad.bmp"))
    write(search_background("Búsqueda por topónimos", hint),
          os.path.join(ico, "FondoBusToponimo.bmp"))
    save_ico([app_icon(s) for s in (16, 24, 32, 48, 64)], os.path.join(ico, "icono.ico"))
    for size in DESKTOP_ICON_SIZES:
        apps = os.path.join(icon_dir, "hicolor", "%dx%d" % (size, size), "apps")
        os.makedirs(apps, exist_ok=True)
        write(app_icon(size), os.path.join(apps, "vaq.png"))

    for name, draw, hotspot in CURSORS:
        save_cur(cursor(draw), os.path.join(cur, name), hotspot)

    # Pictures compiled into the program (and PNG copies for other uses).
    check, uncheck = check_icons()
    builtins = {
        "brujula": compass_image(),
        "graf": tree_icon(icons.photo),
        "blanco_info": tree_icon(icons.sheet),
        "check": check,
        "uncheck": uncheck,
    }
    for name, img in builtins.items():
        save_xpm(img, os.path.join(builtin_dir, name + ".xpm"), name)
        write(img, os.path.join(ico, name + ".png"))

    # Pictures for the help pages.
    for stem, img in pictures.items():
        if not stem.endswith(("Pul", "Puls")):
            write(img, os.path.join(helpimg, stem + ".png"))
    import helpshot
    write(helpshot.screen(pictures, background(), check, builtins["brujula"]),
          os.path.join(helpimg, "pantalla.png"))
    write(measure_bar("distancia"), os.path.join(helpimg, "b_distancia.png"))
    write(search_background("Búsqueda por topónimos", hint),
          os.path.join(helpimg, "busqueda.png"))
    for name, draw, hotspot in CURSORS:
        write(cursor(draw), os.path.join(helpimg, name.replace(".cur", ".png")))
    write(check, os.path.join(helpimg, "check.png"))
    write(uncheck, os.path.join(helpimg, "uncheck.png"))


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2], sys.argv[3])
