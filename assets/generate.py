#!/usr/bin/python3
"""Makes the suite's bitmaps, icon, language files and UI layout files.

    /usr/bin/python3 assets/generate.py --stage <installation root> [--generated <dir>] [--preview <dir>]

--stage      the installation tree: the pairing tool's data\\ folder and Data\\Tandra_Technology\\Forms\\
--generated  files compiled into the programs (the pairing window's background)
--preview    PNG contact sheets and window mock-ups for looking at the artwork (not used by the build)
--24-bit     store every bitmap 24-bit (the reference of the bitmap readers' check in tests/wine/forms)
--every-copy keep the bitmaps the programs' lookups find elsewhere (see sharing.py): the reference
             tree of the lookup check in tests/assets

The output depends only on the files in this folder and the fixed fonts: the same inputs give the
same bytes. Files whose content is unchanged are not rewritten, so their times stay as they were.
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True  # keep the source folder free of caches (the build globs it)
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import artwork as art  # noqa: E402
import sharing  # noqa: E402

PAIRTOOL_SECTION = "Merrow"      # staged into data\<Language>.txt of the pairing tool
CAPTION_SECTION = "SkinCaptions"  # captions drawn into skin bitmaps; also the buttons' names
NAMES_SECTION = "SkinNames"  # what the symbol bitmaps mean (texts/skin/): names for screen readers
# Sections that name skinned controls: staged into every language file, the pairing tool's too.
SKIN_NAME_SECTIONS = (CAPTION_SECTION, NAMES_SECTION)
FORMS = os.path.join("Data", "Tandra_Technology", "Forms")
# Forms whose skin also looks in the shared skin folder Forms\\Lustrea\\: those skinned by the skin
# library (the host, the wizard, the signal display) and the paired-device manager. The dialogs
# (Ackbox, Notabox, Querent) look in their own folder only.
SHARED_SKIN_USERS = ("CorvilForm", "CorvilMaintain", "CorvilManager", "Wavegauge")
GENERATED = None  # the --generated folder while main() runs, for parts that make compiled-in files


def version():
    """The suite's one version number, e.g. "1.2.0", from VERSION at the repository root: the same
    number the version resources and the installer carry (the host's version label uses it too)."""
    with open(os.path.join(HERE, "..", "VERSION"), encoding="ascii") as f:
        number = f.read().strip()
    if not number or not all(part.isdigit() for part in number.split(".")):
        raise SourceError("generate.py: VERSION must hold one version number such as 1.2.0")
    return number

# --------------------------------------------------------------------------------------------
# Reading the source texts


class SourceError(SystemExit):
    pass


def read_ini(path):
    """A UTF-8 INI file as an ordered dict {section: ordered dict {key: value}}.

    Lines starting with ';' or '#' are comments. The value is everything after the first '=',
    without surrounding blanks (Windows' INI reader drops them too).
    """
    sections = {}
    current = None
    with open(path, encoding="utf-8-sig") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\r\n")
            stripped = line.strip()
            where = "%s:%d" % (os.path.relpath(path, HERE), number)
            if not stripped or stripped[0] in ";#":
                continue
            if stripped.startswith("["):
                if not stripped.endswith("]"):
                    raise SourceError("generate.py: %s: section header without ']'" % where)
                current = stripped[1:-1].strip()
                if current in sections:
                    raise SourceError("generate.py: %s: section [%s] appears twice" % (where, current))
                sections[current] = {}
                continue
            if "=" not in line or current is None:
                raise SourceError("generate.py: %s: expected key=value inside a section" % where)
            key, value = line.split("=", 1)
            key = key.strip()
            value = value.strip()
            if key in sections[current]:
                raise SourceError("generate.py: %s: key %s appears twice in [%s]" % (where, key, current))
            if len(value) >= 2 and value[0] == value[-1] and value[0] in "\"'":
                raise SourceError("generate.py: %s: the INI reader would strip the quotes around "
                                  "this value" % where)
            sections[current][key] = value
    return sections


def load_languages():
    table = read_ini(os.path.join(HERE, "languages.ini"))
    langs = []
    for name, props in table.items():
        if props.get("Script") not in ("latin", "cjk"):
            raise SourceError("generate.py: languages.ini [%s]: Script must be latin or cjk" % name)
        if not props.get("FontName"):
            raise SourceError("generate.py: languages.ini [%s]: FontName missing" % name)
        langs.append({"name": name, "script": props["Script"], "font": props["FontName"]})
    if not langs or langs[0]["name"] != "English":
        raise SourceError("generate.py: languages.ini must list English first")
    return langs


def text_areas():
    """texts/ itself, then each sub-folder of texts/ (one per form family), sorted."""
    root = os.path.join(HERE, "texts")
    subs = sorted(d for d in os.listdir(root) if os.path.isdir(os.path.join(root, d)))
    return [root] + [os.path.join(root, d) for d in subs]


def load_texts(langs):
    """Texts of every language; keys that English lacks are errors, gaps fall back to English.

    Each language's sections come from texts/<Language>.ini and from texts/<area>/<Language>.ini of
    every sub-folder; a section may live in one file only.
    """
    texts = {}
    for lang in langs:
        merged = {}
        for area in text_areas():
            path = os.path.join(area, lang["name"] + ".ini")
            if not os.path.exists(path):
                if area == text_areas()[0]:
                    raise SourceError("generate.py: missing %s" % os.path.relpath(path, HERE))
                continue
            for section, keys in read_ini(path).items():
                if section in merged:
                    raise SourceError("generate.py: %s: section [%s] is already in another file"
                                      % (os.path.relpath(path, HERE), section))
                merged[section] = keys
        texts[lang["name"]] = merged
    english = texts["English"]
    for name, data in texts.items():
        for section, keys in data.items():
            if section not in english:
                raise SourceError("generate.py: texts/%s.ini: section [%s] is not in English.ini"
                                  % (name, section))
            for key in keys:
                if key not in english[section]:
                    raise SourceError("generate.py: texts/%s.ini: [%s] %s is not in English.ini"
                                      % (name, section, key))
        for section, keys in english.items():
            if section == PAIRTOOL_SECTION and section not in data:
                continue  # the pairing tool speaks three languages only
            for key in keys:
                if key not in data.get(section, {}):
                    sys.stderr.write("generate.py: note: texts/%s.ini lacks [%s] %s (English is used)\n"
                                     % (name, section, key))
    return texts


def caption(texts, lang, key):
    own = texts[lang].get(CAPTION_SECTION, {}).get(key)
    return own if own else texts["English"][CAPTION_SECTION][key]


# --------------------------------------------------------------------------------------------
# Writing


class Output:
    """Collects the files of a run, then writes them, skipping those whose bytes are already on disk,
    and keeps a list of them."""

    def __init__(self, compact_below=None, unpacked_below=None):
        """compact_below: bitmaps in this folder are stored compactly where lossless (see
        artwork.bmp_bytes); None keeps every bitmap 24-bit. unpacked_below: bitmaps compiled into
        the programs, which Windows' own LoadImage reads: 8-bit where lossless, never run-length
        compressed (a DIB section takes no compressed rows)."""
        self.files = {}
        self.written = []
        self.compact_below = compact_below
        self.unpacked_below = unpacked_below

    def put(self, path, data):
        self.files[path] = data

    def bmp(self, path, img):
        def below(folder):
            return folder is not None and path.startswith(folder + os.sep)
        unpacked = below(self.unpacked_below)
        self.put(path, art.bmp_bytes(img, below(self.compact_below) or unpacked, rle=not unpacked))

    def text(self, path, lines):
        """UTF-16LE with a byte-order mark and CRLF line ends: what the Windows INI reader expects."""
        body = "".join(line + "\r\n" for line in lines)
        self.put(path, b"\xff\xfe" + body.encode("utf-16-le"))

    def leave_out(self, paths):
        for path in paths:
            del self.files[path]

    def write(self):
        for path in sorted(self.files):
            data = self.files[path]
            os.makedirs(os.path.dirname(path), exist_ok=True)
            if os.path.exists(path):
                with open(path, "rb") as f:
                    if f.read() == data:
                        self.written.append(path)
                        continue
            # Two runs may fill one folder at once (the two halves of the Windows tests make the
            # same reference tree): each writes its own temporary file and renames it into place.
            tmp = "%s.%d.tmp" % (path, os.getpid())
            with open(tmp, "wb") as f:
                f.write(data)
            os.replace(tmp, path)
            self.written.append(path)

    def remove_stale_bitmaps(self, folder):
        """Bitmaps below folder come from this generator only: one it did not write this time is
        left from an earlier run (a copy now left out) and would be installed. Emptied folders go."""
        for root, dirs, names in os.walk(folder, topdown=False):
            for name in names:
                path = os.path.join(root, name)
                if name.lower().endswith(".bmp") and path not in self.files:
                    os.remove(path)
            if root != folder and not os.listdir(root):
                os.rmdir(root)


def ini_lines(sections):
    lines = []
    for section, keys in sections:
        if lines:
            lines.append("")
        lines.append("[%s]" % section)
        for key, value in keys:
            lines.append("%s=%s" % (key, value))
    return lines


# --------------------------------------------------------------------------------------------
# Language files


def stage_pairtool_texts(out, stage, langs, texts):
    english = texts["English"][PAIRTOOL_SECTION]
    for lang in langs:
        own = texts[lang["name"]].get(PAIRTOOL_SECTION)
        if own is None:
            continue
        keys = [(k, own.get(k, english[k])) for k in english]
        sections = [(PAIRTOOL_SECTION, keys)]
        # The skin names the tool's bitmap-captioned buttons from the same file.
        for section in SKIN_NAME_SECTIONS:
            names = texts["English"].get(section, {})
            mine = texts[lang["name"]].get(section, {})
            if names:
                sections.append((section, [(k, mine.get(k, names[k])) for k in names]))
        out.text(os.path.join(stage, "data", lang["name"] + ".txt"), ini_lines(sections))


def stage_suite_texts(out, stage, langs, texts):
    english = texts["English"]
    for lang in langs:
        own = texts[lang["name"]]
        sections = []
        for section, keys in english.items():
            if section == PAIRTOOL_SECTION:
                continue
            present = [(k, own[section][k]) for k in keys if k in own.get(section, {})]
            if present:
                sections.append((section, present))
        out.text(os.path.join(stage, FORMS, "Texts", lang["name"] + ".txt"), ini_lines(sections))


def stage_ui_files(out, stage, langs):
    """Every ui/<Folder>/<Name>.ini becomes Forms\\<Folder>\\<Name>.txt, with a section per language
    that starts with the language's FontName (unless the source section sets its own)."""
    root = os.path.join(HERE, "ui")
    if not os.path.isdir(root):
        return
    known = [lang["name"] for lang in langs]
    for folder in sorted(os.listdir(root)):
        src_dir = os.path.join(root, folder)
        if not os.path.isdir(src_dir):
            continue
        for name in sorted(os.listdir(src_dir)):
            if not name.endswith(".ini"):
                continue
            src = read_ini(os.path.join(src_dir, name))
            for section in src:
                if section not in known:
                    raise SourceError("generate.py: ui/%s/%s: [%s] is not a language of languages.ini"
                                      % (folder, name, section))
            sections = []
            for lang in langs:
                extra = src.get(lang["name"], {})
                keys = []
                if "FontName" not in extra:
                    keys.append(("FontName", lang["font"]))
                keys += list(extra.items())
                sections.append((lang["name"], keys))
            out.text(os.path.join(stage, FORMS, folder, name[:-4] + ".txt"), ini_lines(sections))


# --------------------------------------------------------------------------------------------
# The shared skin set of the skin library's slot table (plus slot 28, the signal-display button)

# file, kind, size, style, extras. Captioned bitmaps take their caption from [SkinCaptions] under
# the file name without ".bmp". Sizes follow the forms that use the bitmaps: a plain-fill button
# takes its size from one cell.
SKIN_SET = [
    ("OK.bmp", "plain", (77, 26), "soft", {}),
    ("Cancel.bmp", "plain", (77, 26), "neutral", {}),
    ("WindowClose.bmp", "plain", (20, 20), "titlebar", {"glyph": "cross"}),
    ("Button.bmp", "plain", (75, 24), "soft", {}),
    ("Check.bmp", "check", (13, 13), None, {}),
    ("Combo.bmp", "combo", (21, 21), None, {}),
    ("WindowMin.bmp", "plain", (20, 20), "titlebar-plain", {"glyph": "minimise"}),
    ("WindowMax.bmp", "plain", (20, 20), "titlebar-plain", {"glyph": "maximise"}),
    ("ArrowUp.bmp", "plain", (17, 17), "titlebar-plain", {"glyph": "up"}),
    ("ArrowDown.bmp", "plain", (17, 17), "titlebar-plain", {"glyph": "down"}),
    ("WindowMinimize.bmp", "plain", (20, 20), "titlebar-plain", {"glyph": "tray"}),
    ("Radio.bmp", "radio", (12, 13), None, {}),
    ("Web.bmp", "plain", (24, 24), "titlebar-plain", {"glyph": "globe"}),
    ("Pair.bmp", "caption", (77, 26), "accent", {"base": 12}),
    ("Set.bmp", "caption", (77, 26), "secondary", {"base": 12}),
    ("Battery.bmp", "plain", (32, 20), "titlebar-plain", {"glyph": "battery"}),
    ("Back.bmp", "caption", (87, 37), "secondary", {"chevron": "left"}),
    ("NextStep.bmp", "caption", (87, 37), "primary", {"chevron": "right"}),
    ("PreviousStep.bmp", "caption", (87, 37), "secondary", {"chevron": "left"}),
    ("PairDone.bmp", "caption", (124, 35), "primary", {}),
    ("PairNextMouse.bmp", "caption", (124, 35), "secondary", {}),
    ("CorvilManager.bmp", "caption", (132, 33), "primary", {"icon": "list"}),
    ("NewCorvilProc.bmp", "caption", (132, 33), "accent", {"icon": "plus"}),
    ("Exit.bmp", "caption", (124, 35), "secondary", {}),
    ("Remove.bmp", "caption", (64, 20), "danger", {"base": 11, "smallest": 8, "two_lines": False,
                                                    "radius": 3}),
    ("ToCorvilManager.bmp", "caption", (124, 35), "secondary", {}),
    ("PairNextKeyboard.bmp", "caption", (124, 35), "secondary", {}),
    ("Wavegauge.bmp", "caption", (132, 33), "primary", {"icon": "bars"}),
]


def _glyph(name):
    """Mask functions (w, h) -> 'L' for the plain buttons' symbols."""
    if name == "cross":
        return lambda w, h: art.glyph_cross(w, h, 7 if min(w, h) < 20 else 8, weight=1.7)
    if name == "minimise":
        def bar(w, h):
            m = art.Image.new("L", (w, h), 0)
            art.ImageDraw.Draw(m).rectangle([6, 12, w - 7, 13], fill=255)
            return m
        return bar
    if name == "maximise":
        def box(w, h):
            m = art.Image.new("L", (w, h), 0)
            d = art.ImageDraw.Draw(m)
            d.rectangle([6, 6, w - 7, h - 7], outline=255)
            d.rectangle([6, 6, w - 7, 7], fill=255)
            return m
        return box
    if name == "tray":
        return lambda w, h: art.glyph_chevron(w, h, w / 2.0, h / 2.0 + 0.5, 9, "down", weight=1.8)
    if name in ("up", "down"):
        return lambda w, h: art.glyph_triangle(w, h, w / 2.0, h / 2.0 + (0.5 if name == "up" else 0),
                                               8, name)
    if name == "globe":
        def globe(w, h):
            m = art.Image.new("L", (w, h), 0)
            m.paste(art.icon_globe(16), ((w - 16) // 2, (h - 16) // 2))
            return m
        return globe
    if name == "battery":
        def battery(w, h):
            m = art.Image.new("L", (w, h), 0)
            m.paste(art.icon_battery(22, 12, 0.7), ((w - 22) // 2, (h - 12) // 2))
            return m
        return battery
    raise ValueError(name)


_bitmap_cache = {}


def skin_bitmap(entry, text, script, where):
    name, kind, (w, h), style, extra = entry
    key = (name, kind, w, h, style, text, script)
    if key in _bitmap_cache:
        return _bitmap_cache[key]
    radius = extra.get("radius", 5 if h >= 30 else (4 if h >= 22 else 3))
    if kind == "plain":
        glyph = _glyph(extra["glyph"]) if "glyph" in extra else None
        img = art.plain_button(w, h, style, radius, glyph)
    elif kind == "check":
        img = art.check_cells(w)
    elif kind == "radio":
        img = art.radio_cells(w, h)
    elif kind == "combo":
        img = art.combo_cells(w)
    elif kind == "caption":
        img = art.caption_button(w, h, style, radius, text, script, where,
                                 base=extra.get("base", 13), smallest=extra.get("smallest", 9),
                                 icon=extra.get("icon"), chevron=extra.get("chevron"),
                                 two_lines=extra.get("two_lines", True))
    else:
        raise ValueError(kind)
    _bitmap_cache[key] = img
    return img


def stage_skin_set(out, folder, langs, texts, sizes=None):
    """Stages the skin set into <folder>: every file into English\\, and into <Language>\\ only the
    captioned files whose caption differs from the English one.

    sizes: {file name: (cell width, cell height)} for a plug-in whose forms use other button sizes,
    e.g. {"Exit.bmp": (77, 27)} for the signal display.
    """
    sizes = sizes or {}
    for entry in SKIN_SET:
        name, kind, size, style, extra = entry
        entry = (name, kind, sizes.get(name, size), style, extra)
        stem = name[:-4]
        english_text = caption(texts, "English", stem) if kind == "caption" else None
        for lang in langs:
            text = caption(texts, lang["name"], stem) if kind == "caption" else None
            if lang["name"] != "English" and text == english_text:
                continue
            where = "%s of %s" % (name, lang["name"])
            img = skin_bitmap(entry, text, lang["script"], where)
            out.bmp(os.path.join(folder, lang["name"], name), img)


# --------------------------------------------------------------------------------------------
# Forms


def stage_pairtool_bitmaps(out, stage, langs, texts):
    data = os.path.join(stage, "data")
    out.bmp(os.path.join(data, "MouseA_WindowClose.bmp"),
            art.plain_button(20, 20, "titlebar-dark", 4, _glyph("cross")))
    for lang in langs:
        if PAIRTOOL_SECTION not in texts[lang["name"]]:
            continue
        text = caption(texts, lang["name"], "Pair")
        img = art.caption_button(90, 25, "accent-dark", 4, text, lang["script"],
                                 "%sPair.bmp" % lang["name"], base=13, two_lines=False)
        out.bmp(os.path.join(data, lang["name"] + "Pair.bmp"), img)


def stage_ackbox(out, stage):
    folder = os.path.join(stage, FORMS, "Ackbox", "English")
    out.bmp(os.path.join(folder, "Ackbox_Background.bmp"), art.dialog_background())
    out.bmp(os.path.join(folder, "OK.bmp"), art.plain_button(77, 26, "soft", 4))
    out.bmp(os.path.join(folder, "WindowClose.bmp"),
            art.plain_button(21, 19, "titlebar", 4, _glyph("cross")))


def stage_host(out, stage, langs, texts):
    folder = os.path.join(stage, FORMS, "CorvilMaintain")
    stage_skin_set(out, folder, langs, texts)
    icon = art.ico_bytes([art.icon_image(s) for s in (16, 32, 48)])
    out.put(os.path.join(folder, "English", "Application.ico"), icon)


def stage_parts(out, stage, langs, texts):
    """Every parts/<name>.py stages the files of one form family through its stage(out, stage,
    langs, texts, gen) function; gen is this module (skin sets, captions, writing helpers)."""
    import importlib
    folder = os.path.join(HERE, "parts")
    if not os.path.isdir(folder):
        return
    sys.path.insert(0, folder)
    this = sys.modules[__name__]
    for name in sorted(os.listdir(folder)):
        if name.endswith(".py") and not name.startswith("_"):
            importlib.import_module(name[:-3]).stage(out, stage, langs, texts, this)


def make_generated(out, generated):
    out.bmp(os.path.join(generated, "PairForm_Background.bmp"), art.pair_window_background())


def write_caption_fit(out, folder):
    """caption-fit.txt: one line per caption drawn into a bitmap, tab-separated: where it is drawn,
    the size it was drawn at, its design size, its number of lines, the caption. Read by a unit test."""
    lines = ["%s\t%d\t%d\t%d\t%s" % (where, size, base, count, text)
             for where, text, size, base, count in sorted(set(art.FITTED))]
    out.put(os.path.join(folder, "caption-fit.txt"), ("\n".join(lines) + "\n").encode("utf-8"))


def main(argv):
    parser = argparse.ArgumentParser(description="Makes the suite's bitmaps and text files.")
    parser.add_argument("--stage", required=True, help="installation root to fill")
    parser.add_argument("--generated", help="folder for files compiled into the programs")
    parser.add_argument("--preview", help="folder for PNG previews (optional)")
    parser.add_argument("--24-bit", dest="all_24_bit", action="store_true",
                        help="store every bitmap 24-bit: the reference the bitmap readers' check "
                             "compares the compact ones with")
    parser.add_argument("--every-copy", action="store_true",
                        help="keep the pictures that the lookups would find elsewhere (every language "
                             "and skin folder complete): the reference the lookup check compares with")
    args = parser.parse_args(argv)

    langs = load_languages()
    texts = load_texts(langs)
    stage = os.path.abspath(args.stage)
    global GENERATED
    GENERATED = os.path.abspath(args.generated) if args.generated else None
    out = Output(None if args.all_24_bit else stage, None if args.all_24_bit else GENERATED)

    stage_pairtool_texts(out, stage, langs, texts)
    stage_pairtool_bitmaps(out, stage, langs, texts)
    stage_suite_texts(out, stage, langs, texts)
    stage_ui_files(out, stage, langs)
    stage_ackbox(out, stage)
    # The skin set once for every form that looks in the shared skin folder; their own folders then
    # keep only what differs from it (see sharing.py).
    stage_skin_set(out, os.path.join(stage, FORMS, sharing.SHARED_SKIN), langs, texts)
    stage_host(out, stage, langs, texts)
    stage_parts(out, stage, langs, texts)
    if args.generated:
        make_generated(out, os.path.abspath(args.generated))
        write_caption_fit(out, os.path.abspath(args.generated))
    if not args.every_copy:
        out.leave_out(sharing.prune(out.files, os.path.join(stage, FORMS), [lang["name"] for lang in langs],
                                    SHARED_SKIN_USERS, [entry[0] for entry in SKIN_SET]))
    out.write()
    out.remove_stale_bitmaps(os.path.join(stage, FORMS))

    if args.preview:
        import previews
        previews.make(os.path.abspath(args.preview), out.written, stage, langs, texts, GENERATED)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
