"""Files of the release, made into the --generated folder:

- Program.ico: the icon compiled into both programs' resources (the same emblem as Application.ico
  of the host's skin folder); the generated resource scripts find it there (cmake/SuiteHelpers.cmake);
- InstallerWelcome.bmp: the picture on the first and last page of the setup (164 x 314, the size
  the setup's pages give it), in the suite's blue with its emblem.
"""

import os


def installer_welcome(art):
    w, h = 164, 314
    img = art.vgradient(w, h, art.BLUE, art.BLUE_DEEP).convert("RGB")
    emblem = art.icon_image(96)
    img.paste(emblem, ((w - 96) // 2, 70), emblem)
    art.ImageDraw.Draw(img).rectangle([0, h - 6, w - 1, h - 5], fill=art.AMBER)
    return img


def stage(out, stage, langs, texts, gen):
    if gen.GENERATED is None:
        return
    art = gen.art
    icon = art.ico_bytes([art.icon_image(size) for size in (16, 32, 48)])
    out.put(os.path.join(gen.GENERATED, "Program.ico"), icon)
    out.bmp(os.path.join(gen.GENERATED, "InstallerWelcome.bmp"), installer_welcome(art))
