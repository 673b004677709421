"""Function-bar buttons: "m" followed by 2i + 1 (hover) and 2i + 2 (selected or pressed) for
button i; the normal look is part of the main window's face."""

from artkit import crop_of
from registry import bitmap
from sets.mainwindow import BAR_BUTTONS, bar_button, title_strip


def _register(index, number, look):
    x, y, w, h = BAR_BUTTONS[index][0]

    @bitmap(f"m{number}", w, h)
    def draw(img):
        part = crop_of(title_strip(), (x, y, w, h))
        bar_button(part, (0, 0, w - 1, h - 1), index, look)
        return part


for _i in range(len(BAR_BUTTONS)):
    _register(_i, 2 * _i + 1, "hover")
    _register(_i, 2 * _i + 2, "selected")
