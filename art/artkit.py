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


# ---------------------------------------------------------------------------------------------
# Shared pieces of the skin: backgrounds, cards, wells, buttons in their looks, icons, greying.

import functools  # noqa: E402

from PIL import ImageEnhance, ImageOps  # noqa: E402

SHADOW = (70, 110, 116)
MIST_DEEP = (96, 160, 164)
FINGER_TINTS = {  # soft tints of the finger zones of the on-screen keyboards
    "l5": (236, 214, 226), "l4": (250, 226, 200), "l3": (250, 242, 196), "l2": (214, 238, 206),
    "r2": (206, 232, 244), "r3": (250, 242, 196), "r4": (250, 226, 200), "r5": (236, 214, 226),
    "th": (226, 230, 232),
}

LOOKS = ("flat", "normal", "hover", "pressed", "selected", "disabled")


def cached(fn):
    """Caches an expensive shared drawing; callers get a copy they may draw on."""
    store = functools.lru_cache(maxsize=None)(fn)

    @functools.wraps(fn)
    def wrap(*args):
        return store(*args).copy()
    return wrap


def text_size(text, fnt):
    x0, y0, x1, y1 = ImageDraw.Draw(Image.new("L", (1, 1))).textbbox((0, 0), text, font=fnt)
    return x1 - x0, y1 - y0


def fit_font(kind, text, max_w, size, min_size=8):
    """The largest font of that kind, at most `size`, in which `text` fits `max_w` pixels."""
    while size > min_size and text_size(text, font(kind, size))[0] > max_w:
        size -= 1
    return font(kind, size)


def text_kind(text):
    return "cjk" if any(ord(c) > 0x2e80 for c in text) else "latin-bold"


def label(img, xy, text, size=12, fill=INK, anchor="mm", kind=None, max_w=None):
    """Text in the kit's fonts (CJK text in WenQuanYi), optionally shrunk to fit a width."""
    kind = kind or text_kind(text)
    fnt = fit_font(kind, text, max_w, size) if max_w else font(kind, size)
    ImageDraw.Draw(img).text(xy, text, font=fnt, fill=fill, anchor=anchor)


def soft_shadow(img, box, radius=8, offset=3, blur=4, strength=90):
    """A blurred shadow under a rounded box."""
    x0, y0, x1, y1 = box
    pad = blur * 3 + offset
    w, h = x1 - x0 + 2 * pad, y1 - y0 + 2 * pad
    mask = Image.new("L", (w, h), 0)
    ImageDraw.Draw(mask).rounded_rectangle((pad + offset, pad + offset, pad + offset + x1 - x0,
                                            pad + offset + y1 - y0), radius=radius, fill=strength)
    mask = mask.filter(ImageFilter.GaussianBlur(blur))
    img.paste(Image.new("RGB", (w, h), SHADOW), (x0 - pad, y0 - pad), mask)


def card(img, box, fill=PAPER, edge=TEAL_LIGHT, radius=8, shadow=True, width=1):
    """A raised paper card with a soft shadow: the frame of every group on a page."""
    if shadow:
        soft_shadow(img, box, radius=radius)
    ImageDraw.Draw(img).rounded_rectangle(box, radius=radius, fill=fill, outline=edge, width=width)


def well(img, box, fill=WHITE, radius=4):
    """A sunken field where a text box or a value label sits."""
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    d.rounded_rectangle(box, radius=radius, fill=fill, outline=(150, 190, 190))
    d.line((x0 + radius, y0 + 1, x1 - radius, y0 + 1), fill=(214, 228, 228))



def control_well(img, box, fill=WHITE):
    """The well around a control placed at `box` (left, top, width, height in pixels)."""
    x, y, w, h = box
    well(img, (x - 2, y - 2, x + w + 1, y + h + 1), fill=fill)

def mist(img, box=None, top=MIST_TOP, bottom=MIST_BOTTOM, ridges=None, seed=3, sun=None):
    """The kit's landscape: a misty gradient, an optional low sun and soft ridges."""
    box = box or (0, 0) + img.size
    x0, y0, x1, y1 = box
    vgradient(img, box, top, bottom)
    if sun:
        cx, cy, r = sun
        d = ImageDraw.Draw(img)
        d.ellipse((cx - r - 8, cy - r - 8, cx + r + 8, cy + r + 8), fill=mix(top, (252, 226, 184), 0.5))
        d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=(250, 214, 160))
    if ridges is not None:
        part = img.crop(box)
        mountains(part, ridges - y0, layers=((190, 222, 220), (160, 204, 204), (132, 186, 188)),
                  seed=seed)
        img.paste(part, (x0, y0))


def greyed(img, lighten=0.35):
    """The inactive look of a picture: its colours washed out towards light grey."""
    g = ImageOps.grayscale(img).convert("RGB")
    g = ImageEnhance.Contrast(g).enhance(0.7)
    return Image.blend(g, Image.new("RGB", img.size, (236, 238, 238)), lighten)


def dimmed(img, colour=0.6, lighten=0.1):
    """The inactive look of a title: its own picture, quieter (colours muted, a little lighter),
    so that the strip keeps its look and no grey patch stands out on it."""
    muted = ImageEnhance.Color(img).enhance(colour)
    return Image.blend(muted, Image.new("RGB", img.size, (236, 238, 238)), lighten)


def crop_of(base, box):
    """The part of a background under a control: what a look picture is drawn upon."""
    x, y, w, h = box
    return base.crop((x, y, x + w, y + h))


def rect(x, y, w, h):
    return (x, y, x + w - 1, y + h - 1)


# Icons: small vector glyphs drawn into a box, in one line weight.

SS = 4  # supersampling factor of the small vector drawings


def smooth(img, box, draw):
    """Runs draw(canvas, scaled_box) on a SS-times enlarged copy of the area around box and puts
    the area back reduced, so shapes get smooth edges while untouched pixels stay exact."""
    x0, y0, x1, y1 = box
    ax0, ay0 = max(0, int(math.floor(x0)) - 2), max(0, int(math.floor(y0)) - 2)
    ax1, ay1 = min(img.size[0], int(math.ceil(x1)) + 3), min(img.size[1], int(math.ceil(y1)) + 3)
    if ax1 <= ax0 or ay1 <= ay0:
        return
    part = img.crop((ax0, ay0, ax1, ay1))
    big = part.resize((part.size[0] * SS, part.size[1] * SS), Image.NEAREST)
    draw(big, ((x0 - ax0) * SS, (y0 - ay0) * SS, (x1 - ax0) * SS, (y1 - ay0) * SS))
    img.paste(big.resize(part.size, Image.BOX), (ax0, ay0))


def icon(img, kind, box, color=TEAL_DARK, accent=ACCENT):
    """A small vector glyph of the kit, drawn smooth into box."""
    smooth(img, box, lambda big, b: _icon(big, kind, b, color, accent))


def _icon(img, kind, box, color, accent):
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    s = min(w, h)
    lw = max(2, int(round(s / 10)))
    if kind == "en":
        label(img, (cx, cy + 1), "A", size=int(s * 0.72), fill=color, kind="latin-bold")
        d.line((cx + s * 0.18, cy + s * 0.32, cx + s * 0.42, cy + s * 0.32), fill=accent, width=lw)
    elif kind == "zh":
        label(img, (cx, cy), "中", size=int(s * 0.78), fill=color, kind="cjk")
    elif kind == "pen":
        d.polygon([(x0 + s * 0.15, y1 - s * 0.12), (x0 + s * 0.25, y1 - s * 0.35),
                   (x1 - s * 0.2, y0 + s * 0.1), (x1 - s * 0.08, y0 + s * 0.22),
                   (x0 + s * 0.38, y1 - s * 0.22)], fill=color)
        d.line((x0 + s * 0.1, y1 - s * 0.06, x0 + s * 0.6, y1 - s * 0.06), fill=accent, width=lw)
    elif kind == "game":
        d.rounded_rectangle((x0 + s * 0.04, cy - s * 0.24, x1 - s * 0.04, cy + s * 0.28),
                            radius=s * 0.2, fill=color)
        d.line((x0 + s * 0.2, cy + 0.02 * s, x0 + s * 0.42, cy + 0.02 * s), fill=PAPER, width=lw)
        d.line((x0 + s * 0.31, cy - s * 0.09, x0 + s * 0.31, cy + s * 0.13), fill=PAPER, width=lw)
        r = s * 0.06
        for px, py, c in ((x1 - s * 0.3, cy - s * 0.04, accent), (x1 - s * 0.18, cy + s * 0.08, ACCENT_LIGHT)):
            d.ellipse((px - r, py - r, px + r, py + r), fill=c)
    elif kind == "clock":
        r = s * 0.4
        d.ellipse((cx - r, cy - r + s * 0.05, cx + r, cy + r + s * 0.05), outline=color, width=lw)
        d.rectangle((cx - s * 0.08, cy - r - s * 0.08, cx + s * 0.08, cy - r), fill=color)
        d.line((cx, cy + s * 0.05, cx, cy - r * 0.55), fill=color, width=lw)
        d.line((cx, cy + s * 0.05, cx + r * 0.5, cy + s * 0.05), fill=accent, width=lw)
    elif kind == "more":
        r = s * 0.17
        for i in (-1, 1):
            for j in (-1, 1):
                px, py = cx + i * s * 0.22, cy + j * s * 0.22
                d.rounded_rectangle((px - r, py - r, px + r, py + r), radius=r * 0.45,
                                    fill=accent if (i, j) == (1, -1) else color)
    elif kind == "gear":
        r1, r2 = s * 0.42, s * 0.3
        pts = []
        for k in range(32):
            a = k * math.pi / 16
            r = r1 if (k // 2) % 2 == 0 else r2
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
        d.polygon(pts, fill=color)
        d.ellipse((cx - s * 0.13, cy - s * 0.13, cx + s * 0.13, cy + s * 0.13), fill=accent)
    elif kind == "help":
        label(img, (cx, cy + 1), "?", size=int(s * 0.8), fill=color, kind="latin-bold")
    elif kind == "info":
        label(img, (cx, cy + 1), "i", size=int(s * 0.8), fill=color, kind="latin-bold")
    elif kind == "min":
        d.line((cx - s * 0.3, cy + s * 0.2, cx + s * 0.3, cy + s * 0.2), fill=color, width=lw + 1)
    elif kind in ("close", "cross"):
        k = s * 0.26
        d.line((cx - k, cy - k, cx + k, cy + k), fill=color, width=lw + 1)
        d.line((cx - k, cy + k, cx + k, cy - k), fill=color, width=lw + 1)
    elif kind == "check":
        d.line([(cx - s * 0.32, cy), (cx - s * 0.08, cy + s * 0.24), (cx + s * 0.34, cy - s * 0.26)],
               fill=color, width=lw + 1, joint="curve")
    elif kind == "retry":
        r = s * 0.3
        d.arc((cx - r, cy - r, cx + r, cy + r), 40, 330, fill=color, width=lw + 1)
        ax, ay = cx + r * math.cos(math.radians(40)), cy + r * math.sin(math.radians(40))
        d.polygon([(ax + s * 0.14, ay - s * 0.02), (ax - s * 0.1, ay - s * 0.02),
                   (ax + s * 0.04, ay + s * 0.18)], fill=color)
    elif kind in ("next", "play"):
        d.polygon([(cx - s * 0.22, cy - s * 0.3), (cx + s * 0.3, cy), (cx - s * 0.22, cy + s * 0.3)],
                  fill=color)
    elif kind == "pause":
        for dx in (-0.17, 0.09):
            d.rounded_rectangle((cx + s * dx, cy - s * 0.28, cx + s * (dx + 0.09), cy + s * 0.28),
                                radius=1, fill=color)
    elif kind == "stop":
        d.rounded_rectangle((cx - s * 0.24, cy - s * 0.24, cx + s * 0.24, cy + s * 0.24), radius=3,
                            fill=color)
    elif kind == "ear":  # headphones: the dictation practices
        r = s * 0.34
        d.arc((cx - r, cy - r - s * 0.05, cx + r, cy + r - s * 0.05), 180, 360, fill=color, width=lw)
        for sx in (-1, 1):
            px = cx + sx * r
            d.rounded_rectangle((px - s * 0.1, cy - s * 0.06, px + s * 0.1, cy + s * 0.32), radius=2,
                                fill=color if sx < 0 else accent)
    elif kind == "flag":
        d.line((cx - s * 0.28, cy - s * 0.38, cx - s * 0.28, cy + s * 0.4), fill=color, width=lw)
        d.polygon([(cx - s * 0.26, cy - s * 0.38), (cx + s * 0.34, cy - s * 0.22),
                   (cx - s * 0.26, cy - s * 0.04)], fill=accent)
    elif kind == "globe":
        r = s * 0.42
        d.ellipse((cx - r, cy - r, cx + r, cy + r), outline=color, width=lw)
        d.ellipse((cx - r * 0.45, cy - r, cx + r * 0.45, cy + r), outline=color, width=max(1, lw - 1))
        d.line((cx - r, cy, cx + r, cy), fill=color, width=max(1, lw - 1))
    elif kind == "bag":
        d.rounded_rectangle((cx - s * 0.32, cy - s * 0.14, cx + s * 0.32, cy + s * 0.38), radius=3,
                            fill=color)
        d.arc((cx - s * 0.18, cy - s * 0.38, cx + s * 0.18, cy + s * 0.08), 180, 360, fill=color,
              width=lw)
    elif kind == "mail":
        d.rectangle((cx - s * 0.38, cy - s * 0.26, cx + s * 0.38, cy + s * 0.26), outline=color,
                    width=lw)
        d.line([(cx - s * 0.38, cy - s * 0.26), (cx, cy + s * 0.04), (cx + s * 0.38, cy - s * 0.26)],
               fill=color, width=lw)
    elif kind == "book":
        d.polygon([(cx, cy - s * 0.2), (cx - s * 0.4, cy - s * 0.32), (cx - s * 0.4, cy + s * 0.26),
                   (cx, cy + s * 0.36)], fill=color)
        d.polygon([(cx + 1, cy - s * 0.2), (cx + s * 0.4, cy - s * 0.32), (cx + s * 0.4, cy + s * 0.26),
                   (cx + 1, cy + s * 0.36)], fill=mix(color, WHITE, 0.3))
    elif kind == "chart":
        for i, hh in enumerate((0.3, 0.55, 0.42, 0.7)):
            bx = x0 + s * (0.12 + i * 0.2)
            d.rectangle((bx, y1 - s * 0.12 - s * hh, bx + s * 0.13, y1 - s * 0.12),
                        fill=accent if i == 3 else color)
    elif kind == "warn":
        d.polygon([(cx, cy - s * 0.4), (cx + s * 0.44, cy + s * 0.36), (cx - s * 0.44, cy + s * 0.36)],
                  fill=accent)
        label(img, (cx, cy + s * 0.1), "!", size=int(s * 0.5), fill=WHITE, kind="latin-bold")
    elif kind == "star":
        pts = []
        for k in range(10):
            a = -math.pi / 2 + k * math.pi / 5
            r = s * 0.45 if k % 2 == 0 else s * 0.19
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
        d.polygon(pts, fill=accent)
    else:
        raise ValueError("no icon " + kind)


# Buttons: every picture button of the skin is drawn by this one function, in one of LOOKS.

def button(img, box, look="normal", text=None, glyph=None, radius=None, size=None, round_=False,
           row=False):
    """A picture button: a rounded tile with an optional glyph above an optional caption.

    normal: calm paper tile; hover: lit, warm rim; pressed: sunk, darker; selected: warm face;
    disabled: grey."""
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    w, h = x1 - x0 + 1, y1 - y0 + 1
    radius = radius if radius is not None else max(3, min(w, h) // 4)
    if round_:
        radius = min(w, h) // 2
    faces = {
        "normal": ((250, 253, 250), (214, 236, 234), TEAL, TEAL_DARK),
        "hover": ((255, 250, 240), (252, 222, 180), ACCENT, TEAL_DARK),
        "pressed": ((206, 228, 226), (170, 208, 206), TEAL_DARK, TEAL_DARK),
        "selected": ((252, 214, 168), (240, 170, 100), (196, 108, 36), (112, 56, 20)),
        "disabled": ((238, 240, 240), (220, 224, 224), (180, 188, 190), (160, 168, 170)),
    }
    if look == "flat":  # at rest on a menu or a page: only the glyph and the caption
        top = bottom = rim = None
        ink = TEAL_DARK
        sink = 0
    else:
        top, bottom, rim, ink = faces[look]
        sink = 1 if look in ("pressed", "selected") else 0
    if look == "flat":
        pass
    elif look == "hover":  # a soft warm glow around the lit tile
        glow = Image.new("L", img.size, 0)
        ImageDraw.Draw(glow).rounded_rectangle(box, radius=radius, fill=120)
        glow = glow.filter(ImageFilter.GaussianBlur(2))
        img.paste(Image.new("RGB", img.size, ACCENT_LIGHT), (0, 0), glow)
    elif look == "normal":
        d.rounded_rectangle((x0 + 1, y0 + 2, x1, y1), radius=radius, fill=mix(SHADOW, MIST_BOTTOM, 0.6))
    if look == "flat":
        _button_content(img, box, ink, 0, glyph, text, size, row)
        return img
    face = Image.new("RGB", (w, h))
    if look in ("pressed", "selected"):
        vgradient(face, (0, 0, w, h), bottom, top)
    else:
        vgradient(face, (0, 0, w, h), top, bottom)
    mask = Image.new("L", (w, h), 0)
    ImageDraw.Draw(mask).rounded_rectangle((0, 0, w - 1 - (0 if sink else 1), h - 1 - (0 if sink else 1)),
                                           radius=radius, fill=255)
    img.paste(face, (x0, y0), mask)
    d.rounded_rectangle((x0, y0, x1 - (0 if sink else 1), y1 - (0 if sink else 1)), radius=radius,
                        outline=rim, width=1)
    if look in ("pressed", "selected"):
        d.arc((x0 + 1, y0 + 1, x0 + 2 * radius, y0 + 2 * radius), 180, 270, fill=mix(rim, (0, 0, 0), 0.2))
        d.line((x0 + radius, y0 + 1, x1 - radius, y0 + 1), fill=mix(bottom, (0, 0, 0), 0.15))
    else:
        d.line((x0 + radius, y0 + 1, x1 - radius - 1, y0 + 1), fill=WHITE)
    _button_content(img, box, ink, sink, glyph, text, size, row)
    return img


def _button_content(img, box, ink, sink, glyph, text, size, row):
    x0, y0, x1, y1 = box
    w, h = x1 - x0 + 1, y1 - y0 + 1
    cx = (x0 + x1 + 1) / 2 + sink
    if row and glyph and text:  # glyph at the left, caption beside it (menu items)
        gs = min(h - 8, 16)
        gx = x0 + 5 + sink
        cy = (y0 + y1 + 1) / 2 + sink
        icon(img, glyph, (gx, cy - gs / 2, gx + gs, cy + gs / 2), color=ink)
        tx = gx + gs + 4
        label(img, (tx, cy), text, size=size or 12, fill=ink, anchor="lm", max_w=x1 - tx - 2)
    elif glyph and text:
        tsize = size or max(9, min(12, h // 4))
        gh = h - tsize - 6
        gs = min(w - 6, gh)
        icon(img, glyph, (cx - gs / 2, y0 + 3 + sink, cx + gs / 2, y0 + 3 + gs + sink), color=ink)
        label(img, (cx, y1 - 2 - tsize / 2 + sink), text, size=tsize, fill=ink, max_w=w - 4)
    elif glyph:
        gs = min(w, h) * 0.72
        cy = (y0 + y1 + 1) / 2 + sink
        icon(img, glyph, (cx - gs / 2, cy - gs / 2, cx + gs / 2, cy + gs / 2), color=ink)
    elif text:
        tsize = size or max(9, min(14, int(h * 0.55)))
        label(img, (cx, (y0 + y1 + 1) / 2 + sink), text, size=tsize, fill=ink, max_w=w - 6)


def look_picture(base, box, draw_look):
    """A look picture of a control lying on `base` at box (x, y, w, h): the background under
    the control with the look drawn over it, so the picture blends into the window."""
    part = crop_of(base, box)
    draw_look(part, (0, 0, box[2] - 1, box[3] - 1))
    return part


def page_ground(w, h, seed=4):
    """The ground of a practice page: light mist with faint ridges along the bottom."""
    img = Image.new("RGB", (w, h))
    mist(img, top=(238, 248, 246), bottom=(204, 230, 228), ridges=h - 24, seed=seed)
    return img


def status_strip(img, box):
    """The strip along the bottom of a page where the course, accuracy, progress and time
    labels sit."""
    x0, y0, x1, y1 = box
    card(img, box, fill=(250, 253, 250), radius=8, shadow=False)
