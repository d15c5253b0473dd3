"""Drawing helpers and file writers for the viewer's pictures.

Shapes are drawn four times larger than the final picture and reduced with a
box filter, which gives clean anti-aliased edges; small texts are drawn at the
final size afterwards, where the font hinting keeps them sharp. Every drawing
primitive takes coordinates in a local box whose size and place are set with
`frame`, so one icon drawing can be reused at any size.
"""

import math
import struct
from contextlib import contextmanager

from PIL import Image, ImageDraw, ImageFont

SS = 4  # supersampling factor

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"
SANS = FONT_DIR + "DejaVuSans.ttf"
SANS_BOLD = FONT_DIR + "DejaVuSans-Bold.ttf"
SERIF_BOLD = FONT_DIR + "DejaVuSerif-Bold.ttf"


def font(path, size):
    return ImageFont.truetype(path, size)


class Canvas:
    """An RGBA drawing surface of w x h final pixels, drawn at SS times the size."""

    def __init__(self, w, h, background=None):
        self.w, self.h = w, h
        fill = tuple(background) + (255,) if background else (0, 0, 0, 0)
        self.img = Image.new("RGBA", (w * SS, h * SS), fill)
        self.draw = ImageDraw.Draw(self.img)
        self.ox, self.oy, self.k = 0.0, 0.0, 1.0

    # --- local coordinates -------------------------------------------------

    @contextmanager
    def frame(self, x, y, size, units=100.0):
        """Within the block, a box of `units` x `units` maps onto (x, y, size)."""
        saved = (self.ox, self.oy, self.k)
        self.ox = self.ox + x * self.k
        self.oy = self.oy + y * self.k
        self.k = self.k * size / units
        try:
            yield self
        finally:
            self.ox, self.oy, self.k = saved

    def p(self, x, y):
        return ((self.ox + x * self.k) * SS, (self.oy + y * self.k) * SS)

    def pts(self, points):
        return [self.p(x, y) for x, y in points]

    def wd(self, width):
        return max(1, int(round(width * self.k * SS)))

    def box(self, x0, y0, x1, y1):
        a, b = self.p(x0, y0), self.p(x1, y1)
        return [a[0], a[1], b[0], b[1]]

    # --- primitives -------------------------------------------------------

    @contextmanager
    def _layer(self, *colours):
        """Translucent colours are drawn on a layer that is then blended in;
        ImageDraw alone would replace the pixels below with the translucent
        colour."""
        if not any(col is not None and len(col) == 4 and col[3] < 255 for col in colours):
            yield
            return
        saved_img, saved_draw = self.img, self.draw
        layer = Image.new("RGBA", saved_img.size, (0, 0, 0, 0))
        self.img, self.draw = layer, ImageDraw.Draw(layer)
        try:
            yield
        finally:
            self.img, self.draw = saved_img, saved_draw
            self.img.alpha_composite(layer)

    def rect(self, x0, y0, x1, y1, fill=None, outline=None, width=1):
        with self._layer(fill, outline):
            self.draw.rectangle(self.box(x0, y0, x1, y1), fill=fill,
                                outline=outline, width=self.wd(width) if outline else 0)

    def rrect(self, x0, y0, x1, y1, r, fill=None, outline=None, width=1):
        with self._layer(fill, outline):
            self.draw.rounded_rectangle(self.box(x0, y0, x1, y1), radius=r * self.k * SS,
                                        fill=fill, outline=outline,
                                        width=self.wd(width) if outline else 0)

    def circle(self, cx, cy, r, fill=None, outline=None, width=1):
        self.ellipse(cx - r, cy - r, cx + r, cy + r, fill, outline, width)

    def ellipse(self, x0, y0, x1, y1, fill=None, outline=None, width=1):
        with self._layer(fill, outline):
            self.draw.ellipse(self.box(x0, y0, x1, y1), fill=fill, outline=outline,
                              width=self.wd(width) if outline else 0)

    def polygon(self, points, fill=None, outline=None, width=1):
        if fill:
            with self._layer(fill):
                self.draw.polygon(self.pts(points), fill=fill)
        if outline:
            self.line(list(points) + [points[0]], outline, width)

    def line(self, points, fill, width, caps=True):
        """A polyline with round joints and (optionally) round caps."""
        scaled = self.pts(points)
        w = self.wd(width)
        with self._layer(fill):
            self.draw.line(scaled, fill=fill, width=w, joint="curve")
            if caps:
                r = w / 2.0
                for (x, y) in (scaled if len(scaled) > 2 else [scaled[0], scaled[-1]]):
                    self.draw.ellipse([x - r, y - r, x + r, y + r], fill=fill)

    def arc(self, cx, cy, r, start, end, fill, width):
        with self._layer(fill):
            self.draw.arc(self.box(cx - r, cy - r, cx + r, cy + r), start, end,
                          fill=fill, width=self.wd(width))

    def text(self, x, y, s, path, size, fill, anchor="mm"):
        """Large text drawn with the shapes (for glyphs used as icons)."""
        f = ImageFont.truetype(path, max(1, int(round(size * self.k * SS))))
        self.draw.text(self.p(x, y), s, font=f, fill=fill, anchor=anchor)

    def gradient_rrect(self, x0, y0, x1, y1, r, top, bottom, outline=None, width=1):
        """A rounded rectangle filled with a vertical gradient."""
        bx = [int(round(v)) for v in self.box(x0, y0, x1, y1)]
        w, h = bx[2] - bx[0], bx[3] - bx[1]
        grad = Image.new("RGBA", (w, h))
        gd = ImageDraw.Draw(grad)
        for row in range(h):
            t = row / max(1, h - 1)
            gd.line([(0, row), (w, row)], fill=mix(top, bottom, t) + (255,))
        mask = Image.new("L", (w, h), 0)
        ImageDraw.Draw(mask).rounded_rectangle([0, 0, w - 1, h - 1],
                                               radius=r * self.k * SS, fill=255)
        self.img.paste(grad, (bx[0], bx[1]), mask)
        if outline:
            self.rrect(x0, y0, x1, y1, r, outline=outline, width=width)

    def rotated_rect(self, cx, cy, length, thickness, angle_deg):
        a = math.radians(angle_deg)
        ux, uy = math.cos(a), math.sin(a)
        vx, vy = -uy, ux
        hl, ht = length / 2.0, thickness / 2.0
        return [(cx + sx * hl * ux + sy * ht * vx, cy + sx * hl * uy + sy * ht * vy)
                for sx, sy in ((-1, -1), (1, -1), (1, 1), (-1, 1))]

    def paste(self, other, x, y):
        """Composites another canvas (same supersampling) at final pixel (x, y)."""
        self.img.alpha_composite(other.img, (int(round(x * SS)), int(round(y * SS))))

    # --- result -----------------------------------------------------------

    def finish(self):
        """The picture at its final size (RGBA)."""
        small = self.img.convert("RGBa").resize((self.w, self.h), Image.BOX)
        return small.convert("RGBA")


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def draw_text(img, xy, s, path, size, fill, anchor="mm", shadow=None):
    """Small text at the final size, optionally over a one-pixel shadow."""
    d = ImageDraw.Draw(img)
    f = ImageFont.truetype(path, size)
    if shadow:
        d.text((xy[0] + 1, xy[1] + 1), s, font=f, fill=shadow, anchor=anchor)
    d.text(xy, s, font=f, fill=fill, anchor=anchor)


def fitting_size(s, path, size, max_width):
    """The largest font size not above `size` whose text fits in max_width."""
    while size > 6:
        f = ImageFont.truetype(path, size)
        if f.getlength(s) <= max_width:
            return size
        size -= 1
    return size


# --- file writers ----------------------------------------------------------

def save_bmp(img, path, background):
    """An opaque 24-bit BMP: transparent parts take the background colour."""
    base = Image.new("RGBA", img.size, tuple(background) + (255,))
    base.alpha_composite(img)
    base.convert("RGB").save(path, "BMP")


def _dib_32(img):
    """BITMAPINFOHEADER + bottom-up BGRA pixels + AND mask, as in .ico/.cur."""
    w, h = img.size
    px = img.load()
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = px[x, y]
            xor += bytes((b, g, r, a))
    row_bytes = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(row_bytes)
        for x in range(w):
            if px[x, y][3] < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(xor) + bytes(mask)


def _write_icon_dir(path, kind, entries):
    """entries: (image, field1, field2); for icons planes/bitcount, for
    cursors the hot spot x/y."""
    out = bytearray(struct.pack("<HHH", 0, kind, len(entries)))
    offset = 6 + 16 * len(entries)
    blobs = []
    for img, f1, f2 in entries:
        blob = _dib_32(img)
        w, h = img.size
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, f1, f2, len(blob), offset)
        offset += len(blob)
        blobs.append(blob)
    for blob in blobs:
        out += blob
    with open(path, "wb") as f:
        f.write(out)


def save_ico(images, path):
    _write_icon_dir(path, 1, [(img, 1, 32) for img in images])


def save_cur(img, path, hotspot):
    _write_icon_dir(path, 2, [(img, hotspot[0], hotspot[1])])


XPM_CODES = ("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"
             ".#+@$%&*=-;>,')!~{]^/(_:<[}|`")


def save_xpm(img, path, name):
    """A C array in XPM format; pixels under half opacity become "None"."""
    w, h = img.size
    px = img.load()
    colours = []
    index = {}
    grid = []
    for y in range(h):
        row = []
        for x in range(w):
            r, g, b, a = px[x, y]
            key = None if a < 128 else "#%02X%02X%02X" % (r, g, b)
            if key not in index:
                index[key] = len(colours)
                colours.append(key)
            row.append(index[key])
        grid.append(row)
    cpp = 1 if len(colours) <= len(XPM_CODES) else 2
    if len(colours) > len(XPM_CODES) ** cpp:
        raise ValueError("too many colours for " + name)

    def code(i):
        if cpp == 1:
            return XPM_CODES[i]
        return XPM_CODES[i // len(XPM_CODES)] + XPM_CODES[i % len(XPM_CODES)]

    lines = ["/* XPM */", "static const char *const %s_xpm[] = {" % name,
             '"%d %d %d %d",' % (w, h, len(colours), cpp)]
    for i, c in enumerate(colours):
        lines.append('"%s c %s",' % (code(i), c if c else "None"))
    for y, row in enumerate(grid):
        lines.append('"' + "".join(code(i) for i in row) + '"' + ("," if y < h - 1 else ""))
    lines.append("};")
    with open(path, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")
