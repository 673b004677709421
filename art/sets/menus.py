"""The five drop-down menus: backgrounds "cd0" to "cd4" with their items at rest, and the items'
hover pictures ("menue", "menuc", "menuy", "menuce", "menuq" followed by the item)."""

from PIL import Image, ImageDraw

from artkit import MIST_TOP, PAPER, TEAL, TEAL_LIGHT, WHITE, button, cached, crop_of, vgradient
from registry import bitmap

# menu: (inner width, inner height, visible width, prefix, item left, tops, item w, item h, items)
MENUS = [
    (87, 132, 87, "menue", 8, (2, 32, 62, 92), 70, 27,
     [("en", "键位练习"), ("book", "单词练习"), ("pen", "文章练习"), ("ear", "听打练习")]),
    (92, 101, 87, "menuc", 8, (3, 33, 63), 70, 26,
     [("zh", "五笔练习"), ("en", "拼音练习"), ("ear", "听打练习")]),
    (88, 132, 88, "menuy", 9, (2, 33, 62, 92), 70, 27,
     [("star", "警察抓贼"), ("game", "气球灰狼"), ("more", "鼠洞捉鼠"), ("flag", "青蛙过河")]),
    (88, 72, 88, "menuce", 10, (3, 33), 69, 26,
     [("book", "对照原稿"), ("chart", "对照文档")]),
    (88, 162, 88, "menuq", 9, (3, 33, 63, 93, 123), 70, 26,
     [("gear", "系统设置"), ("chart", "成绩记录"), ("book", "使用教程"), ("globe", "青岚网站"),
      ("mail", "联系我们")]),
]


@cached
def menu_ground(m):
    w, h, vis = MENUS[m][0], MENUS[m][1], MENUS[m][2]
    img = Image.new("RGB", (w, h), PAPER)
    vgradient(img, (0, 0, vis, h), (252, 254, 252), MIST_TOP)
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, vis - 1, h - 1), outline=TEAL)
    d.line((1, 1, vis - 2, 1), fill=WHITE)
    # Thin rules between the items.
    _, _, _, _, left, tops, iw, ih, _ = MENUS[m]
    for t in tops[1:]:
        y = t - 2
        d.line((left + 4, y, left + iw - 4, y), fill=TEAL_LIGHT)
    return img


def _item_box(m, i):
    _, _, _, _, left, tops, iw, ih, _ = MENUS[m]
    return (left, tops[i], iw, ih)


def _draw_item(img, box, m, i, look):
    glyph, text = MENUS[m][8][i]
    button(img, box, look, text=text, glyph=glyph, row=True, size=12, radius=5)


@cached
def menu_face(m):
    img = menu_ground(m)
    for i in range(len(MENUS[m][5])):
        x, y, w, h = _item_box(m, i)
        _draw_item(img, (x, y, x + w - 1, y + h - 1), m, i, "flat")
    return img


def _register(m):
    w, h = MENUS[m][0], MENUS[m][1]

    @bitmap(f"cd{m}", w, h)
    def background(img):
        return menu_face(m)

    for i in range(len(MENUS[m][5])):
        _register_item(m, i)


def _register_item(m, i):
    x, y, w, h = _item_box(m, i)

    @bitmap(MENUS[m][3] + str(i), w, h)
    def hover(img):
        part = crop_of(menu_ground(m), (x, y, w, h))
        _draw_item(part, (0, 0, w - 1, h - 1), m, i, "hover")
        return part


for _m in range(len(MENUS)):
    _register(_m)
