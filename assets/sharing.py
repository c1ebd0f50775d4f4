"""Which staged pictures the programs never read because an identical one is found first.

The staging functions describe each form's folders as if the form stood alone: every skinned form
gets the whole skin set, a language folder gets whatever its form's code makes for it. Many of those
files are byte-for-byte copies of pictures that the lookups of the programs reach anyway:

- a form's picture: <form>\\<Language>\\<file>, then <form>\\English\\<file>;
- a skin slot of a form whose skin also looks in the shared skin folder: those two, then
  Lustrea\\<Language>\\<file>, then Lustrea\\English\\<file>.

prune() drops a file when, without it, every language of its form still finds the same bytes. It
checks each removal against the form's complete folders, so a file is never dropped on a guess.
"""

import os

ENGLISH = "English"
SHARED_SKIN = "Lustrea"  # the shared skin folder below the forms root (beside Lustrea.dll)


def _key(rel):
    """(form, language, file) of a picture path relative to the forms root, or None."""
    parts = rel.replace(os.sep, "/").split("/")
    if len(parts) != 3 or not parts[2].lower().endswith(".bmp"):
        return None
    return tuple(parts)


class Lookup:
    """The lookup order of the programs over a set of pictures {(form, language, file): bytes}."""

    def __init__(self, pictures, shared_users, skin_files):
        self.pictures = pictures
        self.shared_users = set(shared_users)
        self.skin_files = set(skin_files)

    def places(self, form, language, name):
        places = [(form, language, name), (form, ENGLISH, name)]
        if form in self.shared_users and name in self.skin_files:
            places += [(SHARED_SKIN, language, name), (SHARED_SKIN, ENGLISH, name)]
        return places

    def find(self, form, language, name):
        for place in self.places(form, language, name):
            if place in self.pictures:
                return self.pictures[place]
        return None


def prune(files, forms_prefix, languages, shared_users, skin_files):
    """files: {path: bytes}; the pictures are those at <forms_prefix>/<form>/<language>/<file>.bmp.
    Returns the paths to leave out. The shared folder is pruned first (against itself), then each
    form against what its complete folders showed through the two-place lookup."""
    prefix = forms_prefix.rstrip(os.sep) + os.sep
    pictures = {}
    path_of = {}
    for path, data in files.items():
        key = _key(path[len(prefix):]) if path.startswith(prefix) else None
        if key:
            pictures[key] = data
            path_of[key] = path
    complete = Lookup(dict(pictures), (), ())
    now = Lookup(pictures, shared_users, skin_files)
    names = {}
    for form, _, name in pictures:
        names.setdefault(form, set()).add(name)
    dropped = []

    def try_drop(key):
        form, _, name = key
        data = pictures.pop(key)
        if all(now.find(form, lang, name) == complete.find(form, lang, name) for lang in languages):
            dropped.append(path_of[key])
        else:
            pictures[key] = data

    # English last: its copy is what the language copies are compared with. Once a form's English
    # copy has gone, its language copies may equal the shared folder's: repeat until nothing goes.
    order = lambda key: (key[0] != SHARED_SKIN, key[0], key[1] == ENGLISH, key[1], key[2])  # noqa: E731
    while True:
        count = len(dropped)
        for key in sorted(pictures, key=order):
            try_drop(key)
        if len(dropped) == count:
            return dropped
