"""Draws Lingvane's pictures in the suite's art style.

usage: make_res_art.py OUTDIR

splash.bmp  bitmap 143: the splash and the About box's background (340 x 240, 256 colours);
            the About box scrolls its credits through the rows 55 to 185, so that band stays
            dark and calm for the light text.
logo.bmp    the logo the credits show, on the light grey (192,192,192) that the credits leave
            out.
lingvane.ico the program and tray icon (16, 32 and 48 pixels).
"""

import io
import math
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "art"))

from PIL import Image, ImageDraw  # noqa: E402

from artkit import (ACCENT, ACCENT_LIGHT, INK, MIST_TOP, PAPER, TEAL, TEAL_DARK,  # noqa: E402
                    TEAL_LIGHT, WHITE, font, mix, mountains, shadowed_text, vgradient)

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


if __name__ == "__main__":
    main(sys.argv[1])
