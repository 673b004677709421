"""Start-up pictures: the splash."""

from PIL import ImageDraw

from artkit import (ACCENT, ACCENT_LIGHT, INK, MIST_BOTTOM, MIST_TOP, PAPER, TEAL_DARK, WHITE,
                    font, key_cap, mountains, shadowed_text, vgradient)
from registry import bitmap


@bitmap("qd", 425, 240)
def splash(img):
    w, h = img.size
    vgradient(img, (0, 0, w, h), MIST_TOP, MIST_BOTTOM)
    d = ImageDraw.Draw(img)
    # A low sun behind the ridges.
    d.ellipse((300, 28, 372, 100), fill=(252, 226, 184))
    d.ellipse((310, 38, 362, 90), fill=(250, 208, 150))
    mountains(img, 150)
    shadowed_text(img, (28, 34), "青岚键坊", font("cjk", 46), fill=WHITE, shadow=TEAL_DARK)
    d.text((32, 96), "Quillon", font=font("latin-bold", 16), fill=TEAL_DARK)
    d.text((110, 95), "打字教室", font=font("cjk", 16), fill=TEAL_DARK)
    d.line((32, 120, 210, 120), fill=ACCENT, width=2)
    # A row of keys: the home row under the fingers.
    x = 30
    for label in "ASDF":
        key_cap(img, (x, 134, x + 30, 164), label, face=PAPER if label != "F" else ACCENT_LIGHT)
        x += 34
    x += 10
    for label in "JKL;":
        key_cap(img, (x, 134, x + 30, 164), label, face=PAPER if label != "J" else ACCENT_LIGHT)
        x += 34
    # The area behind the registered-user captions stays calm and light.
    d.rounded_rectangle((252, 184, 412, 230), radius=6, fill=(236, 246, 244), outline=(200, 226, 224))
    d.text((16, h - 14), "正在启动…", font=font("cjk", 11), fill=INK, anchor="ls")
