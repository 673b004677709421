"""The table of named bitmaps that the picture sets fill."""

from artkit import canvas

BITMAPS = {}


def bitmap(name, width, height):
    """Registers the decorated function as the drawing of bitmap `name` (width × height pixels)."""
    def wrap(fn):
        key = name.lower()
        if key in BITMAPS:
            raise ValueError("bitmap drawn twice: " + name)
        BITMAPS[key] = (width, height, fn)
        return fn
    return wrap


def render(name):
    w, h, fn = BITMAPS[name.lower()]
    img = canvas(w, h)
    out = fn(img)
    return out if out is not None else img
