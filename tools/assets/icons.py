"""Icon drawings. Each function draws into the canvas's current frame, a box
of 100 x 100 units; the caller chooses its size and place with Canvas.frame."""

import math

from canvas import SANS_BOLD, SERIF_BOLD

INK = (30, 38, 52)          # outlines
GLASS = (200, 230, 250)     # magnifier lens
HANDLE = (110, 62, 28)
RED = (205, 38, 30)
GREEN = (40, 140, 40)
BLUE = (30, 100, 200)
SKIN = (252, 220, 180)
WHITE = (255, 255, 255)


def magnifier(c, cx=40, cy=40, r=27, ring=8, inner=None):
    """A magnifying glass whose lens is centred at (cx, cy); `inner` draws
    what is seen through the lens (in the same units)."""
    k = r / 27.0
    a = math.radians(45)
    hx0, hy0 = cx + (r + ring * 0.3) * math.cos(a), cy + (r + ring * 0.3) * math.sin(a)
    hx1, hy1 = cx + (r + 34 * k) * math.cos(a), cy + (r + 34 * k) * math.sin(a)
    c.line([(hx0, hy0), (hx1, hy1)], INK, 17 * k)
    c.line([(hx0 + 3 * k, hy0 + 3 * k), (hx1, hy1)], HANDLE, 11 * k)
    c.circle(cx, cy, r, fill=GLASS)
    if inner:
        inner(c)
    c.arc(cx, cy, r - 8 * k, 200, 250, WHITE, 4 * k)
    c.circle(cx, cy, r, outline=INK, width=ring)


def zoom_in(c):
    def plus(c):
        c.line([(27, 40), (53, 40)], GREEN, 8)
        c.line([(40, 27), (40, 53)], GREEN, 8)
    magnifier(c, inner=plus)


def zoom_out(c):
    def minus(c):
        c.line([(27, 40), (53, 40)], RED, 8)
    magnifier(c, inner=minus)


def zoom_window(c):
    c.rect(6, 12, 78, 70, fill=(200, 230, 250, 150))
    dash = 9
    edges = [((6, 12), (78, 12)), ((78, 12), (78, 70)), ((78, 70), (6, 70)), ((6, 70), (6, 12))]
    for (x0, y0), (x1, y1) in edges:
        length = math.hypot(x1 - x0, y1 - y0)
        n = int(length // dash)
        for i in range(0, n, 2):
            t0, t1 = i * dash / length, min(1.0, (i + 1) * dash / length)
            c.line([(x0 + (x1 - x0) * t0, y0 + (y1 - y0) * t0),
                    (x0 + (x1 - x0) * t1, y0 + (y1 - y0) * t1)], INK, 4, caps=False)

    def plus(c):
        c.line([(53, 62), (71, 62)], GREEN, 6)
        c.line([(62, 53), (62, 71)], GREEN, 6)
    magnifier(c, cx=62, cy=62, r=18, ring=6, inner=plus)


def folded_map(c, x0=22, y0=22, x1=78, y1=78):
    w = (x1 - x0) / 3.0
    d = 6
    panels = [
        [(x0, y0 + d), (x0 + w, y0), (x0 + w, y1 - d), (x0, y1)],
        [(x0 + w, y0), (x0 + 2 * w, y0 + d), (x0 + 2 * w, y1), (x0 + w, y1 - d)],
        [(x0 + 2 * w, y0 + d), (x1, y0), (x1, y1 - d), (x0 + 2 * w, y1)],
    ]
    fills = [(170, 215, 140), (225, 235, 170), (160, 205, 235)]
    for poly, fill in zip(panels, fills):
        c.polygon(poly, fill=fill)
    # a river and a road across the folds
    c.line([(x0 + 2, y0 + 34), (x0 + 14, y0 + 28), (x0 + 28, y0 + 36), (x1 - 2, y0 + 24)],
           (40, 110, 210), 4)
    c.line([(x0 + 8, y1 - 6), (x0 + 24, y0 + 14), (x1 - 8, y0 + 10)], RED, 3)
    for poly in panels:
        c.polygon(poly, outline=INK, width=3)


def arrow(c, x0, y0, x1, y1, colour, width=6, head=12):
    a = math.atan2(y1 - y0, x1 - x0)
    bx, by = x1 - head * 0.8 * math.cos(a), y1 - head * 0.8 * math.sin(a)
    c.line([(x0, y0), (bx, by)], colour, width)
    left = (x1 - head * math.cos(a) + head * 0.6 * math.sin(a),
            y1 - head * math.sin(a) - head * 0.6 * math.cos(a))
    right = (x1 - head * math.cos(a) - head * 0.6 * math.sin(a),
             y1 - head * math.sin(a) + head * 0.6 * math.cos(a))
    c.polygon([(x1, y1), left, right], fill=colour)


def full_extent(c):
    folded_map(c)
    for sx, sy in ((-1, -1), (1, -1), (1, 1), (-1, 1)):
        arrow(c, 50 + sx * 34, 50 + sy * 34, 50 + sx * 48, 50 + sy * 48, RED, 6, 13)


def hand(c, closed=False, outline=INK, fill=SKIN, ow=3.5):
    """An open hand seen from the back (or a grabbing one when closed)."""
    if closed:
        fingers = [(35, 40, 52), (47, 37, 52), (59, 38, 52), (71, 42, 54)]
        thumb = [(30, 66), (22, 56)]
    else:
        fingers = [(34, 25, 56), (46, 14, 56), (58, 16, 56), (70, 27, 58)]
        thumb = [(31, 72), (14, 50)]
    fw = 10.5
    palm = (28, 46, 77, 90)
    # outline pass, then fill pass: the fingers merge into one silhouette
    for x, top, bottom in fingers:
        c.line([(x, top), (x, bottom)], outline, fw + 2 * ow)
    c.line(thumb, outline, 12 + 2 * ow)
    c.rrect(palm[0] - ow, palm[1] - ow, palm[2] + ow, palm[3] + ow, 14 + ow, fill=outline)
    for x, top, bottom in fingers:
        c.line([(x, top), (x, bottom)], fill, fw)
    c.line(thumb, fill, 12)
    c.rrect(*palm, 14, fill=fill)
    if closed:
        for x, top, _ in fingers:
            c.line([(x - 4, top + 7), (x + 4, top + 7)], outline, 2)


def ruler(c):
    poly = c.rotated_rect(50, 50, 100, 28, -35)
    c.polygon(poly, fill=(250, 205, 60))
    a = math.radians(-35)
    ux, uy = math.cos(a), math.sin(a)
    vx, vy = -uy, ux
    for i in range(11):
        t = -43 + i * 8.6
        length = 11 if i % 2 == 0 else 6
        sx, sy = 50 + t * ux - 14 * vx, 50 + t * uy - 14 * vy
        c.line([(sx, sy), (sx + length * vx, sy + length * vy)], INK, 2.5, caps=False)
    c.polygon(poly, outline=INK, width=3)


def polyline_measure(c):
    pts = [(10, 80), (34, 42), (62, 64), (90, 20)]
    c.line(pts, (200, 30, 30), 5)
    for x, y in pts:
        c.circle(x, y, 6, fill=WHITE, outline=INK, width=3)


def measure_length(c):
    ruler(c)


def area_polygon(c):
    pts = [(12, 34), (50, 10), (90, 32), (82, 84), (26, 90)]
    c.polygon(pts, fill=(120, 200, 90, 230))
    # hatching inside the polygon: short strokes clipped by eye to its body
    for i, (x0, y0, x1, y1) in enumerate([(26, 46, 46, 26), (26, 66, 62, 30),
                                          (34, 78, 76, 36), (52, 82, 80, 54)]):
        c.line([(x0, y0), (x1, y1)], (70, 150, 60), 3)
    c.polygon(pts, outline=INK, width=4)
    for x, y in pts:
        c.rect(x - 5, y - 5, x + 5, y + 5, fill=WHITE, outline=RED, width=3)


def info(c):
    c.circle(50, 50, 44, fill=BLUE, outline=(15, 55, 130), width=4)
    c.arc(50, 50, 36, 200, 260, (120, 170, 240), 4)
    c.circle(50, 28, 8, fill=WHITE)
    c.rrect(43, 42, 57, 76, 2, fill=WHITE)
    c.rect(36, 42, 57, 48, fill=WHITE)
    c.rrect(35, 72, 65, 79, 2, fill=WHITE)


def pin(c, x, y, r, colour=RED):
    """A map marker whose point is at (x, y + 2.3 r)."""
    c.polygon([(x - r * 0.86, y + r * 0.5), (x + r * 0.86, y + r * 0.5), (x, y + 2.3 * r)],
              fill=colour)
    c.circle(x, y, r, fill=colour)
    c.circle(x, y, r * 0.42, fill=WHITE)


def search(c):
    def marker(c):
        pin(c, 40, 32, 11)
        c.line([(28, 58), (52, 58)], (60, 120, 60), 3)
    magnifier(c, cx=40, cy=40, r=28, ring=8, inner=marker)


def help_mark(c):
    c.circle(50, 50, 44, fill=(40, 120, 210), outline=(15, 55, 130), width=4)
    c.text(50, 53, "?", SANS_BOLD, 64, WHITE)


def close_mark(c):
    c.rrect(8, 8, 92, 92, 18, fill=(210, 40, 30), outline=(110, 10, 5), width=4)
    c.line([(32, 32), (68, 68)], WHITE, 13)
    c.line([(68, 32), (32, 68)], WHITE, 13)


def mountains(c):
    c.circle(78, 24, 11, fill=(250, 200, 40))
    c.polygon([(4, 88), (40, 20), (76, 88)], fill=(150, 115, 80), outline=INK, width=3)
    c.polygon([(31, 37), (40, 20), (49, 37), (44, 33), (40, 39), (36, 33)], fill=WHITE)
    c.polygon([(46, 88), (70, 48), (96, 88)], fill=(80, 150, 70), outline=INK, width=3)
    c.line([(4, 94), (20, 90), (36, 94), (52, 90), (68, 94), (84, 90), (96, 93)],
           (40, 110, 210), 4)


def people(c):
    # a grown-up and a child, with the houses of a town behind them
    c.rect(52, 30, 76, 90, fill=(200, 205, 215), outline=INK, width=2)
    c.rect(76, 46, 96, 90, fill=(180, 185, 200), outline=INK, width=2)
    for wx in (56, 66):
        for wy in (38, 52, 66):
            c.rect(wx, wy, wx + 6, wy + 7, fill=(90, 150, 220))
    c.circle(30, 26, 12, fill=SKIN, outline=INK, width=3)
    c.rrect(12, 42, 48, 96, 14, fill=(40, 110, 200), outline=INK, width=3)
    c.circle(64, 58, 9, fill=SKIN, outline=INK, width=3)
    c.rrect(50, 70, 78, 98, 11, fill=(230, 120, 30), outline=INK, width=3)


def house(c, roof=(200, 50, 35)):
    c.rect(18, 46, 82, 92, fill=(245, 235, 210), outline=INK, width=3)
    c.polygon([(8, 50), (50, 12), (92, 50)], fill=roof, outline=INK, width=3)
    c.rect(66, 16, 76, 34, fill=(150, 80, 50), outline=INK, width=2)
    c.rect(42, 62, 58, 92, fill=(130, 80, 40), outline=INK, width=2)
    c.rect(24, 56, 36, 68, fill=(120, 180, 240), outline=INK, width=2)
    c.rect(64, 56, 76, 68, fill=(120, 180, 240), outline=INK, width=2)


def locality(c):
    house(c)


def globe(c):
    """The application's emblem: a globe with a place marker."""
    c.circle(46, 54, 40, fill=(60, 140, 215), outline=(20, 60, 120), width=4)
    land = [
        [(24, 30), (40, 22), (50, 30), (44, 42), (52, 52), (40, 62), (30, 54), (20, 46)],
        [(56, 60), (70, 56), (78, 66), (70, 84), (58, 80)],
    ]
    for poly in land:
        c.polygon(poly, fill=(110, 185, 80))
    c.arc(46, 54, 40, 0, 360, (20, 60, 120), 4)
    pin(c, 70, 22, 14)


def compass(c):
    """A compass rose on a white disc; north in red, Spanish letters."""
    cx = cy = 50
    c.circle(cx, cy, 48, fill=WHITE, outline=(40, 50, 60), width=2.5)
    c.circle(cx, cy, 30, outline=(150, 160, 170), width=1)
    for i in range(36):
        a = math.radians(i * 10)
        r0 = 27.5 if i % 9 else 25
        c.line([(cx + r0 * math.sin(a), cy - r0 * math.cos(a)),
                (cx + 30 * math.sin(a), cy - 30 * math.cos(a))], (90, 100, 110), 1, caps=False)
    # diagonal points, short
    for i in range(4):
        a = math.radians(45 + i * 90)
        spike(c, cx, cy, a, 20, 4.5, (120, 130, 140), (200, 205, 210))
    for i in range(4):
        a = math.radians(i * 90)
        dark, light = ((170, 20, 20), (235, 80, 70)) if i == 0 else ((40, 50, 60), (150, 160, 170))
        spike(c, cx, cy, a, 32, 7, dark, light)
    c.circle(cx, cy, 3.5, fill=(250, 200, 40), outline=(40, 50, 60), width=1)
    for label, a in (("N", 0), ("E", 90), ("S", 180), ("O", 270)):
        r = 39.5
        colour = (170, 20, 20) if label == "N" else (30, 38, 52)
        c.text(cx + r * math.sin(math.radians(a)), cy - r * math.cos(math.radians(a)),
               label, SANS_BOLD, 10, colour)


def spike(c, cx, cy, a, length, half_width, dark, light):
    tip = (cx + length * math.sin(a), cy - length * math.cos(a))
    side = lambda s: (cx + s * half_width * math.cos(a), cy + s * half_width * math.sin(a))
    c.polygon([(cx, cy), tip, side(1)], fill=light)
    c.polygon([(cx, cy), tip, side(-1)], fill=dark)
    c.polygon([side(-1), tip, side(1), (cx, cy)], outline=(40, 50, 60), width=1)


def photo(c):
    """A framed picture: a multimedia content of a layer."""
    c.rect(6, 14, 94, 86, fill=WHITE, outline=INK, width=4)
    c.rect(14, 22, 86, 72, fill=(150, 205, 245))
    c.circle(70, 36, 8, fill=(250, 200, 40))
    c.polygon([(14, 72), (38, 40), (60, 72)], fill=(70, 140, 60))
    c.polygon([(44, 72), (64, 50), (86, 72)], fill=(100, 170, 80))
    c.rect(14, 22, 86, 72, outline=(60, 70, 80), width=2)


def sheet(c):
    """A page with lines of text: a layer or one of its attributes."""
    c.polygon([(18, 6), (64, 6), (84, 26), (84, 94), (18, 94)], fill=WHITE,
              outline=(70, 80, 95), width=4)
    c.polygon([(64, 6), (64, 26), (84, 26)], fill=(210, 215, 225), outline=(70, 80, 95), width=3)
    for y in (38, 52, 66, 80):
        c.line([(30, y), (72 if y != 80 else 56, y)], (120, 140, 170), 5)


def crosshair(c, cx, cy, arm=10):
    """Four black arms with a white halo around an open centre at (cx, cy)."""
    for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1)):
        c.line([(cx + 3 * dx, cy + 3 * dy), (cx + (arm + 1) * dx, cy + (arm + 1) * dy)],
               WHITE, 4, caps=False)
    for dx, dy in ((-1, 0), (1, 0), (0, -1), (0, 1)):
        c.line([(cx + 3.5 * dx, cy + 3.5 * dy), (cx + arm * dx, cy + arm * dy)],
               (0, 0, 0), 1.6, caps=False)


def arrow_pointer(c):
    """The usual arrow pointer with its tip at (0, 0) of the frame."""
    pts = [(0, 0), (0, 17), (4, 13), (7, 20), (9.5, 19), (6.5, 12.2), (12, 12.2)]
    c.polygon(pts, fill=WHITE)
    c.polygon(pts, outline=(0, 0, 0), width=1.2)


def pencil(c):
    """A pencil whose point lies at the frame's lower-left corner (0, 100)."""
    a = math.radians(-45)
    ux, uy = math.cos(a), math.sin(a)
    vx, vy = -uy, ux
    def at(t, s):
        return (t * ux + s * vx, 100 + t * uy + s * vy)
    # body from t = 30 to 118, 24 wide
    c.polygon([at(30, -12), at(112, -12), at(112, 12), at(30, 12)], fill=(250, 200, 40))
    c.polygon([at(112, -12), at(126, -12), at(126, 12), at(112, 12)], fill=(240, 130, 150))
    c.polygon([at(104, -12), at(112, -12), at(112, 12), at(104, 12)], fill=(190, 190, 200))
    c.polygon([at(0, 0), at(30, -12), at(30, 12)], fill=(245, 220, 180))
    c.polygon([at(0, 0), at(10, -4), at(10, 4)], fill=(30, 30, 30))
    c.line([at(30, 0), at(104, 0)], (220, 160, 20), 3, caps=False)
    c.polygon([at(0, 0), at(30, -12), at(126, -12), at(126, 12), at(30, 12)],
              outline=(0, 0, 0), width=4)
