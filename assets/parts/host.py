"""The host's main window: its background and its layout file UI_Main.txt (with the version)."""

import os

from PIL import Image


def version():
    """The one version number of the suite, from VERSION at the repository root."""
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "VERSION")
    with open(path, encoding="utf-8") as f:
        return f.read().strip()


def main_background(art):
    """375 x 345, light: header band for the title, a panel behind the two paragraphs, the
    receiver emblem beside the pairing button."""
    w, h = 375, 345
    mask = art.rounded_mask(w, h, 12)
    outline, inner = art.ring(mask)
    img = Image.new("RGB", (w, h), art.KEY)
    img.paste(art.vgradient(w, h, art.WHITE, art.rgb("#E9F0F7")), (0, 0), mask)
    band_h = 32
    band = art.row_band(inner, 0, band_h)
    img.paste(art.vgradient(w, band_h, art.rgb("#DCEAF7"), art.rgb("#C9DDF0")), (0, 0),
              band.crop((0, 0, w, band_h)))
    art.paint(img, art.AMBER, art.row_band(inner, band_h, band_h + 1))
    # the two paragraphs: labels at x 20 .. 355, y 36 .. 187
    art._panel(img, 10, 35, 355, 156, 8, art.WHITE, art.rgb("#F4F8FC"), art.rgb("#C5D6E8"))
    # the button area and a quiet footer line above the version text
    art.paint(img, art.rgb("#C5D6E8"), art.row_band(inner, 318, 319))
    _emblem(art, img, 222, 206)
    art.paint(img, art.BLUE_DARK, outline)
    return art.apply_key(img, mask)


def _emblem(art, img, x, y):
    """The receiver with its waves, in the blue of the buttons, above the signal button."""
    w, h = 120, 56

    def body(d, s):
        d.rounded_rectangle([6 * s, 22 * s, 24 * s, 34 * s], radius=1.5 * s, fill=255)
        d.rounded_rectangle([22 * s, 18 * s, 52 * s, 38 * s], radius=5 * s, fill=255)
    art.paint(img, art.BLUE, art.ss_mask(w, h, body), (x, y))

    def led(d, s):
        d.ellipse([43 * s, 25 * s, 48 * s, 30 * s], fill=255)
    art.paint(img, art.AMBER, art.ss_mask(w, h, led), (x, y))
    for i, colour in enumerate((art.BLUE_LIGHT, art.rgb("#8DB8E2"), art.rgb("#BBD4EC"))):
        r = 10 + i * 9

        def arc(d, s, r=r):
            cx, cy = 56, 28
            d.arc([(cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s], start=-50, end=50,
                  fill=255, width=int(round(2.2 * s)))
        art.paint(img, colour, art.ss_mask(w, h, arc), (x, y))


def stage(out, stage_root, langs, texts, gen):
    folder = os.path.join(stage_root, gen.FORMS, "CorvilMaintain")
    out.bmp(os.path.join(folder, "English", "CorvilMain_Background.bmp"), main_background(gen.art))
    sections = []
    for lang in langs:
        keys = [("FontName", lang["font"])]
        if lang["name"] == "English":
            keys.append(("Version", "Version " + version()))
        keys.append(("lb_Title->Font->Color", "rgb,15,58,99"))
        sections.append((lang["name"], keys))
    out.text(os.path.join(folder, "UI_Main.txt"), gen.ini_lines(sections))
