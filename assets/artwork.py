"""Drawing kit of the asset generator: palette, fonts, pixel-exact shapes and the skin bitmaps.

Every bitmap the suite shows is drawn here from code, so that the same inputs always give the same
pixels. Rules that the skin engine imposes on the pictures:

- A shaped window or button is cut to the pixels that differ from its pixel (0, 0), the key colour.
  Outer outlines are therefore drawn without anti-aliasing: a blended edge pixel would survive the
  cut as a coloured fringe. Everything inside an outline may be smooth.
- Button bitmaps hold four cells side by side: normal, pointer over it, pressed, disabled (check
  boxes and radio buttons: unchecked, unchecked + hover, checked, checked + hover).
- Bitmaps are written as 24-bit BMP.
"""

import os
import struct

from PIL import Image, ImageChops, ImageDraw, ImageFont

SS = 4  # supersampling factor for smooth glyphs and icons

# --------------------------------------------------------------------------------------------
# Palette


def rgb(hex_text):
    hex_text = hex_text.lstrip("#")
    return tuple(int(hex_text[i:i + 2], 16) for i in (0, 2, 4))


KEY = (255, 0, 255)  # cut away by the window shaping; never used inside a design

# The palette: brand blue with its lighter and deeper tones, amber as the accent. The button styles
# below spell out their tones of the same colours.
BLUE = rgb("#1F6FB2")
BLUE_DARK = rgb("#17548A")
BLUE_DEEP = rgb("#0F3A63")
BLUE_LIGHT = rgb("#4C96D8")
AMBER = rgb("#F2A900")
WHITE = (255, 255, 255)

# --------------------------------------------------------------------------------------------
# Fonts: fixed files so that every build renders the same glyphs.

FONT_FILES = {
    "latin": {
        "bold": ("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", 0),
        "bold-narrow": ("/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf", 0),
        "regular": ("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 0),
    },
    "cjk": {
        "bold": ("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc", 0),
        "bold-narrow": ("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc", 0),
        "regular": ("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc", 0),
    },
}

_font_cache = {}
_missing_cache = {}


def font(script, face, size):
    """The font of a script ("latin" or "cjk"), face ("bold", "bold-narrow", "regular") and pixel size."""
    key = (script, face, size)
    if key not in _font_cache:
        path, index = FONT_FILES[script][face]
        if not os.path.exists(path):
            raise SystemExit("generate.py: font file missing: %s" % path)
        _font_cache[key] = ImageFont.truetype(path, size, index=index,
                                              layout_engine=ImageFont.Layout.BASIC)
    return _font_cache[key]


def check_glyphs(fnt, text, where):
    """Stops the run when the font has no glyph for a character of text (it would print a box)."""
    probe = "\U0010FFFD"  # unassigned: renders as the font's missing-glyph shape
    if id(fnt) not in _missing_cache:
        m = fnt.getmask(probe)
        _missing_cache[id(fnt)] = (m.size, bytes(m))
    missing = _missing_cache[id(fnt)]
    for ch in text:
        if ch.isspace():
            continue
        m = fnt.getmask(ch)
        if (m.size, bytes(m)) == missing:
            raise SystemExit("generate.py: no glyph for %r (U+%04X) in %s, needed by %s"
                             % (ch, ord(ch), os.path.basename(fnt.path), where))


def text_width(fnt, text):
    if not text:
        return 0
    box = fnt.getbbox(text)
    return box[2] - box[0]


# --------------------------------------------------------------------------------------------
# Colour helpers and masks


def mix(c1, c2, t):
    return tuple(int(round(a + (b - a) * t)) for a, b in zip(c1, c2))


def vgradient(w, h, top, bottom):
    """A vertical linear gradient from top to bottom colour."""
    col = Image.new("RGB", (1, h))
    px = col.load()
    for y in range(h):
        px[0, y] = mix(top, bottom, y / (h - 1) if h > 1 else 0.0)
    return col.resize((w, h), Image.Resampling.NEAREST)


def rounded_mask(w, h, r):
    """Pixel-exact rounded rectangle ('L', 0 or 255): a pixel is inside when its centre is."""
    m = Image.new("L", (w, h), 255)
    if r <= 0:
        return m
    px = m.load()
    for y in range(min(r, h)):
        for x in range(min(r, w)):
            dx = r - (x + 0.5)
            dy = r - (y + 0.5)
            if dx * dx + dy * dy > r * r:
                for xx, yy in ((x, y), (w - 1 - x, y), (x, h - 1 - y), (w - 1 - x, h - 1 - y)):
                    px[xx, yy] = 0
    return m


def circle_mask(w, h, cx, cy, radius):
    """Pixel-exact disc with centre (cx, cy) in pixel coordinates (pixel centres at +0.5)."""
    m = Image.new("L", (w, h), 0)
    px = m.load()
    for y in range(h):
        for x in range(w):
            dx = x + 0.5 - cx
            dy = y + 0.5 - cy
            if dx * dx + dy * dy <= radius * radius + 0.25:
                px[x, y] = 255
    return m


def _shift(mask, dx, dy):
    out = Image.new("L", mask.size, 0)
    out.paste(mask, (dx, dy))
    return out


def erode4(mask):
    """Removes every pixel that has a 4-neighbour outside the mask (or at the image border)."""
    out = mask
    for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
        out = ImageChops.darker(out, _shift(mask, dx, dy))
    return out


def ring(mask):
    """The one-pixel outer ring of a mask and the mask inside it."""
    inner = erode4(mask)
    return ImageChops.subtract(mask, inner), inner


def row_band(mask, y0, y1):
    """The part of mask within rows y0 .. y1 - 1."""
    out = Image.new("L", mask.size, 0)
    out.paste(mask.crop((0, y0, mask.size[0], y1)), (0, y0))
    return out


def ss_mask(w, h, draw_fn, factor=SS):
    """A smooth coverage mask: draw_fn(draw, s) paints at factor times the size with fill 255."""
    big = Image.new("L", (w * factor, h * factor), 0)
    draw_fn(ImageDraw.Draw(big), factor)
    return big.resize((w, h), Image.Resampling.BOX)


def paint(img, colour, mask, offset=(0, 0)):
    img.paste(colour, (offset[0], offset[1], offset[0] + mask.size[0], offset[1] + mask.size[1]),
              mask)


def apply_key(img, mask):
    """Everything outside mask becomes the key colour; pixels inside never equal it."""
    px = img.load()
    mp = mask.load()
    w, h = img.size
    for y in range(h):
        for x in range(w):
            if mp[x, y] < 128:
                px[x, y] = KEY
            elif px[x, y] == KEY:
                px[x, y] = (254, 0, 254)
    return img


def within_256_colours(img):
    """The picture in at most 256 colours, so that it is stored 8-bit (see bmp_bytes).

    For the large pictures whose anti-aliased edges leave them a few dozen shades over 256: the
    closest pair of colours is merged, the rarer into the commoner, until 256 remain. On the pictures
    it is used for (the pairing tool's window, the wizard's step-2 pictures), no channel moves by
    more than 1 of 255, and their files shrink to a third (compiled in) or a fiftieth (run-length
    compressed). The key colour is never merged either way: window shaping cuts exactly it away.
    """
    counted = img.getcolors(1 << 24)
    if len(counted) <= 256:
        return img
    counts = {colour: n for n, colour in counted}
    colours = sorted(counts)
    # Closest first; of equally close pairs, the one with the rarest colour (fewest pixels change).
    pairs = sorted((sum((a - b) ** 2 for a, b in zip(c1, c2)), min(counts[c1], counts[c2]), i, j)
                   for i, c1 in enumerate(colours) for j, c2 in enumerate(colours[i + 1:], i + 1)
                   if KEY not in (c1, c2))
    into = {}  # merged colour -> the colour that took its pixels
    alive = len(colours)
    for _, _, i, j in pairs:
        if alive <= 256:
            break
        c1, c2 = colours[i], colours[j]
        if c1 in into or c2 in into:
            continue
        keep, drop = (c1, c2) if counts[c1] >= counts[c2] else (c2, c1)
        into[drop] = keep
        counts[keep] += counts[drop]
        alive -= 1
    final = {}
    for colour in into:
        target = colour
        while target in into:
            target = into[target]
        final[colour] = target
        if max(abs(a - b) for a, b in zip(colour, target)) > 2:
            raise ValueError("a picture of %d colours would change visibly in 256: %s became %s"
                             % (len(colours), colour, target))
    out = img.copy()
    out.putdata([final.get(colour, colour) for colour in img.getdata()])
    return out


def text_mask(w, h, lines, fnt, cx, cy, line_height, heavy=None):
    """Coverage mask of centred lines of text (anchor: middle of the line box).

    heavy: the same face at twice the size. The text is then drawn at double scale twice, one
    pixel apart, and scaled down: half a pixel of extra weight. The CJK face has no bold, and its
    strokes would look thin beside the bold Latin captions.
    """
    n = len(lines)
    if heavy is None:
        m = Image.new("L", (w, h), 0)
        d = ImageDraw.Draw(m)
        for i, line in enumerate(lines):
            y = cy + (i - (n - 1) / 2.0) * line_height
            d.text((cx, int(round(y))), line, fill=255, font=fnt, anchor="mm")
        return m
    m = Image.new("L", (w * 2, h * 2), 0)
    d = ImageDraw.Draw(m)
    for i, line in enumerate(lines):
        y = int(round(cy + (i - (n - 1) / 2.0) * line_height)) * 2
        for dx in (0, 1):
            d.text((cx * 2 + dx, y), line, fill=255, font=heavy, anchor="mm")
    return m.resize((w, h), Image.Resampling.BOX)


# --------------------------------------------------------------------------------------------
# Caption fitting


LINE_BREAK = "\\\\\\\\"  # four backslashes: where a caption goes on to a second line


def _split_two(text, fnt, script):
    """Best split of text into two lines: at blanks, or for CJK text without blanks between any
    two characters."""
    if " " in text.strip():
        words = text.split(" ")
        options = [(" ".join(words[:i]), " ".join(words[i:])) for i in range(1, len(words))]
    elif script == "cjk":
        no_start = set("、。，．,.！？!?：:；;）)」』”’ーをがにはのでと")

        def katakana(c):
            return "\u30A0" <= c <= "\u30FF"
        options = [(text[:i], text[i:]) for i in range(1, len(text))
                   if text[i] not in no_start and not (katakana(text[i - 1]) and katakana(text[i]))]
    else:
        return None
    best = None
    for a, b in options:
        width = max(text_width(fnt, a), text_width(fnt, b))
        if best is None or width < best[0]:
            best = (width, [a, b])
    return best


# Every caption drawn into a bitmap in this run: (where, text, size drawn, design size, lines). The
# generator writes it to caption-fit.txt for the test that holds captions to their design size.
FITTED = []


def fit_caption(text, script, max_w, max_h, base, smallest, where, two_lines=True):
    """Chooses font and line breaks so that text fits max_w x max_h.

    Preference: one line, shrinking by at most two pixels; then two lines, two pixels below the
    base size (two full-size lines crowd a button); then two lines or one at each smaller size down
    to smallest. The narrow face is tried before a size step.
    """
    forced = text.split(LINE_BREAK) if LINE_BREAK in text else None

    def one(size):
        if forced:
            return None
        for face in ("bold", "bold-narrow"):
            f = font(script, face, size)
            if text_width(f, text) <= max_w and size + 2 <= max_h:
                return f, [text]
        return None

    def two(size):
        lh = size + 2
        if 2 * lh > max_h + 2:
            return None
        for face in ("bold", "bold-narrow"):
            f = font(script, face, size)
            if forced:
                best = (max(text_width(f, line) for line in forced), forced)
            else:
                best = _split_two(text, f, script)
            if best and best[0] <= max_w:
                return f, best[1]
        return None

    sizes = list(range(base, smallest - 1, -1))
    if forced:
        two_lines = True
    plan = [(one, s) for s in sizes if s >= base - 2]
    for s in sizes:
        if s <= base - 2:
            plan += ([(two, s)] if two_lines else []) + ([(one, s)] if s < base - 2 else [])
    for fn, size in plan:
        got = fn(size)
        if got:
            for line in got[1]:
                check_glyphs(got[0], line, where)
            FITTED.append((where, text, size, base, len(got[1])))
            return got[0], got[1], size + 2
    raise SystemExit("generate.py: caption %r does not fit %d x %d (%s)" % (text, max_w, max_h, where))


# --------------------------------------------------------------------------------------------
# Button styles: per state (top, bottom, border, text, highlight line or None, inset line or None)

def _state(top, bottom, border, text, highlight=None, inset=None):
    return {"top": rgb(top), "bottom": rgb(bottom), "border": rgb(border), "text": rgb(text),
            "highlight": rgb(highlight) if highlight else None,
            "inset": rgb(inset) if inset else None}


STYLES = {
    # strong blue: the forward action of a step, the main buttons of the host
    "primary": [
        _state("#3C88CC", "#1F6FB2", "#15508A", "#FFFFFF", highlight="#6AA6DD"),
        _state("#55A0E0", "#2C7EC4", "#15508A", "#FFFFFF", highlight="#86B9E6"),
        _state("#175A94", "#1C66A6", "#0E3A63", "#E8F0F8", inset="#104676"),
        _state("#DADFE4", "#C9CFD6", "#AEB6BF", "#8C96A1"),
    ],
    # light with blue text: secondary choices (back, exit, pair another)
    "secondary": [
        _state("#FFFFFF", "#E3ECF5", "#8FAFCF", "#17548A", highlight="#FFFFFF"),
        _state("#FFFFFF", "#D3E5F6", "#1F6FB2", "#17548A", highlight="#FFFFFF"),
        _state("#C6DAEE", "#D6E4F2", "#17548A", "#0F3A63", inset="#A7C2DD"),
        _state("#F2F4F6", "#E5E8EB", "#C5CCD3", "#A2ABB4"),
    ],
    # amber with navy text: pairing, the accent action
    "accent": [
        _state("#FFC23A", "#F2A900", "#B98000", "#10263F", highlight="#FFD97F"),
        _state("#FFD266", "#FFB81F", "#B98000", "#10263F", highlight="#FFE4A3"),
        _state("#D99600", "#E6A500", "#936500", "#10263F", inset="#B57E00"),
        _state("#DADFE4", "#C9CFD6", "#AEB6BF", "#8C96A1"),
    ],
    # amber on the dark pairing window: the disabled cell stays dark
    "accent-dark": [
        _state("#FFC23A", "#F2A900", "#B98000", "#10263F", highlight="#FFD97F"),
        _state("#FFD266", "#FFB81F", "#B98000", "#10263F", highlight="#FFE4A3"),
        _state("#D99600", "#E6A500", "#936500", "#10263F", inset="#B57E00"),
        _state("#3C4D60", "#334456", "#4F6378", "#8797A8"),
    ],
    # light with red text: removing a device
    "danger": [
        _state("#FFFFFF", "#F1E6E5", "#D39A95", "#B3261E", highlight="#FFFFFF"),
        _state("#FFFFFF", "#FADAD7", "#C9453D", "#B3261E", highlight="#FFFFFF"),
        _state("#EFC3BF", "#F5D4D1", "#A8302C", "#8E1D17", inset="#D9A19C"),
        _state("#F2F4F6", "#E5E8EB", "#C5CCD3", "#A2ABB4"),
    ],
    # soft blue without a caption of its own: the button prints its caption in its own font colour
    "soft": [
        _state("#EEF5FC", "#CFE2F4", "#1F6FB2", "#1E2B38", highlight="#FFFFFF"),
        _state("#FFFFFF", "#E2EFFA", "#2C7EC4", "#1E2B38", highlight="#FFFFFF"),
        _state("#B8D1EA", "#C9DCEF", "#15508A", "#1E2B38", inset="#9DBBD9"),
        _state("#F0F2F4", "#E3E6E9", "#B9C1C9", "#A2ABB4"),
    ],
    # neutral grey, for cancel
    "neutral": [
        _state("#FFFFFF", "#E6E9ED", "#8E9AA7", "#1E2B38", highlight="#FFFFFF"),
        _state("#FFFFFF", "#EEF1F4", "#5E6F80", "#1E2B38", highlight="#FFFFFF"),
        _state("#CDD3DA", "#DADFE4", "#4D5D6D", "#1E2B38", inset="#B5BEC8"),
        _state("#F0F2F4", "#E3E6E9", "#C5CCD3", "#A2ABB4"),
    ],
    # title-bar buttons on light or blue backgrounds; hover turns red for close
    "titlebar": [
        _state("#FFFFFF", "#E4EBF2", "#8FA6BD", "#3E5266", highlight="#FFFFFF"),
        _state("#E8605B", "#CF3E39", "#A52F2B", "#FFFFFF", highlight="#F08E8A"),
        _state("#A8302C", "#B53733", "#7E2220", "#F4DCDB", inset="#8E2825"),
        _state("#F0F2F4", "#E6E9EC", "#C8CFD6", "#B2BAC2"),
    ],
    # title-bar buttons of the dark pairing window
    "titlebar-dark": [
        _state("#254B72", "#1D3D5E", "#3F6E9C", "#DDE8F3", highlight="#33618E"),
        _state("#E8605B", "#CF3E39", "#A52F2B", "#FFFFFF", highlight="#F08E8A"),
        _state("#A8302C", "#B53733", "#7E2220", "#F4DCDB", inset="#8E2825"),
        _state("#2A3B4D", "#243344", "#3A4D61", "#66788B"),
    ],
    # title-bar buttons that are not close buttons: hover stays blue
    "titlebar-plain": [
        _state("#FFFFFF", "#E4EBF2", "#8FA6BD", "#3E5266", highlight="#FFFFFF"),
        _state("#FFFFFF", "#D3E5F6", "#1F6FB2", "#17548A", highlight="#FFFFFF"),
        _state("#C6DAEE", "#D6E4F2", "#17548A", "#0F3A63", inset="#A7C2DD"),
        _state("#F0F2F4", "#E6E9EC", "#C8CFD6", "#B2BAC2"),
    ],
}

def button_body(w, h, radius, st):
    """One cell's body: gradient fill, 1-px border, a highlight or inset line; key colour outside.

    Returns (image, mask) so that content can be painted before the key colour is applied.
    """
    mask = rounded_mask(w, h, radius)
    outline, inner = ring(mask)
    img = Image.new("RGB", (w, h), KEY)
    img.paste(vgradient(w, h, st["top"], st["bottom"]), (0, 0), mask)
    line = st["inset"] or st["highlight"]
    if line:
        second, _ = ring(inner)
        paint(img, line, row_band(second, 0, 2))
        if st["inset"]:
            paint(img, line, ImageChops.darker(second, _column_band(second, 0, 2)))
    paint(img, st["border"], outline)
    return img, mask


def _column_band(mask, x0, x1):
    out = Image.new("L", mask.size, 0)
    out.paste(mask.crop((x0, 0, x1, mask.size[1])), (x0, 0))
    return out


def four_cells(cells):
    w, h = cells[0].size
    out = Image.new("RGB", (w * len(cells), h), KEY)
    for i, c in enumerate(cells):
        out.paste(c, (i * w, 0))
    return out


# --------------------------------------------------------------------------------------------
# Small vector glyphs, drawn at supersampled scale into coverage masks. Each takes the cell size
# and returns an 'L' mask of that size.


def glyph_cross(w, h, size, weight=1.6):
    cx, cy = w / 2.0, h / 2.0
    r = size / 2.0

    def draw(d, s):
        for (x0, y0, x1, y1) in ((cx - r, cy - r, cx + r, cy + r), (cx - r, cy + r, cx + r, cy - r)):
            d.line([(x0 * s, y0 * s), (x1 * s, y1 * s)], fill=255, width=int(round(weight * s)))
    return ss_mask(w, h, draw)


def glyph_chevron(w, h, cx, cy, size, direction, weight=1.8):
    """An open arrow head: direction 'left', 'right', 'up' or 'down'; size is its long side."""
    a = size / 2.0
    b = size / 4.0
    pts = {
        "right": [(cx - b, cy - a), (cx + b, cy), (cx - b, cy + a)],
        "left": [(cx + b, cy - a), (cx - b, cy), (cx + b, cy + a)],
        "down": [(cx - a, cy - b), (cx, cy + b), (cx + a, cy - b)],
        "up": [(cx - a, cy + b), (cx, cy - b), (cx + a, cy + b)],
    }[direction]

    def draw(d, s):
        d.line([(x * s, y * s) for x, y in pts], fill=255, width=int(round(weight * s)), joint="curve")
    return ss_mask(w, h, draw)


def glyph_triangle(w, h, cx, cy, size, direction):
    a = size / 2.0
    b = size / 3.0
    pts = {
        "down": [(cx - a, cy - b), (cx + a, cy - b), (cx, cy + b)],
        "up": [(cx - a, cy + b), (cx + a, cy + b), (cx, cy - b)],
    }[direction]

    def draw(d, s):
        d.polygon([(x * s, y * s) for x, y in pts], fill=255)
    return ss_mask(w, h, draw)


def glyph_check(w, h, weight=1.7):
    def draw(d, s):
        pts = [(w * 0.22, h * 0.52), (w * 0.42, h * 0.72), (w * 0.78, h * 0.28)]
        d.line([(x * s, y * s) for x, y in pts], fill=255, width=int(round(weight * s)), joint="curve")
    return ss_mask(w, h, draw)


def icon_plus(size):
    def draw(d, s):
        c = size / 2.0
        r = size / 2.0 - 0.6
        d.ellipse([(c - r) * s, (c - r) * s, (c + r) * s, (c + r) * s], outline=255,
                  width=int(round(1.5 * s)))
        arm = size * 0.24
        wd = int(round(1.8 * s))
        d.line([((c - arm) * s, c * s), ((c + arm) * s, c * s)], fill=255, width=wd)
        d.line([(c * s, (c - arm) * s), (c * s, (c + arm) * s)], fill=255, width=wd)
    return ss_mask(size, size, draw)


def icon_list(size):
    def draw(d, s):
        for i, y in enumerate((0.22, 0.5, 0.78)):
            yy = size * y
            d.ellipse([(1.0) * s, (yy - 1.4) * s, (3.8) * s, (yy + 1.4) * s], fill=255)
            d.rounded_rectangle([6.0 * s, (yy - 1.0) * s, (size - 0.5) * s, (yy + 1.0) * s],
                                radius=1.0 * s, fill=255)
    return ss_mask(size, size, draw)


def icon_bars(size):
    def draw(d, s):
        n = 4
        gap = 1.6
        bw = (size - gap * (n - 1)) / n
        for i in range(n):
            x0 = i * (bw + gap)
            top = size * (0.70 - 0.2 * i)
            d.rounded_rectangle([x0 * s, top * s, (x0 + bw) * s, size * s], radius=0.8 * s, fill=255)
    return ss_mask(size, size, draw)


def icon_globe(size):
    def draw(d, s):
        c = size / 2.0
        r = size / 2.0 - 0.7
        wd = int(round(1.3 * s))
        d.ellipse([(c - r) * s, (c - r) * s, (c + r) * s, (c + r) * s], outline=255, width=wd)
        d.ellipse([(c - r * 0.45) * s, (c - r) * s, (c + r * 0.45) * s, (c + r) * s], outline=255,
                  width=wd)
        d.line([((c - r) * s, c * s), ((c + r) * s, c * s)], fill=255, width=wd)
    return ss_mask(size, size, draw)


def icon_battery(w, h, level):
    def draw(d, s):
        wd = int(round(1.3 * s))
        body_w = w - 3
        d.rounded_rectangle([0.6 * s, 0.6 * s, (body_w - 0.6) * s, (h - 0.6) * s], radius=1.5 * s,
                            outline=255, width=wd)
        d.rectangle([(body_w) * s, (h * 0.3) * s, (w - 0.5) * s, (h * 0.7) * s], fill=255)
        inner = body_w - 5.0
        d.rectangle([2.5 * s, 2.5 * s, (2.5 + inner * level) * s, (h - 2.5) * s], fill=255)
    return ss_mask(w, h, draw)


GLYPH_ICONS = {"plus": icon_plus, "list": icon_list, "bars": icon_bars}

# --------------------------------------------------------------------------------------------
# Buttons


def plain_button(w, h, style, radius, glyph=None):
    """Four cells of a button without text; glyph(w, h) gives a coverage mask drawn in text colour."""
    cells = []
    for i, st in enumerate(STYLES[style]):
        img, mask = button_body(w, h, radius, st)
        if glyph is not None:
            g = glyph(w, h)
            off = (1, 1) if i == 2 else (0, 0)
            paint(img, st["text"], g, off)
        cells.append(apply_key(img, mask))
    return four_cells(cells)


def caption_button(w, h, style, radius, text, script, where, base=13, smallest=9, icon=None,
                   chevron=None, two_lines=True):
    """Four cells of a button whose caption is part of the bitmap.

    icon: name of a 16-px icon drawn at a fixed place at the left; chevron: 'left' or 'right', an
    arrow next to the caption. The caption is shrunk (or put on two lines) until it fits.
    """
    pad = 8 if w >= 80 else 5
    icon_size = 16
    chevron_w = 6
    gap = 5
    text_x0 = pad
    text_x1 = w - pad
    if icon:
        text_x0 = 10 + icon_size + 4
    if chevron:
        avail = text_x1 - text_x0 - chevron_w - gap
    else:
        avail = text_x1 - text_x0
    fnt, lines, lh = fit_caption(text, script, avail, h - 6, base, smallest, where, two_lines)
    tw = max(text_width(fnt, line) for line in lines)
    cy = h / 2.0
    if chevron:
        group = tw + gap + chevron_w
        gx = text_x0 + (text_x1 - text_x0 - group) / 2.0
        if chevron == "left":
            chev_cx = gx + chevron_w / 2.0
            text_cx = gx + chevron_w + gap + tw / 2.0
        else:
            text_cx = gx + tw / 2.0
            chev_cx = gx + tw + gap + chevron_w / 2.0
    else:
        text_cx = (text_x0 + text_x1) / 2.0
    text_cx = int(round(text_cx))
    cells = []
    for i, st in enumerate(STYLES[style]):
        img, mask = button_body(w, h, radius, st)
        dx = dy = 1 if i == 2 else 0
        heavy = font(script, "bold", fnt.size * 2) if script == "cjk" else None
        layer = text_mask(w, h, lines, fnt, text_cx, cy, lh, heavy)
        paint(img, st["text"], layer, (dx, dy))
        if icon:
            im = GLYPH_ICONS[icon](icon_size)
            paint(img, st["text"], im, (10 + dx, int(round(cy - icon_size / 2.0)) + dy))
        if chevron:
            cm = glyph_chevron(w, h, chev_cx, cy, 9, chevron, weight=1.9)
            paint(img, st["text"], cm, (dx, dy))
        cells.append(apply_key(img, mask))
    return four_cells(cells)


def check_cells(size):
    """Check box: a square box without key colour (the control copies it as it is)."""
    cells = []
    for i in range(4):
        checked = i >= 2
        hover = i % 2 == 1
        img = Image.new("RGB", (size, size), WHITE)
        if checked:
            img.paste(vgradient(size, size, BLUE_LIGHT if hover else rgb("#3C88CC"),
                                rgb("#2C7EC4") if hover else BLUE), (0, 0))
            border = BLUE_DEEP
        else:
            img.paste(vgradient(size, size, WHITE, rgb("#EEF4FA") if hover else rgb("#E6ECF2")), (0, 0))
            border = BLUE if hover else rgb("#6C859E")
        d = ImageDraw.Draw(img)
        d.rectangle([0, 0, size - 1, size - 1], outline=border)
        if checked:
            paint(img, WHITE, glyph_check(size, size, weight=1.8))
        cells.append(img)
    return four_cells(cells)


def radio_cells(w, h):
    """Radio button: a crisp disc on the key colour, a dot when checked."""
    # odd diameter centred on a pixel: width 12 -> disc over columns 0..10, centre pixel 5
    diameter = w - 1 if w % 2 == 0 else w
    cx = diameter / 2.0
    cy = h / 2.0
    radius = diameter / 2.0
    cells = []
    for i in range(4):
        checked = i >= 2
        hover = i % 2 == 1
        disc = circle_mask(w, h, cx, cy, radius)
        outline, inner = ring(disc)
        img = Image.new("RGB", (w, h), KEY)
        top = WHITE
        bottom = rgb("#EEF4FA") if hover else rgb("#E3EAF1")
        img.paste(vgradient(w, h, top, bottom), (0, 0), disc)
        paint(img, BLUE if (hover or checked) else rgb("#6C859E"), outline)
        if checked:
            def draw(d, s):
                r = 2.6
                d.ellipse([(cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s], fill=255)
            dot = ss_mask(w, h, draw)
            paint(img, BLUE_LIGHT if hover else BLUE, dot)
        cells.append(apply_key(img, disc))
    return four_cells(cells)


def combo_cells(size):
    """Drop-down square of a combo box: stretched over the arrow button, so no key colour."""
    cells = []
    for i, st in enumerate(STYLES["secondary"]):
        img = vgradient(size, size, st["top"], st["bottom"])
        d = ImageDraw.Draw(img)
        d.rectangle([0, 0, size - 1, size - 1], outline=st["border"])
        off = 1 if i == 2 else 0
        g = glyph_chevron(size, size, size / 2.0 + off, size / 2.0 + off, 8, "down", weight=1.7)
        paint(img, st["text"], g)
        cells.append(img)
    return four_cells(cells)


# --------------------------------------------------------------------------------------------
# Backgrounds


def _panel(img, x, y, w, h, radius, fill_top, fill_bottom, border):
    m = rounded_mask(w, h, radius)
    outline, _ = ring(m)
    img.paste(vgradient(w, h, fill_top, fill_bottom), (x, y), m)
    paint(img, border, outline, (x, y))


def pair_window_background():
    """The pairing tool's window, 508 x 331, dark: header band, step area, code panel."""
    w, h = 508, 331
    mask = rounded_mask(w, h, 12)
    outline, inner = ring(mask)
    second, _ = ring(inner)
    img = Image.new("RGB", (w, h), KEY)
    img.paste(vgradient(w, h, rgb("#15365A"), rgb("#0B2136")), (0, 0), mask)
    # header band with an amber hairline under it
    band = row_band(inner, 0, 40)
    img.paste(vgradient(w, 40, rgb("#21507F"), rgb("#1A4470")), (0, 0), band.crop((0, 0, w, 40)))
    paint(img, AMBER, row_band(inner, 40, 41))
    paint(img, rgb("#0A1D30"), row_band(inner, 41, 42))
    # soft light along the top edge of the band
    paint(img, rgb("#3A6E9E"), row_band(second, 0, 2))
    # pairing-code panel: the labelled edits sit at x 153 .. 265, rows 188 and 229
    _panel(img, 12, 176, 484, 80, 8, rgb("#0D2740"), rgb("#0A2035"), rgb("#2A557F"))
    _receiver_art(img, 338, 186)
    paint(img, rgb("#3F74A6"), outline)
    return within_256_colours(apply_key(img, mask))


def _receiver_art(img, x, y):
    """A small USB receiver sending waves, in muted colours: calm beside the pairing codes."""
    w, h = 130, 62

    def body(d, s):
        # plug and housing of the receiver, lying horizontally
        d.rounded_rectangle([8 * s, 24 * s, 30 * s, 40 * s], radius=1.5 * s, fill=255)
        d.rounded_rectangle([28 * s, 20 * s, 62 * s, 44 * s], radius=5 * s, fill=255)
    mb = ss_mask(w, h, body)
    paint(img, rgb("#2C5C8A"), mb, (x, y))

    def contacts(d, s):
        d.rectangle([12 * s, 28 * s, 17 * s, 31 * s], fill=255)
        d.rectangle([21 * s, 28 * s, 26 * s, 31 * s], fill=255)
    paint(img, rgb("#10263F"), ss_mask(w, h, contacts), (x, y))

    def led(d, s):
        d.ellipse([52 * s, 29 * s, 57 * s, 34 * s], fill=255)
    paint(img, AMBER, ss_mask(w, h, led), (x, y))

    for i, colour in enumerate((rgb("#C99A1A"), rgb("#8C7532"), rgb("#5A5A48"))):
        r = 12 + i * 10

        def arc(d, s, r=r):
            cx, cy = 66, 32
            d.arc([(cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s], start=-50, end=50,
                  fill=255, width=int(round(2.2 * s)))
        paint(img, colour, ss_mask(w, h, arc), (x, y))


def dialog_background():
    """The confirmation dialog, 301 x 153, light: blue header band, info mark beside the message."""
    w, h = 301, 153
    mask = rounded_mask(w, h, 8)
    outline, inner = ring(mask)
    img = Image.new("RGB", (w, h), KEY)
    img.paste(vgradient(w, h, WHITE, rgb("#EEF3F8")), (0, 0), mask)
    band_h = 8
    img.paste(vgradient(w, band_h, rgb("#2C7EC4"), BLUE), (0, 0), mask.crop((0, 0, w, band_h)))
    paint(img, AMBER, row_band(inner, band_h, band_h + 1))
    # information mark, centred on the message box's middle row (label at 57, 32, 200 x 66)
    cx, cy, r = 33.0, 65.0, 14.0

    def disc(d, s):
        d.ellipse([(cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s], fill=255)
    paint(img, BLUE, ss_mask(w, h, disc))

    def letter(d, s):
        d.ellipse([(cx - 1.9) * s, (cy - 8.6) * s, (cx + 1.9) * s, (cy - 4.8) * s], fill=255)
        d.rounded_rectangle([(cx - 1.7) * s, (cy - 2.4) * s, (cx + 1.7) * s, (cy + 8.4) * s],
                            radius=0.6 * s, fill=255)
    paint(img, WHITE, ss_mask(w, h, letter))
    paint(img, BLUE_DARK, outline)
    return apply_key(img, mask)


# --------------------------------------------------------------------------------------------
# Application icon


def icon_image(size):
    """The suite's emblem at one size: blue tile, a white receiver sending two waves upwards."""
    s = 8
    big = Image.new("RGBA", (size * s, size * s), (0, 0, 0, 0))
    inset = 0.5 if size <= 16 else 1.0
    radius = size * 0.22
    tile = Image.new("L", big.size, 0)
    ImageDraw.Draw(tile).rounded_rectangle([inset * s, inset * s, (size - inset) * s,
                                            (size - inset) * s], radius=radius * s, fill=255)
    big.paste(BLUE + (255,), (0, 0), tile)
    # darker towards the bottom, for a little depth
    grad = Image.new("L", (1, size * s))
    for y in range(size * s):
        grad.putpixel((0, y), int(80 * y / (size * s - 1)))
    big.paste(BLUE_DEEP + (255,), (0, 0), ImageChops.multiply(tile, grad.resize(big.size)))
    d = ImageDraw.Draw(big)
    cx = size / 2.0
    # the receiver, standing on its plug
    bw, top, bottom = size * 0.30, size * 0.47, size * 0.76
    d.rounded_rectangle([(cx - bw / 2) * s, top * s, (cx + bw / 2) * s, bottom * s],
                        radius=size * 0.06 * s, fill=WHITE + (255,))
    pw = size * 0.20
    d.rectangle([(cx - pw / 2) * s, (bottom - 0.5) * s, (cx + pw / 2) * s, (size * 0.87) * s],
                fill=rgb("#A9C4DE") + (255,))
    led = size * 0.055
    ly = top + size * 0.09
    d.ellipse([(cx - led) * s, (ly - led) * s, (cx + led) * s, (ly + led) * s], fill=AMBER + (255,))
    # two waves above it
    wave = max(1.4, size * 0.065)
    wy = top + size * 0.02
    for k in (0.20, 0.34):
        r = size * k
        d.arc([(cx - r) * s, (wy - r) * s, (cx + r) * s, (wy + r) * s], start=228, end=312,
              fill=WHITE + (255,), width=int(round(wave * s)))
    return big.resize((size, size), Image.Resampling.BOX)


def ico_bytes(images):
    """An .ico file of 32-bit images with alpha, stored as classic DIBs (with an AND mask)."""
    header = struct.pack("<HHH", 0, 1, len(images))
    entries = b""
    blobs = b""
    offset = 6 + 16 * len(images)
    for im in images:
        w, h = im.size
        px = im.load()
        xor = bytearray()
        for y in range(h - 1, -1, -1):
            for x in range(w):
                r, g, b, a = px[x, y]
                xor += bytes((b, g, r, a))
        stride = ((w + 31) // 32) * 4
        andm = bytearray()
        for y in range(h - 1, -1, -1):
            row = bytearray(stride)
            for x in range(w):
                if px[x, y][3] < 128:
                    row[x // 8] |= 0x80 >> (x % 8)
            andm += row
        bih = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(andm), 0, 0, 0, 0)
        blob = bih + bytes(xor) + bytes(andm)
        entries += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(blob), offset)
        blobs += blob
        offset += len(blob)
    return header + entries + blobs


def bmp_bytes(img, compact=True, rle=True):
    """A bottom-up BMP, written by hand so that no library default can change the bytes.

    A picture of at most 256 colours is stored as an 8-bit bitmap with its colours sorted, run-length
    compressed where that is smaller and rle allows: the same pixels in a fraction of the bytes
    (flat buttons and symbols shrink fifty-fold). Others, and every picture when compact is false,
    are 24-bit.
    """
    img = img.convert("RGB")
    w, h = img.size
    colours = img.getcolors(256) if compact else None
    if colours is None:
        stride = (w * 3 + 3) & ~3
        px = img.tobytes("raw", "BGR", stride, -1)
        return _bmp_file(w, h, 24, 0, b"", px)
    palette = sorted(colour for _, colour in colours)
    index = {colour: i for i, colour in enumerate(palette)}
    pixels = [index[colour] for colour in img.getdata()]
    rows = [pixels[y * w:(y + 1) * w] for y in range(h - 1, -1, -1)]
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    plain = b"".join(bytes(row) + bytes((-w) % 4) for row in rows)
    packed = _rle8(rows) if rle else plain
    if len(packed) < len(plain):
        return _bmp_file(w, h, 8, 1, table, packed)  # BI_RLE8
    return _bmp_file(w, h, 8, 0, table, plain)


def _bmp_file(w, h, bits, compression, table, px):
    offset = 54 + len(table)
    return (struct.pack("<2sIHHI", b"BM", offset + len(px), 0, 0, offset)
            + struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, compression, len(px), 3780, 3780,
                          len(table) // 4, 0) + table + px)


def _rle8(rows):
    """BI_RLE8 data: runs of one index as (count, index); stretches without runs in absolute mode
    (0, count, indices, padded to a word); each row ends with (0, 0), the last with (0, 1)."""
    out = bytearray()
    for number, row in enumerate(rows):
        i, w = 0, len(row)
        while i < w:
            run = 1
            while i + run < w and run < 255 and row[i + run] == row[i]:
                run += 1
            if run >= 2:
                out += bytes((run, row[i]))
                i += run
                continue
            j = i
            while j < w and j - i < 255 and not (j + 2 < w and row[j] == row[j + 1] == row[j + 2]):
                j += 1
            literal = row[i:j]
            if len(literal) >= 3:
                out += bytes((0, len(literal))) + bytes(literal) + bytes(len(literal) % 2)
            else:
                for value in literal:
                    out += bytes((1, value))
            i = j
        out += b"\0\1" if number == len(rows) - 1 else b"\0\0"
    return bytes(out)
