"""The pairing wizard's files (Forms\\CorvilForm\\): step backgrounds with the device pictures of
step 2, the logo, and the skin set for its buttons, radio buttons and switch boxes.

Backgrounds carry no text, so they are staged into English\\ only: every step form looks in its
language folder first and then in English\\. The UI files come from ui/CorvilForm/, the texts from
texts/wizard/.
"""

import os
import sys

from PIL import Image, ImageDraw

# Header band: the colour of a row depends only on its height, so that the logo's corners match
# every step's band.
HEADER_TOP = (246, 250, 254)
HEADER_BOTTOM = (214, 229, 244)
HEADER_SPAN = 40
STEP1_SIZE = (375, 305)
STEP2_SIZE = (375, 345)
FORM_SIZE = (385, 305)  # steps 3 and 4 share CorvilForm_Background.bmp


def _header_colour(art, y):
    return art.mix(HEADER_TOP, HEADER_BOTTOM, min(y, HEADER_SPAN - 1) / float(HEADER_SPAN - 1))


def _frame(art, w, h, band):
    """Rounded window with a light body, the header band of `band` rows and an amber hairline."""
    mask = art.rounded_mask(w, h, 10)
    outline, inner = art.ring(mask)
    img = Image.new("RGB", (w, h), art.KEY)
    img.paste(art.vgradient(w, h, art.WHITE, art.rgb("#EDF2F7")), (0, 0), mask)
    header = Image.new("RGB", (w, band))
    px = header.load()
    for y in range(band):
        c = _header_colour(art, y)
        for x in range(w):
            px[x, y] = c
    img.paste(header, (0, 0), art.row_band(inner, 0, band).crop((0, 0, w, band)))
    art.paint(img, art.AMBER, art.row_band(inner, band, band + 2))
    return img, mask, outline


def _finish(art, img, mask, outline):
    art.paint(img, art.BLUE_DARK, outline)
    return art.within_256_colours(art.apply_key(img, mask))


def _panel(art, img, x, y, w, h):
    m = art.rounded_mask(w, h, 6)
    ring, _ = art.ring(m)
    img.paste(art.vgradient(w, h, art.rgb("#F7FAFD"), art.rgb("#E9F0F7")), (x, y), m)
    art.paint(img, art.rgb("#C5D5E6"), ring, (x, y))


# --------------------------------------------------------------------------------------------
# Small pictures


def _slide_switch(art, img, x, y, on, scale=1.0):
    """A slide switch seen from below: track, knob left (off) or right (on, green light)."""
    w, h = int(36 * scale), int(16 * scale)

    def track(d, s):
        d.rounded_rectangle([0.5 * s, 2 * s, (w - 0.5) * s, (h - 2) * s], radius=(h / 2.0 - 2) * s, fill=255)
    art.paint(img, art.rgb("#3B4550"), art.ss_mask(w, h, track), (x, y))
    kx = w - h + 1 if on else 1

    def knob(d, s):
        d.rounded_rectangle([kx * s, 0.5 * s, (kx + h - 2) * s, (h - 0.5) * s], radius=3 * s, fill=255)
    art.paint(img, art.rgb("#D9DEE3"), art.ss_mask(w, h, knob), (x, y))
    led_x = 4 if on else w - 9

    def led(d, s):
        r = 2.4 * scale
        cx, cy = led_x + 2.5, h / 2.0
        d.ellipse([(cx - r) * s, (cy - r) * s, (cx + r) * s, (cy + r) * s], fill=255)
    art.paint(img, art.rgb("#2DBE4E") if on else art.rgb("#5C6670"), art.ss_mask(w, h, led), (x, y))


def _push_button(art, img, x, y, on, size=18):
    """A round push-button switch: raised grey (off) or pressed with a green ring (on)."""
    w = h = size + 4

    def ringf(d, s):
        d.ellipse([0.5 * s, 0.5 * s, (w - 0.5) * s, (h - 0.5) * s], fill=255)
    art.paint(img, art.rgb("#2DBE4E") if on else art.rgb("#3B4550"), art.ss_mask(w, h, ringf), (x, y))

    def cap(d, s):
        inset = 4.0 if on else 2.5
        d.ellipse([inset * s, inset * s, (w - inset) * s, (h - inset) * s], fill=255)
    art.paint(img, art.rgb("#B8C0C8") if on else art.rgb("#E4E8EC"), art.ss_mask(w, h, cap), (x, y))


def _mouse_underside(art, img, x, y, w=46, h=60):
    """A mouse seen from below: body, sensor window and feet."""
    def body(d, s):
        d.rounded_rectangle([0.5 * s, 0.5 * s, (w - 0.5) * s, (h - 0.5) * s], radius=(w / 2.0 - 1) * s, fill=255)
    m = art.ss_mask(w, h, body)
    art.paint(img, art.rgb("#5A6673"), m, (x, y))

    def inner(d, s):
        d.rounded_rectangle([2.2 * s, 2.2 * s, (w - 2.2) * s, (h - 2.2) * s], radius=(w / 2.0 - 3) * s, fill=255)
    art.paint(img, art.rgb("#8894A1"), art.ss_mask(w, h, inner), (x, y))

    def parts(d, s):
        d.rounded_rectangle([(w / 2.0 - 5) * s, 10 * s, (w / 2.0 + 5) * s, 22 * s], radius=2 * s, fill=255)
        d.rounded_rectangle([9 * s, (h - 9) * s, (w - 9) * s, (h - 6) * s], radius=1.5 * s, fill=255)
    art.paint(img, art.rgb("#3A434D"), art.ss_mask(w, h, parts), (x, y))


def _keyboard(art, img, x, y, w=74, h=40):
    """A keyboard from above, its power switch on the top edge (drawn by the caller)."""
    def body(d, s):
        d.rounded_rectangle([0.5 * s, 0.5 * s, (w - 0.5) * s, (h - 0.5) * s], radius=4 * s, fill=255)
    art.paint(img, art.rgb("#4F5B68"), art.ss_mask(w, h, body), (x, y))

    def keys(d, s):
        for row in range(3):
            for col in range(9):
                kx = 4 + col * 7.4
                ky = 5 + row * 8
                d.rounded_rectangle([kx * s, ky * s, (kx + 5.6) * s, (ky + 6) * s], radius=1 * s, fill=255)
        d.rounded_rectangle([16 * s, 30 * s, (w - 16) * s, 36 * s], radius=1 * s, fill=255)
    art.paint(img, art.rgb("#E6EAEE"), art.ss_mask(w, h, keys), (x, y))


def _arrow(art, img, x, y, w=26, h=14):
    def draw(d, s):
        d.rectangle([0, (h / 2.0 - 2) * s, (w - 9) * s, (h / 2.0 + 2) * s], fill=255)
        d.polygon([((w - 10) * s, 0), (w * s, h / 2.0 * s), ((w - 10) * s, h * s)], fill=255)
    art.paint(img, art.AMBER, art.ss_mask(w, h, draw), (x, y))


def _clock(art, img, x, y, size=20):
    def draw(d, s):
        d.ellipse([1 * s, 1 * s, (size - 1) * s, (size - 1) * s], outline=255, width=int(2 * s))
        c = size / 2.0
        d.line([(c * s, c * s), (c * s, 5 * s)], fill=255, width=int(2 * s))
        d.line([(c * s, c * s), ((c + 4) * s, (c + 2) * s)], fill=255, width=int(2 * s))
    art.paint(img, art.BLUE, art.ss_mask(size, size, draw), (x, y))


# --------------------------------------------------------------------------------------------
# Backgrounds


def step1_background(art):
    w, h = STEP1_SIZE
    img, mask, outline = _frame(art, w, h, HEADER_SPAN)
    _panel(art, img, 20, 133, w - 40, 74)   # mouse choice with its two switch boxes
    _panel(art, img, 20, 211, w - 40, 26)   # keyboard choice
    # the two switches beside their boxes: check box 49..67, label from 113; box 208..225, label 285
    _slide_switch(art, img, 72, 180, True)
    _push_button(art, img, 240, 176, False)
    return _finish(art, img, mask, outline)


def step2_background(art, picture):
    """picture: 'slide', 'push' or 'keyboard'. OFF on the left (label at 31..105), ON on the right
    (label at 287..353), the devices between them."""
    w, h = STEP2_SIZE
    img, mask, outline = _frame(art, w, h, 30)
    _panel(art, img, 18, 184, w - 36, 64)
    left, right = 112, 228
    for x, on in ((left, False), (right, True)):
        if picture == "keyboard":
            _keyboard(art, img, x - 14, 200)
            _slide_switch(art, img, x + 6, 189, on, 0.8)
        else:
            _mouse_underside(art, img, x, 186)
            if picture == "slide":
                _slide_switch(art, img, x + 5, 218, on, 1.0)
            else:
                _push_button(art, img, x + 12, 214, on, 18)
    _arrow(art, img, 182, 210)
    # countdown below the buttons: lb_Message at 152, 311
    _clock(art, img, 126, 309)
    return _finish(art, img, mask, outline)


def form_background(art):
    w, h = FORM_SIZE
    img, mask, outline = _frame(art, w, h, HEADER_SPAN)
    return _finish(art, img, mask, outline)


def logo(art):
    """20 x 20: the receiver's mark, on the header colour of rows 8 .. 27."""
    size = 20
    img = Image.new("RGB", (size, size))
    px = img.load()
    for y in range(size):
        c = _header_colour(art, 8 + y)
        for x in range(size):
            px[x, y] = c

    def tile(d, s):
        d.rounded_rectangle([1 * s, 1 * s, 19 * s, 19 * s], radius=4 * s, fill=255)
    art.paint(img, art.BLUE, art.ss_mask(size, size, tile))

    def waves(d, s):
        for r in (3.5, 7.0, 10.5):
            d.arc([(6 - r) * s, (14 - r) * s, (6 + r) * s, (14 + r) * s], start=-90, end=0,
                  fill=255, width=int(1.8 * s))
        d.ellipse([4.5 * s, 12.5 * s, 7.5 * s, 15.5 * s], fill=255)
    art.paint(img, art.WHITE, art.ss_mask(size, size, waves))
    return img


# --------------------------------------------------------------------------------------------
# Fit of the texts: the labels are laid out for short lines; a translation that runs into the
# next control or off the window is reported (a note, not an error: Wine's Tahoma may be absent).

TAHOMA = "/usr/share/wine/fonts/tahoma.ttf"
TAHOMA_BOLD = "/usr/share/wine/fonts/tahomabd.ttf"
CJK_FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
SAFETY = 1.07  # the window's text rendering runs a little wider than PIL's measure

# label base name -> (left, right limit, bold) for one-line labels, or ("wrap", width, lines).
FIT = {
    "CorvilStep1": {"lb_Title": (28, 176, True), "lb_ProgramTitle": (208, 340, False),
                    "lb_Contents": ("wrap", 318, 6), "lb_MousePair": (49, 355, False),
                    "lb_MousePair_Type": (49, 355, False), "lb_MousePair_Type1": (113, 205, False),
                    "lb_MousePair_Type2": (285, 360, False), "lb_KeyboardPair": (48, 355, False)},
    "CorvilStep2": {"lb_ProgramTitle": (208, 340, False), "lb_ActivateDeviceTitle": (23, 358, True),
                    "lb_ActivateDeviceHint": (23, 358, True), "lb_FirstNotes": (23, 358, False),
                    "lb_SecondNotes": (23, 358, False), "lb_ThirdNotes": (23, 358, False),
                    "lb_FourthNotes": (23, 358, False), "lb_FirstNotesHint": (35, 358, False),
                    "lb_SecondNotesHint": (35, 358, False), "lb_ThirdNotesHint": (35, 358, False),
                    "lb_FourthNotesHint": (35, 358, False), "lb_Hint": (31, 268, False)},
    "CorvilStep3": {"lb_ProgramTitle": (208, 340, False), "lb_Title": (23, 176, True),
                    "lb_ConfirmDeviceTitle": (23, 372, True), "lb_TitleNotes": ("wrap", 328, 3),
                    "lb_Hint": ("wrap", 328, 4), "lb_ConfirmYesNo": (26, 372, False),
                    "lb_Yes": (45, 96, False), "lb_No": (118, 372, False)},
    "CorvilStep4": {"lb_ProgramTitle": (208, 340, False), "lb_Title": (25, 176, True),
                    "lb_SuccessTitle": (25, 372, True), "lb_SuccessNotes": (25, 372, False),
                    "lb_DeviceName": (25, 206, False), "lb_DeviceID": (25, 206, False),
                    "lb_NotesTitle": (25, 372, False), "lb_Notes": ("wrap", 328, 5)},
}
SUFFIXES = ("_Mouse1", "_Mouse2", "_Keyboard", "_Mouse")
NAME_LIMIT = 14  # the name box takes 14 characters


def _lines_needed(measure, text, width, cjk):
    count, line = 1, ""
    for token in (list(text) if cjk else text.split(" ")):
        candidate = line + ("" if cjk or not line else " ") + token
        if measure(candidate) > width and line:
            count, line = count + 1, token
        else:
            line = candidate
    return count


def check_fit(langs, texts):
    if not all(os.path.exists(f) for f in (TAHOMA, TAHOMA_BOLD, CJK_FONT)):
        return []
    from PIL import ImageFont
    fonts = {(False, False): ImageFont.truetype(TAHOMA, 11), (True, False): ImageFont.truetype(TAHOMA_BOLD, 11),
             (False, True): ImageFont.truetype(CJK_FONT, 11), (True, True): ImageFont.truetype(CJK_FONT, 11)}
    notes = []
    for lang in langs:
        cjk = lang["script"] == "cjk"
        for section, labels in FIT.items():
            for key, value in texts[lang["name"]].get(section, {}).items():
                if key == "UnKnowDeviceName":
                    if len(value) > NAME_LIMIT:
                        notes.append("%s [%s] %s: longer than the name box" % (lang["name"], section, key))
                    continue
                base = key.split("->")[0]
                for suffix in SUFFIXES:
                    if base.endswith(suffix):
                        base = base[:-len(suffix)]
                        break
                spec = labels.get(base)
                if spec is None:
                    continue
                if spec[0] == "wrap":
                    fnt = fonts[(False, cjk)]
                    measure = lambda t: fnt.getlength(t) * SAFETY  # noqa: E731
                    if _lines_needed(measure, value, spec[1], cjk) > spec[2]:
                        notes.append("%s [%s] %s: more than %d lines" % (lang["name"], section, key, spec[2]))
                elif spec[0] + fonts[(spec[2], cjk)].getlength(value) * SAFETY > spec[1]:
                    notes.append("%s [%s] %s: runs past x=%d" % (lang["name"], section, key, spec[1]))
    return notes


# --------------------------------------------------------------------------------------------


def stage(out, stage_root, langs, texts, gen):
    art = gen.art
    folder = os.path.join(stage_root, gen.FORMS, "CorvilForm")
    gen.stage_skin_set(out, folder, langs, texts)
    pictures = {
        "CorvilStep1_Background.bmp": step1_background(art),
        "MouseCorvilStep201_Background.bmp": step2_background(art, "slide"),
        "MouseCorvilStep202_Background.bmp": step2_background(art, "push"),
        "KeyboardCorvilStep2_Background.bmp": step2_background(art, "keyboard"),
        "CorvilForm_Background.bmp": form_background(art),
        "LogoTotem.bmp": logo(art),
    }
    for name in sorted(pictures):
        out.bmp(os.path.join(folder, "English", name), pictures[name])
    for note in check_fit(langs, texts):
        sys.stderr.write("generate.py: note: wizard text may be clipped: %s\n" % note)
