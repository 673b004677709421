"""The table of named bitmaps that the picture sets fill."""

from artkit import canvas

BITMAPS = {}
FILES = {}  # picture files of the program folder: path -> (width, height, drawing)


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


def picture_file(path, width, height):
    """Registers the decorated function as the drawing of a picture file of the program folder
    (a path such as "Lib/zylr2.jpg"; its extension chooses the format)."""
    def wrap(fn):
        if path in FILES:
            raise ValueError("picture file drawn twice: " + path)
        FILES[path] = (width, height, fn)
        return fn
    return wrap


def render_file(path):
    w, h, fn = FILES[path]
    img = canvas(w, h)
    out = fn(img)
    return out if out is not None else img


# Sprite frames of the main window's image list, built into the tutor itself: index -> (width,
# height, drawing). A frame's background is MASK, the colour left out where it is shown.
FRAMES = {}
MASK = (255, 0, 255)


def frame(index, width, height):
    """Registers the decorated function as the drawing of image-list frame `index` (1-based)."""
    def wrap(fn):
        if index in FRAMES:
            raise ValueError("frame drawn twice: %d" % index)
        FRAMES[index] = (width, height, fn)
        return fn
    return wrap


def render_frame(index):
    w, h, fn = FRAMES[index]
    img = canvas(w, h, MASK)
    out = fn(img)
    return out if out is not None else img
