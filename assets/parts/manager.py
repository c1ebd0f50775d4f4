"""The paired-device manager and its two question dialogs (Notabox: yes/no, Querent: text input).

Staged below the forms root:
  CorvilManager/English/  CorvilManager_Background.bmp (549 x 557), LogoTotem.bmp, Poetry.bmp and the
                          skin set (check boxes, radios, Remove, OK, Cancel, WindowClose, ...)
  CorvilManager/<Lang>/   the captioned skin bitmaps whose caption differs from English (Remove)
  Notabox/English/        Notabox_Background.bmp (301 x 153), OK.bmp, Cancel.bmp, WindowClose.bmp
  Querent/English/        Querent_Background.bmp (301 x 153), OK.bmp, Cancel.bmp, WindowClose.bmp
The UI files come from ui/<Folder>/UI.ini, the texts from texts/manager/<Language>.ini.
"""

import os

# Rows of the manager: the window's controls sit on these lines (see plugins/manager/manager_form.h).
MOUSE_HEADER_Y = 120
KEYBOARD_HEADER_Y = 286
ROW_STEP = 26
FIRST_ROW_OFFSET = 22
PEN_COLOURS = ["#D32F2F", "#1F6FB2", "#2E9D49", "#EF7D00", "#7B3FB2"]


def _dialog_background(art, mark):
    """301 x 153 like the confirmation dialog, with a question mark or a pencil beside the text."""
    w, h = 301, 153
    mask = art.rounded_mask(w, h, 8)
    outline, inner = art.ring(mask)
    img = art.Image.new("RGB", (w, h), art.KEY)
    img.paste(art.vgradient(w, h, art.WHITE, art.rgb("#EEF3F8")), (0, 0), mask)
    band_h = 8
    img.paste(art.vgradient(w, band_h, art.rgb("#2C7EC4"), art.BLUE), (0, 0), mask.crop((0, 0, w, band_h)))
    art.paint(img, art.AMBER, art.row_band(inner, band_h, band_h + 1))
    cx, cy, r = 31.0, 62.0, 14.0

    def disc(d, s):
        d.ellipse([(cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s], fill=255)
    art.paint(img, art.AMBER if mark == "question" else art.BLUE, art.ss_mask(w, h, disc))

    if mark == "question":
        fnt = art.font("latin", "bold", 21)
        sign = art.text_mask(w, h, ["?"], fnt, cx, cy, 22)
        art.paint(img, art.WHITE, sign)
    else:
        def pencil(d, s):
            pts = [(cx - 7, cy + 7), (cx - 5, cy + 2), (cx + 4, cy - 7), (cx + 7, cy - 4),
                   (cx - 2, cy + 5)]
            d.polygon([(x * s, y * s) for x, y in pts], fill=255)
        art.paint(img, art.WHITE, art.ss_mask(w, h, pencil))
    art.paint(img, art.BLUE_DARK, outline)
    return art.apply_key(img, mask)


def _captioned_pair(out, folder, langs, texts, art, section, first_key, second_key, first_style):
    """OK.bmp and Cancel.bmp (slots 1 and 2) with the section's two button captions drawn in, per
    language; a language whose captions equal English's falls back to the English folder. The skin
    prints a button's own caption in the ANSI code page only, so the captions live in the bitmaps."""
    def caption(lang, key):
        return texts[lang].get(section, {}).get(key) or texts["English"][section][key]
    english = (caption("English", first_key), caption("English", second_key))
    for lang in langs:
        name = lang["name"]
        pair = (caption(name, first_key), caption(name, second_key))
        if name != "English" and pair == english:
            continue
        for file, text, style in (("OK.bmp", pair[0], first_style), ("Cancel.bmp", pair[1], "neutral")):
            img = art.caption_button(77, 26, style, 4, text, lang["script"], "%s of %s" % (file, name),
                                     base=12, two_lines=False)
            out.bmp(os.path.join(folder, name, file), img)


def _stage_dialog(out, forms, name, langs, texts, art, gen, mark, keys):
    folder = os.path.join(forms, name)
    english = os.path.join(folder, "English")
    out.bmp(os.path.join(english, name + "_Background.bmp"), _dialog_background(art, mark))
    out.bmp(os.path.join(english, "WindowClose.bmp"),
            art.plain_button(21, 19, "titlebar", 4, gen._glyph("cross")))
    _captioned_pair(out, folder, langs, texts, art, name, keys[0], keys[1], "soft")


def _panel(art, img, x, y, w, h):
    m = art.rounded_mask(w, h, 6)
    outline, _ = art.ring(m)
    img.paste(art.vgradient(w, h, art.WHITE, art.rgb("#F6F9FC")), (x, y), m)
    art.paint(img, art.rgb("#B9CDE1"), outline, (x, y))


def _manager_background(art):
    """549 x 557: blue title band, an information strip, the mouse and keyboard tables with a header
    row and striped rows (so that a row reads across at a glance), the pen colour dots, and the
    display-mode area."""
    w, h = 549, 557
    mask = art.rounded_mask(w, h, 10)
    outline, inner = art.ring(mask)
    img = art.Image.new("RGB", (w, h), art.KEY)
    img.paste(art.vgradient(w, h, art.rgb("#F4F8FC"), art.rgb("#E6EEF6")), (0, 0), mask)
    band = 40
    img.paste(art.vgradient(w, band, art.rgb("#2C7EC4"), art.BLUE), (0, 0), mask.crop((0, 0, w, band)))
    art.paint(img, art.AMBER, art.row_band(inner, band, band + 2))
    draw = art.ImageDraw.Draw(img)
    for header_y, pens in ((MOUSE_HEADER_Y, True), (KEYBOARD_HEADER_Y, False)):
        top = header_y - 6
        _panel(art, img, 10, top, w - 20, FIRST_ROW_OFFSET + 5 * ROW_STEP + 10)
        draw.rectangle([11, top + 1, w - 12, header_y + 16], fill=art.rgb("#DCE8F4"))
        draw.line([11, header_y + 17, w - 12, header_y + 17], fill=art.rgb("#9FBAD6"))
        for row in range(5):
            y = header_y + FIRST_ROW_OFFSET + row * ROW_STEP - 4
            if row % 2 == 1:
                draw.rectangle([11, y, w - 12, y + ROW_STEP - 1], fill=art.rgb("#EEF4FA"))
            if pens:
                cy = y + ROW_STEP / 2.0 - 1
                colour = art.rgb(PEN_COLOURS[row])

                def dot(d, s, cy=cy):
                    d.ellipse([16 * s, (cy - 5) * s, 26 * s, (cy + 5) * s], fill=255)
                art.paint(img, colour, art.ss_mask(w, h, dot))
    # display-mode area
    _panel(art, img, 10, 446, 330, 84)
    art.paint(img, art.BLUE_DARK, outline)
    return art.apply_key(img, mask)


def _logo_totem(art, size=56):
    """The suite's emblem for the information strip, on the strip's colour."""
    icon = art.icon_image(size)
    img = art.Image.new("RGB", icon.size, art.rgb("#F2F6FB"))
    img.paste(icon, (0, 0), icon)
    return img


def _poetry(art):
    """133 x 56: a mouse and a keyboard in outline, the two kinds of devices the window manages."""
    w, h = 133, 56
    img = art.Image.new("RGB", (w, h), art.rgb("#F2F6FB"))

    def shapes(d, s):
        # mouse
        d.rounded_rectangle([10 * s, 8 * s, 38 * s, 48 * s], radius=13 * s, outline=255, width=int(2.2 * s))
        d.line([24 * s, 9 * s, 24 * s, 22 * s], fill=255, width=int(2 * s))
        d.line([11 * s, 22 * s, 37 * s, 22 * s], fill=255, width=int(2 * s))
        # keyboard
        d.rounded_rectangle([50 * s, 16 * s, 124 * s, 44 * s], radius=4 * s, outline=255, width=int(2.2 * s))
        for row, y in enumerate((22, 29)):
            for k in range(7):
                x = 56 + k * 9 + (3 if row else 0)
                d.rectangle([x * s, y * s, (x + 5) * s, (y + 4) * s], fill=255)
        d.rectangle([68 * s, 36 * s, 106 * s, 40 * s], fill=255)
    art.paint(img, art.rgb("#5E8FBF"), art.ss_mask(w, h, shapes))
    return img


def stage(out, stage, langs, texts, gen):
    art = gen.art
    forms = os.path.join(stage, gen.FORMS)
    _stage_dialog(out, forms, "Notabox", langs, texts, art, gen, "question",
                  ("bt_Yes->Caption", "bt_No->Caption"))
    _stage_dialog(out, forms, "Querent", langs, texts, art, gen, "pencil",
                  ("bt_OK->Caption", "bt_Cancel->Caption"))
    folder = os.path.join(forms, "CorvilManager")
    gen.stage_skin_set(out, folder, langs, texts)
    _captioned_pair(out, folder, langs, texts, art, "CorvilManager", "bt_OK->Caption",
                    "bt_Cancel->Caption", "primary")
    english = os.path.join(folder, "English")
    out.bmp(os.path.join(english, "CorvilManager_Background.bmp"), _manager_background(art))
    out.bmp(os.path.join(english, "LogoTotem.bmp"), _logo_totem(art))
    out.bmp(os.path.join(english, "Poetry.bmp"), _poetry(art))
