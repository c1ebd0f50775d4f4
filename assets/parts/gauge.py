"""The signal display's files (Forms\\Wavegauge): background, skin set, nothing else.

The background carries no text, so only English\\ gets it and every language falls back to it. The
skin set is the shared one, with Exit.bmp cut to the display's 77 x 27 button.
"""

import os

WIDTH, HEIGHT = 478, 388
METER = (372, 118, 452, 178)  # the box behind lb_SignalIntensity and pl_RSSI (380, 149, 65 x 22)


def background(art):
    """478 x 388, dark blue so that the white texts read well; a header band with an amber hairline,
    a framed meter box on the right, and a footer band with signal bars for the Exit button."""
    w, h = WIDTH, HEIGHT
    mask = art.rounded_mask(w, h, 12)
    outline, inner = art.ring(mask)
    second, _ = art.ring(inner)
    img = art.Image.new("RGB", (w, h), art.KEY)
    img.paste(art.vgradient(w, h, art.rgb("#17446F"), art.rgb("#0B2136")), (0, 0), mask)
    # header band (title at 23, 10) with an amber hairline under it
    band = art.row_band(inner, 0, 40)
    img.paste(art.vgradient(w, 40, art.rgb("#21507F"), art.rgb("#1A4470")), (0, 0), band.crop((0, 0, w, 40)))
    art.paint(img, art.AMBER, art.row_band(inner, 40, 41))
    art.paint(img, art.rgb("#0A1D30"), art.row_band(inner, 41, 42))
    art.paint(img, art.rgb("#3A6E9E"), art.row_band(second, 0, 2))
    # thin separators above the two text blocks
    for y in (97, 197):
        art.paint(img, art.rgb("#2A557F"), art.row_band(inner, y, y + 1).crop((0, 0, w, h)))
    # meter box
    x0, y0, x1, y1 = METER
    art._panel(img, x0, y0, x1 - x0, y1 - y0, 6, art.rgb("#0D2740"), art.rgb("#0A2035"), art.rgb("#3F74A6"))
    # footer band behind the Exit button (358, 350)
    foot = art.row_band(inner, 338, h)
    img.paste(art.vgradient(w, h - 338, art.rgb("#0E2A45"), art.rgb("#0A1D30")), (0, 338),
              foot.crop((0, 338, w, h)))
    art.paint(img, art.rgb("#2A557F"), art.row_band(inner, 338, 339))
    # signal bars at the left of the footer
    art.paint(img, art.rgb("#2C5C8A"), art.icon_bars(20), (23, 352))
    art.paint(img, art.rgb("#3F74A6"), outline)
    return art.apply_key(img, mask)


def stage(out, stage, langs, texts, gen):
    folder = os.path.join(stage, gen.FORMS, "Wavegauge")
    out.bmp(os.path.join(folder, "English", "Wavegauge_Background.bmp"), background(gen.art))
    gen.stage_skin_set(out, folder, langs, texts, sizes={"Exit.bmp": (77, 27)})
