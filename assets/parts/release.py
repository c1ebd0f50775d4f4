"""Files of the release: the program icon compiled into both programs' resources.

The icon is the same emblem as Application.ico of the host's skin folder; it goes into the
--generated folder as Program.ico, where the generated resource scripts of the programs find it
(cmake/SuiteHelpers.cmake).
"""

import os


def stage(out, stage, langs, texts, gen):
    if gen.GENERATED is None:
        return
    art = gen.art
    icon = art.ico_bytes([art.icon_image(size) for size in (16, 32, 48)])
    out.put(os.path.join(gen.GENERATED, "Program.ico"), icon)
