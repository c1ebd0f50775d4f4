"""PNG previews of the generated artwork, for looking at it (generate.py --preview <dir>).

- sheet-*.png     every bitmap enlarged 2x, the key colour shown as a checkerboard
- mock-*.png      windows put together from their bitmaps with sample texts, as the programs would
                  show them (DejaVu stands in for Tahoma, so widths are slightly on the safe side)
- fit-*.png       the host's fixed-size labels with each language's text, wrapped at their sizes;
                  a red frame marks text that needs more lines than the label has
"""

import os

from PIL import Image, ImageDraw

import artwork as art

SCALE = 2


def _load_bmp(path):
    return Image.open(path).convert("RGB")


def _checker(size, a=(236, 236, 236), b=(206, 206, 206), step=8):
    img = Image.new("RGB", size, a)
    d = ImageDraw.Draw(img)
    for y in range(0, size[1], step):
        for x in range(0, size[0], step):
            if (x // step + y // step) % 2:
                d.rectangle([x, y, x + step - 1, y + step - 1], fill=b)
    return img


def _keyed(img, background=None):
    """img with the key colour of its pixel (0, 0) replaced by background (a checkerboard)."""
    key = img.getpixel((0, 0))
    mask = Image.new("L", img.size, 0)
    src = img.load()
    mp = mask.load()
    for y in range(img.size[1]):
        for x in range(img.size[0]):
            if src[x, y] != key:
                mp[x, y] = 255
    out = background.copy() if background is not None else _checker(img.size, step=4)
    out.paste(img, (0, 0), mask)
    return out


def _cells_keyed(img, cells=4):
    """Each cell keyed on its own pixel (0, 0), as the button skins do."""
    w = img.size[0] // cells
    out = Image.new("RGB", img.size)
    for i in range(cells):
        cell = img.crop((i * w, 0, (i + 1) * w, img.size[1]))
        out.paste(_keyed(cell), (i * w, 0))
    return out


def _label_font():
    return art.font("latin", "regular", 11)


def _sheet(path, items, width=1100, scale=SCALE):
    """items: list of (caption, image) laid out in rows, enlarged by scale."""
    f = _label_font()
    pad = 10
    x = y = pad
    row_h = 0
    placed = []
    for caption, img in items:
        big = img.resize((img.size[0] * scale, img.size[1] * scale), Image.Resampling.NEAREST)
        w = max(big.size[0], int(f.getlength(caption)))
        h = big.size[1] + 16
        if x + w > width - pad and x > pad:
            x = pad
            y += row_h + pad
            row_h = 0
        placed.append((x, y, caption, big))
        x += w + 2 * pad
        row_h = max(row_h, h)
    sheet = Image.new("RGB", (width, y + row_h + pad), (255, 255, 255))
    d = ImageDraw.Draw(sheet)
    for x, y, caption, big in placed:
        d.text((x, y), caption, fill=(40, 40, 40), font=f)
        sheet.paste(big, (x, y + 14))
    sheet.save(path)


def _wrap(text, fnt, width):
    """Word wrap as a label does it (break at blanks; text without blanks breaks anywhere)."""
    lines = []
    for para in text.replace("\\\\\\\\", "\n").split("\n"):
        cjk = any(ord(c) > 0x2E80 for c in para)
        tokens = []
        if cjk:
            buf = ""
            for c in para:
                if c == " " or ord(c) > 0x2E80:
                    if buf:
                        tokens.append(buf)
                        buf = ""
                    tokens.append(c)
                else:
                    buf += c
            if buf:
                tokens.append(buf)
        else:
            tokens = [t + " " for t in para.split(" ")]
        line = ""
        for t in tokens:
            trial = line + t
            if fnt.getlength(trial.rstrip()) > width and line.strip():
                lines.append(line.rstrip())
                line = t.lstrip()
            else:
                line = trial
        lines.append(line.rstrip())
    return lines


def _text_font(script, size, bold=False):
    return art.font(script, "bold" if bold else "regular", size)


def _draw_label(img, x, y, w, h, text, script, size, colour, bold=False, centre_v=False,
                autosize=False):
    fnt = _text_font(script, size, bold)
    lines = _wrap(text, fnt, w) if not autosize else [text]
    lh = size + 3
    d = ImageDraw.Draw(img)
    top = y
    if centre_v:
        top = y + (h - lh * len(lines)) // 2
    for i, line in enumerate(lines):
        d.text((x, top + i * lh), line, fill=colour, font=fnt)
    return len(lines) * lh <= h or autosize


def _paste_cell(img, bmp, x, y, cell=0, cells=4):
    w = bmp.size[0] // cells
    c = bmp.crop((cell * w, 0, (cell + 1) * w, bmp.size[1]))
    key = c.getpixel((0, 0))
    mask = Image.new("L", c.size, 0)
    cp = c.load()
    mp = mask.load()
    for yy in range(c.size[1]):
        for xx in range(c.size[0]):
            if cp[xx, yy] != key:
                mp[xx, yy] = 255
    img.paste(c, (x, y), mask)


def _window(img, bg=(90, 96, 104)):
    """The window on a desktop-grey backdrop, cut to its key colour."""
    out = Image.new("RGB", (img.size[0] + 40, img.size[1] + 40), bg)
    key = img.getpixel((0, 0))
    mask = Image.new("L", img.size, 0)
    src = img.load()
    mp = mask.load()
    for y in range(img.size[1]):
        row = [x for x in range(img.size[0]) if src[x, y] != key]
        if row:
            for x in range(row[0], row[-1] + 1):
                mp[x, y] = 255
    out.paste(img, (20, 20), mask)
    return out


def _mock_ackbox(stage, message, script, caption="OK"):
    folder = os.path.join(stage, "Data", "Tandra_Technology", "Forms", "Ackbox", "English")
    bg = _load_bmp(os.path.join(folder, "Ackbox_Background.bmp"))
    ok = _load_bmp(os.path.join(folder, "OK.bmp"))
    close = _load_bmp(os.path.join(folder, "WindowClose.bmp"))
    img = bg.copy()
    fits = _draw_label(img, 57, 32, 200, 66, message, script, 13, (0, 128, 128), centre_v=True)
    _paste_cell(img, ok, 117, 104)
    f = art.font("latin", "regular", 11)
    d = ImageDraw.Draw(img)
    d.text((117 + 77 // 2, 104 + 13), caption, fill=(0, 0, 0), font=f, anchor="mm")
    _paste_cell(img, close, 263, 15)
    return _window(img), fits


def _mock_pairtool(stage, generated, lang, script, texts, states=(0, 0)):
    bg = _load_bmp(os.path.join(generated, "PairForm_Background.bmp"))
    data = os.path.join(stage, "data")
    pair = _load_bmp(os.path.join(data, lang + "Pair.bmp"))
    close = _load_bmp(os.path.join(data, "MouseA_WindowClose.bmp"))
    t = texts[lang]["Merrow"]
    img = bg.copy()
    white = (236, 242, 248)
    yellow = (255, 221, 0)
    _draw_label(img, 20, 12, 288, 16, t["PAIR_Title"], script, 13, white, bold=True)
    for n, y in ((1, 55), (2, 87), (3, 117)):
        _draw_label(img, 39, y, 30, 16, "%d. " % n, "latin", 11, white, autosize=True)
    _draw_label(img, 60, 55, 440, 16, t["PAIR_Step1"], script, 11, white, autosize=True)
    _draw_label(img, 60, 87, 440, 16, t["PAIR_Step2"], script, 11, white, autosize=True)
    _draw_label(img, 60, 117, 440, 16, t["PAIR_Step3"], script, 11, yellow, bold=True, autosize=True)
    _draw_label(img, 60, 139, 440, 16, t["PAIR_Step31"], script, 11, white, autosize=True)
    d = ImageDraw.Draw(img)
    fnt = _text_font(script, 11)
    for y, key, code in ((188, "PAIR_DisplayMouseID", "051234"), (229, "PAIR_DisplayKeybdID", "")):
        d.rectangle([153, y, 153 + 111, y + 20], fill=(255, 255, 255), outline=(122, 138, 153))
        if code:
            d.text((157, y + 4), code, fill=(0, 0, 0), font=_text_font("latin", 11))
        label = t[key]
        d.text((150 - fnt.getlength(label), y + 4), label, fill=white, font=fnt)
    _paste_cell(img, pair, 60, 265, states[0])
    _paste_cell(img, close, 469, 8, states[1])
    _draw_label(img, 200, 265, 300, 25, "14 " + t["PAIR_Second"], script, 21, yellow,
                autosize=True)
    return _window(img)


def _fit_sheet(path, texts, langs):
    """The host's fixed labels (bounds and font sizes of its main window) in every language."""
    labels = [
        ("lb_Title", 147, 18, 15, True), ("lb_ProgramTitle", 131, 18, 12, False),
        ("lb_ForMeeting", 321, 18, 12, True), ("lb_ForMeetingNotes", 335, 55, 11, False),
        ("lb_ForLife", 321, 18, 12, True), ("lb_ForLifeNotes", 335, 58, 11, False),
    ]
    col_w = 360
    rows = []
    report = []
    for lang in langs:
        sec = texts[lang["name"]].get("CorvilMain", {})
        rows.append((lang, sec))
    block_h = 18 + sum(h + 6 for _, _, h, _, _ in labels)
    cols = 3
    sheet = Image.new("RGB", (cols * (col_w + 20) + 20, ((len(rows) + cols - 1) // cols) * (block_h + 20) + 20),
                      (255, 255, 255))
    d = ImageDraw.Draw(sheet)
    for i, (lang, sec) in enumerate(rows):
        x0 = 20 + (i % cols) * (col_w + 20)
        y0 = 20 + (i // cols) * (block_h + 20)
        d.text((x0, y0), lang["name"], fill=(0, 0, 0), font=_label_font())
        y = y0 + 16
        for name, w, h, size, bold in labels:
            text = sec.get(name + "->Caption", "")
            box = Image.new("RGB", (w, h), (246, 249, 252))
            fnt = _text_font(lang["script"], size, bold)
            lines = _wrap(text, fnt, w)
            lh = size + 2
            bd = ImageDraw.Draw(box)
            for k, line in enumerate(lines):
                bd.text((0, k * lh), line, fill=(20, 40, 60), font=fnt)
            sheet.paste(box, (x0, y))
            ok = len(lines) * lh <= h + 2
            if not ok:
                report.append("%s %s: %d lines of %d px in %d px" % (lang["name"], name, len(lines), lh, h))
            d.rectangle([x0 - 1, y - 1, x0 + w, y + h], outline=(0, 160, 0) if ok else (230, 0, 0))
            y += h + 6
    sheet.save(path)
    with open(path[:-4] + ".txt", "w", encoding="utf-8") as f:
        f.write("\n".join(report) + ("\n" if report else "all labels fit\n"))


def make(preview, written, stage, langs, texts, generated_dir=None):
    """generated_dir: the folder of the files compiled into the programs (the pairing tool's
    window); without it the pairing tool's mock-ups are left out."""
    os.makedirs(preview, exist_ok=True)
    bmps = sorted(p for p in written if p.endswith(".bmp"))
    groups = {}
    for p in bmps:
        rel = os.path.relpath(p, stage) if p.startswith(stage) else "generated/" + os.path.basename(p)
        parts = rel.split(os.sep)
        if parts[0] == "data":
            g = "pairtool"
        elif "Ackbox" in parts:
            g = "ackbox"
        elif "CorvilMaintain" in parts:
            if parts[-2] != "English":
                continue  # the caption sheets show these
            g = "skin-English"
        else:
            g = "generated"
        groups.setdefault(g, []).append((rel, p))
    for g, entries in sorted(groups.items()):
        items = []
        for rel, p in entries:
            img = _load_bmp(p)
            if os.path.basename(p) in ("Check.bmp", "Combo.bmp"):
                shown = img  # copied as they are, never cut to a key colour
            elif img.size[0] > 200 and img.size[1] > 100:
                shown = _keyed(img)
            else:
                shown = _cells_keyed(img)
            items.append(("%s  %dx%d" % (rel, img.size[0], img.size[1]), shown))
        _sheet(os.path.join(preview, "sheet-%s.png" % g), items)

    icons = [p for p in written if p.endswith(".ico")]
    if icons:
        from io import BytesIO
        items = []
        for size in (16, 32, 48):
            im = Image.open(BytesIO(open(icons[0], "rb").read()))
            im.size = (size, size)
            frame = im.convert("RGBA")
            for bg in ((255, 255, 255), (30, 30, 30)):
                tile = Image.new("RGB", frame.size, bg)
                tile.paste(frame, (0, 0), frame)
                items.append(("%dpx" % size, tile.resize((size * 2, size * 2), Image.Resampling.NEAREST)))
        _sheet(os.path.join(preview, "sheet-icon.png"), items, width=600)

    script = {lang["name"]: lang["script"] for lang in langs}
    shots = []
    for name in ("English", "German", "FrenchF", "Russian", "Japanese", "ChineseT", "Korean", "Spanish"):
        for key_sec, key in (("CorvilMain", "NoDongleExists"), ("CorvilMain", "MultipleDongle"),
                             ("Wavegauge", "DongleNotExist")):
            msg = texts[name].get(key_sec, {}).get(key, "")
            img, fits = _mock_ackbox(stage, msg, script[name])
            shots.append(("%s %s%s" % (name, key, "" if fits else "  (TOO LONG)"), img))
    _sheet(os.path.join(preview, "mock-ackbox.png"), shots, width=1100, scale=1)
    if generated_dir:
        items = []
        for name in ("English", "ChineseT", "ChineseS"):
            items.append((name, _mock_pairtool(stage, generated_dir, name, script[name], texts)))
        items.append(("English, hover over Pair and close",
                      _mock_pairtool(stage, generated_dir, "English", "latin", texts, (1, 1))))
        big = []
        for c, i in items:
            big.append((c, i))
        _sheet(os.path.join(preview, "mock-pairtool.png"), big, width=1160)
    _fit_sheet(os.path.join(preview, "fit-host-labels.png"), texts, langs)
    import generate
    captioned = [e[0] for e in generate.SKIN_SET if e[1] == "caption"]
    caption_sheets(preview, stage, langs, captioned)


def caption_sheets(preview, stage, langs, captioned):
    """Normal cells of every captioned bitmap, a row per language, three languages per sheet."""
    folder = os.path.join(stage, "Data", "Tandra_Technology", "Forms", "Lustrea")  # the shared skin
    f = _label_font()
    groups = [langs[i:i + 3] for i in range(0, len(langs), 3)]
    for n, group in enumerate(groups):
        rows = []
        for lang in group:
            cells = []
            for name in captioned:
                path = os.path.join(folder, lang["name"], name)
                if not os.path.exists(path):
                    path = os.path.join(folder, "English", name)
                img = _load_bmp(path)
                w = img.size[0] // 4
                cells.append(_keyed(img.crop((0, 0, w, img.size[1]))))
            rows.append((lang["name"], cells))
        width = 1150
        y = 10
        layout = []
        for name, cells in rows:
            layout.append(("text", 10, y, name))
            y += 16
            x = 10
            row_h = 0
            for c in cells:
                big = c.resize((c.size[0] * SCALE, c.size[1] * SCALE), Image.Resampling.NEAREST)
                if x + big.size[0] > width - 10:
                    x = 10
                    y += row_h + 6
                    row_h = 0
                layout.append(("img", x, y, big))
                x += big.size[0] + 6
                row_h = max(row_h, big.size[1])
            y += row_h + 14
        sheet = Image.new("RGB", (width, y), (255, 255, 255))
        d = ImageDraw.Draw(sheet)
        for kind, x, yy, obj in layout:
            if kind == "text":
                d.text((x, yy), obj, fill=(0, 0, 0), font=f)
            else:
                sheet.paste(obj, (x, yy))
        sheet.save(os.path.join(preview, "captions-%d.png" % (n + 1)))
