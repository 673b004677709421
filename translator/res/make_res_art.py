"""Draws Lingvane's pictures in the suite's art style.

usage: make_res_art.py OUTDIR

splash.bmp  bitmap 143: the splash and the About box's background (340 x 240, 256 colours);
            the About box scrolls its credits through the rows 55 to 185, so that band stays
            dark and calm for the light text.
logo.bmp    the logo the credits show, on the light grey (192,192,192) that the credits leave
            out.
lingvane.ico the program and tray icon (16, 32 and 48 pixels).
tb155.bmp, tb156.bmp
            the shaped bar's two button strips (16 x 15 pictures on the see-through grey).
tb198.bmp, bar203.bmp, tb196.bmp
            the compact bar's buttons: 12 x 12 pictures, 203 in the compact bar's own tint,
            and its two small window buttons (7 x 7).
bar205.bmp  the shaped bar's background, 249 x 72: the active look in rows 0-35, the inactive
            look in rows 36-71.
bar129.bmp  the compact bar's background, 198 x 27 (the gripper is drawn by the program).
point.cur   the cursor over the buttons: a pointing brush tip.
books164.bmp the dictionary list's two 16 x 16 pictures on white (see-through): a closed
            book (not in use) and an open book (in use).
outbar_hand.cur, outbar_drag.cur, outbar_nodrop.cur
            the outlook bar's cursors: a pointing hand over folder bars (hot spot 6,0), an
            item being carried (11,8) and a barred circle where it cannot go (17,15).
"""

import io
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "art"))

from PIL import Image, ImageDraw  # noqa: E402

from artkit import (ACCENT, ACCENT_LIGHT, GREY, INK, MIST_TOP, PAPER, RED, TEAL,  # noqa: E402
                    TEAL_DARK, TEAL_LIGHT, WHITE, font, mix, mountains, shadowed_text,
                    vgradient)

KEY_GREY = (192, 192, 192)
BAND_TOP, BAND_BOTTOM = 55, 185


def splash():
    w, h = 340, 240
    img = Image.new("RGB", (w, h))
    # Dusk over the ridges: deep teal above, ink in the credits band, mist on the hills.
    vgradient(img, (0, 0, w, BAND_TOP), mix(TEAL_DARK, TEAL, 0.35), TEAL_DARK)
    vgradient(img, (0, BAND_TOP, w, BAND_BOTTOM), TEAL_DARK, mix(INK, TEAL_DARK, 0.35))
    vgradient(img, (0, BAND_BOTTOM, w, h), mix(INK, TEAL_DARK, 0.35), TEAL_DARK)
    d = ImageDraw.Draw(img)
    # A pale moon and a few stars, kept to the band's edges.
    d.ellipse((272, 16, 304, 48), fill=mix(MIST_TOP, ACCENT_LIGHT, 0.35))
    d.ellipse((280, 14, 308, 42), fill=mix(TEAL_DARK, TEAL, 0.3))
    for i in range(18):
        x = (i * 97 + 23) % w
        y = BAND_TOP + 4 + (i * 53) % (BAND_BOTTOM - BAND_TOP - 8)
        if 70 < x < 270:
            continue
        d.point((x, y), fill=mix(TEAL_LIGHT, WHITE, 0.5))
    # A faint ink-brush ring behind the band: seen on the splash, quiet under the credits.
    faint = mix(TEAL_DARK, TEAL, 0.22)
    cx, cy, r = w // 2, (BAND_TOP + BAND_BOTTOM) // 2, 52
    for k in range(7):
        a0 = 200 + k * 2
        d.arc((cx - r + k, cy - r + k, cx + r - k, cy + r - k), a0, a0 + 300 - k * 9, fill=faint,
              width=2)
    mountains(img, 206, layers=(mix(TEAL_DARK, TEAL, 0.5), (24, 100, 108), (18, 72, 80)),
              seed=5)
    shadowed_text(img, (16, 10), "青岚墨译", font("cjk", 30), fill=WHITE, shadow=INK)
    d.text((150, 14), "Lingvane", font=font("latin-bold", 15), fill=ACCENT_LIGHT)
    d.text((150, 33), "界面翻译工具", font=font("cjk", 12), fill=MIST_TOP)
    d.line((16, 49, 324, 49), fill=ACCENT, width=2)
    d.text((w - 10, h - 8), "青岚软件 Larkmoor", font=font("cjk", 11), fill=MIST_TOP,
           anchor="rs")
    return img.quantize(256, method=Image.Quantize.MEDIANCUT)


def logo():
    w, h = 196, 44
    img = Image.new("RGB", (w, h), KEY_GREY)
    d = ImageDraw.Draw(img)
    # A badge with hard edges, so that no edge pixel blends into the left-out grey.
    d.rounded_rectangle((0, 0, w - 1, h - 1), radius=9, fill=TEAL_DARK)
    d.rounded_rectangle((3, 3, w - 4, h - 4), radius=7, fill=TEAL)
    d.rectangle((3, h - 10, w - 4, h - 8), fill=ACCENT)
    # The vane: an ink brush stroke crossing a small wind arrow.
    d.ellipse((10, 8, 36, 34), fill=PAPER)
    d.polygon([(14, 28), (31, 11), (33, 13), (17, 30)], fill=INK)
    d.polygon([(29, 9), (35, 8), (34, 14)], fill=ACCENT)
    d.text((42, 6), "Lingvane", font=font("latin-bold", 17), fill=WHITE)
    d.text((146, 7), "墨译", font=font("cjk", 18), fill=ACCENT_LIGHT)
    # Inside the badge no pixel may be the left-out grey.
    pixels = img.load()
    for y in range(3, h - 3):
        for x in range(3, w - 3):
            if pixels[x, y] == KEY_GREY:
                pixels[x, y] = (193, 193, 193)
    return img


def icon(size):
    img = Image.new("RGBA", (size, size), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    r = max(2, size // 6)
    d.rounded_rectangle((0, 0, size - 1, size - 1), radius=r, fill=TEAL_DARK + (255,))
    d.rounded_rectangle((1, 1, size - 2, size - 2), radius=max(1, r - 1), fill=TEAL + (255,))
    band = max(2, size // 8)
    d.rectangle((1, size - 1 - band - max(1, size // 16), size - 2, size - 1 - max(1, size // 16)),
                fill=ACCENT + (255,))
    fnt = font("cjk", int(size * 0.78))
    d.text((size / 2, size * 0.44), "译", font=fnt, fill=WHITE + (255,), anchor="mm")
    return img


# --- the floating bar ---

def _glyph(d, kind, x, y, s, ink, accent):
    """One button picture in a box of s pixels at (x, y)."""
    u = s / 16.0

    def P(px, py):
        return (x + px * u, y + py * u)

    if kind == "quick":  # a lightning stroke: translate at once
        d.polygon([P(9, 1), P(3, 9), P(7, 9), P(5, 15), P(13, 6), P(9, 6), P(11, 1)], fill=accent,
                  outline=ink)
    elif kind == "restore":  # the Latin letter back again
        d.text(P(8, 9), "A", font=font("latin-bold", max(10, int(14 * u))), fill=ink, anchor="mm")
        d.arc([P(0, 0), P(16, 16)], 200, 340, fill=accent, width=max(1, int(2 * u)))
    elif kind == "localise":  # the Chinese character for Chinese
        d.text(P(8, 8), "汉", font=font("cjk", s), fill=ink, anchor="mm")
    elif kind == "fulltext":  # a page of lines
        d.rectangle([P(3, 1), P(13, 14)], fill=PAPER, outline=ink)
        for i in range(4):
            d.line([P(5, 4 + i * 2.6), P(11 - (i == 3) * 3, 4 + i * 2.6)], fill=TEAL, width=1)
    elif kind == "dict":  # an open book with a brush
        d.polygon([P(1, 4), P(8, 6), P(8, 15), P(1, 13)], fill=PAPER, outline=ink)
        d.polygon([P(15, 4), P(8, 6), P(8, 15), P(15, 13)], fill=PAPER, outline=ink)
        d.line([P(13, 0), P(9, 9)], fill=accent, width=max(1, int(2 * u)))
    elif kind == "tools":  # a spanner
        d.line([P(3, 13), P(10, 6)], fill=ink, width=max(2, int(3 * u)))
        d.ellipse([P(8, 1), P(15, 8)], fill=ink)
        d.ellipse([P(11, 2), P(14, 5)], fill=KEY_GREY)
        d.ellipse([P(2, 12), P(4, 14)], fill=accent)
    elif kind == "settings":  # a gear
        cx, cy = P(8, 8)
        for k in range(8):
            a = k * math.pi / 4
            d.line([(cx + math.cos(a) * 3 * u, cy + math.sin(a) * 3 * u),
                    (cx + math.cos(a) * 7 * u, cy + math.sin(a) * 7 * u)], fill=ink,
                   width=max(2, int(2.5 * u)))
        d.ellipse([P(3, 3), P(13, 13)], fill=ink)
        d.ellipse([P(6, 6), P(10, 10)], fill=accent)
    elif kind == "close":
        w = max(1, int(2 * u))
        d.line([P(3, 3), P(13, 13)], fill=RED, width=w)
        d.line([P(13, 3), P(3, 13)], fill=RED, width=w)
    elif kind == "minimise":
        d.rectangle([P(2, 11), P(14, 14)], fill=ink)


def button_strip(kinds, s, ink=TEAL_DARK, accent=ACCENT, height=None, chip=MIST_TOP):
    h = height or s
    img = Image.new("RGB", (s * len(kinds), h), KEY_GREY)
    d = ImageDraw.Draw(img)
    d.fontmode = "1"  # crisp strokes: no blending into the see-through grey
    for i, kind in enumerate(kinds):
        # Each picture sits on a light chip, so that it reads on the bar's dark strip.
        x0, y0 = i * s, (h - s) // 2
        if s >= 12:
            d.rounded_rectangle((x0, y0, x0 + s - 1, y0 + s - 1), radius=max(2, s // 4),
                                fill=chip, outline=mix(chip, ink, 0.35))
        _glyph(d, kind, x0, y0, s, ink, accent)
    return _no_soft_grey(img)


def _no_soft_grey(img):
    # Only exact light grey is see-through; keep drawn pixels off it.
    px = img.load()
    for y in range(img.size[1]):
        for x in range(img.size[0]):
            if px[x, y] != KEY_GREY and all(abs(c - 192) < 3 for c in px[x, y]):
                px[x, y] = (188, 188, 188)
    return img


def shaped_background():
    w, h = 249, 72
    img = Image.new("RGB", (w, h), TEAL_DARK)
    for row, (top, bottom, ring) in enumerate((
            (mix(TEAL_LIGHT, TEAL, 0.45), TEAL_DARK, ACCENT),
            (mix(GREY, TEAL_LIGHT, 0.4), mix(GREY, TEAL_DARK, 0.55), mix(GREY, ACCENT, 0.5)))):
        y0 = row * 36
        vgradient(img, (0, y0, w, y0 + 36), top, bottom)
        d = ImageDraw.Draw(img)
        d.line((0, y0 + 1, w, y0 + 1), fill=mix(top, WHITE, 0.5))
        d.line((0, y0 + 29, w, y0 + 29), fill=mix(bottom, INK, 0.5))
        # The round grip under the middle: a ring of accent, four arrows on paper.
        # The window shows the grip as the disc (108,3)-(142,37), apart from the strip.
        d.ellipse((108, y0 + 3, 142, y0 + 37), fill=ring)
        d.ellipse((110, y0 + 5, 140, y0 + 35), fill=mix(top, PAPER, 0.6))
        cx, cy = 125, y0 + 20
        arrow = mix(TEAL_DARK, INK, 0.4) if row == 0 else GREY
        for dx, dy in ((0, -1), (0, 1), (-1, 0), (1, 0)):
            tip = (cx + dx * 12, cy + dy * 12)
            base = (cx + dx * 7, cy + dy * 7)
            side = (dy * 4, dx * 4)
            d.polygon([tip, (base[0] + side[0], base[1] + side[1]),
                       (base[0] - side[0], base[1] - side[1])], fill=arrow)
        d.ellipse((cx - 3, cy - 3, cx + 3, cy + 3), fill=arrow)
    return img.quantize(256, method=Image.Quantize.MEDIANCUT)


def compact_background():
    w, h = 198, 27
    img = Image.new("RGB", (w, h))
    vgradient(img, (0, 0, w, h), mix(TEAL_LIGHT, TEAL, 0.45), TEAL_DARK)
    d = ImageDraw.Draw(img)
    d.line((0, 0, w, 0), fill=mix(TEAL_LIGHT, WHITE, 0.5))
    d.line((0, h - 1, w, h - 1), fill=INK)
    d.line((w - 1, 0, w - 1, h), fill=INK)
    d.line((0, 0, 0, h), fill=mix(TEAL_LIGHT, WHITE, 0.5))
    return img.quantize(256, method=Image.Quantize.MEDIANCUT)


def cursor_bytes():
    """A 32 x 32 cursor: a brush tip pointing up-left, hot spot at its point."""
    img = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    body = [(1, 1), (12, 5), (8, 8), (19, 19), (16, 22), (5, 11), (2, 14)]
    d.polygon([(x + 1, y + 1) for x, y in body], fill=(0, 0, 0, 110))
    d.polygon(body, fill=TEAL_DARK + (255,), outline=INK + (255,))
    d.polygon([(1, 1), (6, 3), (3, 6)], fill=ACCENT + (255,))
    d.line((10, 10, 17, 17), fill=TEAL_LIGHT + (255,))
    return cursor_file(img, (1, 1))


def cursor_file(img, hot):
    """A .cur file of one 32 x 32 RGBA picture; pixels under half opacity are see-through."""
    s = 32
    px = img.load()
    xor = bytearray()
    mask = bytearray()
    for y in range(s - 1, -1, -1):
        bits = 0
        row_mask = bytearray()
        for x in range(s):
            r, g, b, a = px[x, y]
            if a < 128:
                xor += bytes((0, 0, 0, 0))
                bits = (bits << 1) | 1
            else:
                xor += bytes((b, g, r, 255))
                bits = bits << 1
            if x % 8 == 7:
                row_mask.append(bits)
                bits = 0
        mask += row_mask
    header = (40).to_bytes(4, "little") + s.to_bytes(4, "little") + (2 * s).to_bytes(4, "little")
    header += (1).to_bytes(2, "little") + (32).to_bytes(2, "little") + bytes(24)
    image = header + bytes(xor) + bytes(mask)
    out = (0).to_bytes(2, "little") + (2).to_bytes(2, "little") + (1).to_bytes(2, "little")
    out += bytes((s, s, 0, 0)) + hot[0].to_bytes(2, "little") + hot[1].to_bytes(2, "little")
    out += len(image).to_bytes(4, "little") + (22).to_bytes(4, "little")
    return out + image


def hand_cursor():
    """A pointing hand, the index finger's tip at (6, 0)."""
    img = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    ink, skin = INK + (255,), WHITE + (255,)
    d.rounded_rectangle((4, 0, 8, 14), 2, fill=skin, outline=ink)          # index finger
    for x, top in ((8, 6), (12, 7), (16, 8)):
        d.rounded_rectangle((x, top, x + 4, 15), 2, fill=skin, outline=ink)  # other fingers
    d.rounded_rectangle((1, 9, 5, 17), 2, fill=skin, outline=ink)          # thumb
    d.rounded_rectangle((3, 12, 20, 24), 4, fill=skin, outline=ink)        # palm
    d.rectangle((5, 11, 18, 13), fill=skin)
    d.line((6, 2, 6, 12), fill=TEAL_LIGHT + (255,))
    return cursor_file(img, (6, 0))


def drag_cursor():
    """An arrow carrying a small item card, the arrow's point at (11, 8)."""
    img = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    ink = INK + (255,)
    d.rectangle((12, 16, 27, 27), fill=PAPER + (255,), outline=ink)
    d.rectangle((14, 18, 19, 22), fill=TEAL + (255,))
    d.line((21, 19, 25, 19), fill=ink)
    d.line((21, 22, 25, 22), fill=ink)
    arrow = [(11, 8), (11, 24), (15, 20), (18, 27), (20, 26), (17, 19), (23, 19)]
    d.polygon(arrow, fill=WHITE + (255,), outline=ink)
    return cursor_file(img, (11, 8))


def nodrop_cursor():
    """A red barred circle centred on (17, 15)."""
    img = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    cx, cy, r = 17, 15, 9
    d.ellipse((cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1), fill=INK + (255,))
    d.ellipse((cx - r + 2, cy - r + 2, cx + r - 2, cy + r - 2), fill=(0, 0, 0, 0))
    d.ellipse((cx - r, cy - r, cx + r, cy + r), outline=RED + (255,), width=3)
    d.line((cx - 6, cy - 6, cx + 6, cy + 6), fill=RED + (255,), width=3)
    return cursor_file(img, (17, 15))


def books():
    """Two 16 x 16 pictures on white: a closed book, then an open one."""
    img = Image.new("RGB", (32, 16), WHITE)
    d = ImageDraw.Draw(img)
    # Closed: a cover with a spine and the page edges.
    d.rectangle((3, 2, 12, 13), fill=TEAL_DARK, outline=INK)
    d.rectangle((3, 2, 4, 13), fill=INK)
    d.line((5, 13, 12, 13), fill=PAPER)
    d.rectangle((7, 5, 10, 7), fill=ACCENT)
    # Open: two pages spread from the spine.
    x = 16
    d.polygon([(x + 1, 4), (x + 7, 5), (x + 7, 14), (x + 1, 13)], fill=PAPER, outline=INK)
    d.polygon([(x + 8, 5), (x + 14, 4), (x + 14, 13), (x + 8, 14)], fill=PAPER, outline=INK)
    for y in (7, 9, 11):
        d.line((x + 3, y, x + 6, y + 1), fill=TEAL)
        d.line((x + 9, y + 1, x + 12, y), fill=TEAL)
    d.line((x + 7, 3, x + 8, 3), fill=ACCENT)
    return img


def write_if_changed(path, data):
    if os.path.exists(path) and open(path, "rb").read() == data:
        os.utime(path)
        return
    with open(path, "wb") as f:
        f.write(data)


def bmp_bytes(img):
    buf = io.BytesIO()
    img.save(buf, format="BMP")
    return buf.getvalue()


def main(outdir):
    os.makedirs(outdir, exist_ok=True)
    write_if_changed(os.path.join(outdir, "splash.bmp"), bmp_bytes(splash()))
    write_if_changed(os.path.join(outdir, "logo.bmp"), bmp_bytes(logo()))
    big = icon(48)
    buf = io.BytesIO()
    big.save(buf, format="ICO", sizes=[(16, 16), (32, 32), (48, 48)],
             append_images=[icon(16), icon(32)])
    write_if_changed(os.path.join(outdir, "lingvane.ico"), buf.getvalue())
    bars = {
        "tb155.bmp": button_strip(["quick", "restore", "localise", "fulltext"], 16, height=15),
        "tb156.bmp": button_strip(["dict", "tools", "settings", "close"], 16, height=15),
        "tb198.bmp": button_strip(["quick", "restore", "localise", "fulltext", "dict", "tools",
                                   "settings", "close"], 12),
        "bar203.bmp": button_strip(["quick", "restore", "localise", "fulltext", "dict", "tools",
                                    "settings", "close"], 12, ink=INK, accent=ACCENT,
                                   chip=PAPER),
        "tb196.bmp": button_strip(["close", "minimise"], 7, ink=PAPER),
        "bar205.bmp": shaped_background(),
        "bar129.bmp": compact_background(),
    }
    for name, img in bars.items():
        write_if_changed(os.path.join(outdir, name), bmp_bytes(img))
    write_if_changed(os.path.join(outdir, "point.cur"), cursor_bytes())
    write_if_changed(os.path.join(outdir, "books164.bmp"), bmp_bytes(books()))
    write_if_changed(os.path.join(outdir, "outbar_hand.cur"), hand_cursor())
    write_if_changed(os.path.join(outdir, "outbar_drag.cur"), drag_cursor())
    write_if_changed(os.path.join(outdir, "outbar_nodrop.cur"), nodrop_cursor())


if __name__ == "__main__":
    main(sys.argv[1])
