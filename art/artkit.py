"""Drawing kit of the tutor's art: one palette, one set of fonts and a few shapes, so that every
bitmap of the resource library looks like part of one program."""

import math
import os

from PIL import Image, ImageDraw, ImageFilter, ImageFont

# Palette: blue-green mountain mist (青岚) with warm accents.
MIST_TOP = (226, 242, 240)
MIST_BOTTOM = (160, 205, 204)
TEAL = (28, 128, 132)
TEAL_DARK = (16, 84, 92)
TEAL_LIGHT = (120, 196, 192)
INK = (34, 48, 56)
PAPER = (250, 252, 248)
ACCENT = (232, 146, 60)
ACCENT_LIGHT = (248, 196, 128)
WHITE = (255, 255, 255)
GREY = (128, 136, 140)
RED = (206, 62, 54)

_FONT_FILES = {
    "cjk": ["/usr/share/fonts/truetype/wqy/wqy-microhei.ttc",
            "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc",
            "/usr/share/fonts/truetype/droid/DroidSansFallbackFull.ttf"],
    "latin": ["/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"],
    "latin-bold": ["/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"],
    "mono": ["/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf"],
}
_font_cache = {}


def font(kind, size):
    """A font of the kind ("cjk", "latin", "latin-bold", "mono") at a pixel size."""
    key = (kind, size)
    if key not in _font_cache:
        for path in _FONT_FILES[kind]:
            if os.path.exists(path):
                _font_cache[key] = ImageFont.truetype(path, size)
                break
        else:
            raise FileNotFoundError("no font for " + kind)
    return _font_cache[key]


def mix(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def canvas(w, h, color=PAPER):
    return Image.new("RGB", (w, h), color)


def vgradient(img, box, top, bottom):
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    span = max(1, y1 - y0 - 1)
    for y in range(y0, y1):
        d.line([(x0, y), (x1 - 1, y)], fill=mix(top, bottom, (y - y0) / span))


def hgradient(img, box, left, right):
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    span = max(1, x1 - x0 - 1)
    for x in range(x0, x1):
        d.line([(x, y0), (x, y1 - 1)], fill=mix(left, right, (x - x0) / span))


def mountains(img, base_y, layers=((150, 196, 196), (104, 166, 170), (62, 130, 138)), seed=3):
    """Soft layered ridges along the bottom of the picture."""
    w, h = img.size
    d = ImageDraw.Draw(img)
    for i, color in enumerate(layers):
        pts = [(0, h)]
        amp = 18 + 10 * i
        for x in range(0, w + 8, 8):
            y = base_y + 14 * i - amp * (0.6 * math.sin((x + seed * 37 * (i + 1)) / (55 + 13 * i))
                                         + 0.4 * math.sin((x + 91 * i) / 23.0))
            pts.append((x, y))
        pts.append((w, h))
        d.polygon(pts, fill=color)


def shadowed_text(img, xy, text, fnt, fill=WHITE, shadow=(0, 0, 0), offset=2, blur=2, anchor="la"):
    """Text with a soft drop shadow."""
    layer = Image.new("L", img.size, 0)
    ImageDraw.Draw(layer).text((xy[0] + offset, xy[1] + offset), text, font=fnt, fill=160,
                               anchor=anchor)
    layer = layer.filter(ImageFilter.GaussianBlur(blur))
    img.paste(Image.new("RGB", img.size, shadow), (0, 0), layer)
    ImageDraw.Draw(img).text(xy, text, font=fnt, fill=fill, anchor=anchor)


def key_cap(img, box, label, fnt=None, face=PAPER, edge=TEAL_DARK, text=INK, radius=5):
    """A keyboard key: rounded cap with a darker lower lip and a centred label."""
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    d.rounded_rectangle(box, radius=radius, fill=mix(face, edge, 0.35), outline=edge)
    d.rounded_rectangle((x0 + 2, y0 + 1, x1 - 2, y1 - 4), radius=max(1, radius - 1), fill=face)
    if label:
        fnt = fnt or font("latin-bold", max(9, (y1 - y0) // 2))
        d.text(((x0 + x1) / 2, (y0 + y1 - 3) / 2), label, font=fnt, fill=text, anchor="mm")


def panel(img, box, fill=PAPER, edge=TEAL, radius=10):
    ImageDraw.Draw(img).rounded_rectangle(box, radius=radius, fill=fill, outline=edge, width=2)
