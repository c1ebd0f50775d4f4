#!/usr/bin/python3
"""Builds Tandra_Setup.exe from the staged tree.

    build_installer.py --stage DIR --version X.Y.Z --icon Program.ico --welcome Welcome.bmp
                       --out Tandra_Setup.exe [--makensis PATH]

The installer installs what the staged tree holds at build time, less the simulator files listed in
simulator-files.txt, so a deliverable staged later is packed without a change here. The uninstaller's
list is written from the same walk: it deletes exactly these files and then each folder that is left
empty, never a whole folder tree.

makensis runs only when the payload (names, sizes, times) or the scripts changed since the last build.
"""

import argparse
import fnmatch
import hashlib
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
HOST_EXE = "Tandra_Technology.exe"
TOOL_EXE = "Vantrel_PairingTool.exe"


def simulator_patterns(path):
    with open(path, encoding="utf-8") as f:
        return [line.strip() for line in f if line.strip() and not line.lstrip().startswith("#")]


def payload(stage, patterns):
    """(installed, left_out): relative paths with '/' separators, sorted."""
    installed, left_out = [], []
    for root, dirs, files in os.walk(stage):
        dirs.sort()
        for name in sorted(files):
            rel = os.path.relpath(os.path.join(root, name), stage).replace(os.sep, "/")
            if any(fnmatch.fnmatchcase(rel, p) for p in patterns):
                left_out.append(rel)
            else:
                installed.append(rel)
    return sorted(installed), sorted(left_out)


def nsis_string(text):
    """Text for a double-quoted NSIS string."""
    if '"' in text or "`" in text:
        raise SystemExit("installer: a staged file name NSIS cannot quote: %s" % text)
    return text.replace("$", "$$")


def windows(rel):
    return rel.replace("/", "\\")


def install_lines(stage, files):
    lines, folder = [], None
    for rel in files:
        here = os.path.dirname(rel)
        if here != folder:
            folder = here
            target = "$INSTDIR" + ("\\" + nsis_string(windows(here)) if here else "")
            lines.append('SetOutPath "%s"' % target)
        lines.append('File "%s"' % nsis_string(os.path.join(stage, rel)))
    return lines


def uninstall_lines(files):
    lines = ['Delete "$INSTDIR\\%s"' % nsis_string(windows(rel)) for rel in files]
    folders = set()
    for rel in files:
        here = os.path.dirname(rel)
        while here:
            folders.add(here)
            here = os.path.dirname(here)
    # Deepest first, so a parent is tried after its children; RMDir without /r removes only an
    # empty folder.
    for folder in sorted(folders, key=lambda f: (-f.count("/"), f)):
        lines.append('RMDir "$INSTDIR\\%s"' % nsis_string(windows(folder)))
    return lines


def write_if_changed(path, text):
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            if f.read() == text:
                return
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def main(argv):
    parser = argparse.ArgumentParser()
    parser.add_argument("--stage", required=True)
    parser.add_argument("--version", required=True)
    parser.add_argument("--icon", required=True)
    parser.add_argument("--welcome", required=True, help="picture of the welcome and finish pages")
    parser.add_argument("--out", required=True)
    parser.add_argument("--makensis", default="makensis")
    args = parser.parse_args(argv)

    stage = os.path.abspath(args.stage)
    out = os.path.abspath(args.out)
    work = os.path.join(os.path.dirname(out), "nsis")
    os.makedirs(work, exist_ok=True)

    files, left_out = payload(stage, simulator_patterns(os.path.join(HERE, "simulator-files.txt")))
    # Windows ignores case in names: data\ and Data\ become one folder, and two files whose names
    # differ only in case would overwrite each other.
    seen = {}
    for rel in files:
        other = seen.setdefault(rel.lower(), rel)
        if other != rel:
            raise SystemExit("installer: %s and %s are one file on Windows" % (other, rel))
    for needed in (TOOL_EXE, "LICENSE.txt"):
        if needed not in files:
            raise SystemExit("installer: %s is not staged in %s" % (needed, stage))
    size_kb = sum((os.path.getsize(os.path.join(stage, f)) + 1023) // 1024 for f in files)
    have_host = HOST_EXE in files
    version_dots = ".".join((args.version.split(".") + ["0"] * 4)[:4])

    write_if_changed(os.path.join(work, "install_files.nsh"),
                     "\n".join(install_lines(stage, files)) + "\n")
    write_if_changed(os.path.join(work, "uninstall_files.nsh"), "\n".join(uninstall_lines(files)) + "\n")
    write_if_changed(os.path.join(work, "installed_files.txt"), "\n".join(files) + "\n")

    defines = {
        "VERSION": args.version,
        "VERSION_DOTS": version_dots,
        "STAGE": stage,
        "LISTS": work,
        "OUTFILE": out,
        "ICON": os.path.abspath(args.icon),
        "WELCOME": os.path.abspath(args.welcome),
        "SIZE_KB": str(size_kb),
        "MAIN_EXE": HOST_EXE if have_host else TOOL_EXE,
    }
    if have_host:
        defines["HAVE_HOST"] = "1"

    # Skip makensis when nothing it reads has changed.
    fingerprint = hashlib.sha256()
    lists = [os.path.join(work, name) for name in ("install_files.nsh", "uninstall_files.nsh")]
    for path in [os.path.join(HERE, "installer.nsi"), os.path.abspath(__file__),
                 os.path.abspath(args.icon), os.path.abspath(args.welcome)] + lists + [os.path.join(stage, f) for f in files]:
        st = os.stat(path)
        fingerprint.update(("%s %d %d\n" % (path, st.st_size, st.st_mtime_ns)).encode())
    fingerprint.update(repr(sorted(defines.items())).encode())
    stamp = os.path.join(work, "fingerprint")
    digest = fingerprint.hexdigest()
    if os.path.exists(out) and os.path.exists(stamp) and open(stamp).read() == digest:
        return 0

    command = [args.makensis, "-V2", "-INPUTCHARSET", "UTF8"]
    command += ["-D%s=%s" % item for item in sorted(defines.items())]
    command.append(os.path.join(HERE, "installer.nsi"))
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    if result.returncode != 0:
        sys.stderr.write(result.stdout)
        raise SystemExit("installer: makensis failed")
    with open(stamp, "w") as f:
        f.write(digest)
    installed_mb = sum(os.path.getsize(os.path.join(stage, f)) for f in files) / 1e6
    print("installer: %s (%.2f MB) installs %d files, %.2f MB%s" % (
        os.path.relpath(out), os.path.getsize(out) / 1e6, len(files) + 1, installed_mb,
        "" if have_host else "; %s is not staged yet" % HOST_EXE))
    if left_out:
        print("installer: simulator files left out: %s" % ", ".join(left_out))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
