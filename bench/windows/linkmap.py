"""Reads the link maps lld writes for a Windows program: what each linked object adds to the
program file, by archive (a Qt module, a plugin, a bundled library) and by object.

A program linked with -Wl,-Map=<name>.map,--Xlink=-map:<name>.objects.map has two: the first
lists every input section with its size, and the symbols it defines, but names an archive's
member without its archive (qstring.cpp.obj); the second names the archive of every symbol
(libQt6Core:qstring.cpp.obj). The archive of a member whose name several archives share (each
static library's mocs_compilation.cpp.obj) is found by the symbols of its sections; what they
cannot tell (0.2 % of the program) counts under the archive "?"."""

import re
from collections import defaultdict

# "Address Size Align" and then the output section, an input section or a symbol, indented
# by 0, 8 and 16 spaces.
ENTRY = re.compile(r"^([0-9a-f]{8}) ([0-9a-f]{8}) +\d+ (\s*)(\S.*)$")
INPUT = re.compile(r"^(.*):\((.*)\)$")
# " 0001:00024d30       _ZNK11QStringView3midExx   0000000140025d30 f   libQt6Core:qstring.cpp.obj"
PUBLIC = re.compile(r"^ [0-9a-f]{4}:[0-9a-f]{8}\s+(\S+)\s+[0-9a-f]{16}(?:\s+\S)?\s+(\S+):(\S+)$")


def objects_map_of(map_path):
    return re.sub(r"\.map$", "", map_path) + ".objects.map"


def archives(objects_map_path):
    """({member: {archive}}, {symbol: archive}) from the map that names the archives."""
    members = defaultdict(set)
    symbols = {}
    with open(objects_map_path, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            public = PUBLIC.match(line.rstrip("\n"))
            if public:
                symbol, archive, member = public.groups()
                archive += ".a"
                members[member].add(archive)
                symbols[symbol] = archive
    return members, symbols


def origin(path, archive):
    """(archive, object) of an input file; an object linked by itself is its own archive's
    only member, named by its folder."""
    if archive:
        return archive, path
    folder, _, name = path.rpartition("/")
    return folder.rsplit("/", 1)[-1] or "(objects)", name


def pieces(map_path):
    """Every input section that takes room in the file: ((archive, object), address relative
    to the image base, size)."""
    members, symbols = archives(objects_map_of(map_path))
    # A section that names no symbol of one archive: a function's unwind data (.pdata$f,
    # .xdata$f) belongs where its code (.text$f) does; other sections, with the member's section
    # before them (lld places a member's sections in the order it read them).
    settled = {}
    section = None
    pending = None  # the input section whose symbols are being read: [path, name, address,
    # size, symbols]

    def settle(entry):
        path, name, address, size, defined = entry
        candidates = members.get(path, set())
        archive = None
        if len(candidates) == 1:
            archive = next(iter(candidates))
        elif candidates:
            found = [symbols[symbol] for symbol in defined if symbols.get(symbol) in candidates]
            function = (path, name.partition("$")[2])
            archive = (found[0] if found else settled.get(function)
                       or settled.get(path, "?"))
        if archive:
            settled[(path, name.partition("$")[2])] = settled[path] = archive
        return origin(path, archive), address, size

    with open(map_path, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            entry = ENTRY.match(line.rstrip("\n"))
            if not entry:
                continue
            address, size, indent, text = entry.groups()
            if len(indent) >= 16:
                if pending is not None:
                    pending[4].append(text)
                continue
            if pending is not None:
                yield settle(pending)
                pending = None
            if not indent:
                section = text
                continue
            found = INPUT.match(text)
            # Uninitialised data takes no room in the file, though lld puts it in .data.
            if found and section not in (".bss", ".reloc") and not found.group(2).startswith(
                    ".bss") and int(size, 16):
                pending = [found.group(1), found.group(2), int(address, 16), int(size, 16), []]
    if pending is not None:
        yield settle(pending)


def object_sizes(map_path):
    """{(archive, object): bytes} over the sections that take room in the file."""
    sizes = defaultdict(int)
    for name, _, size in pieces(map_path):
        sizes[name] += size
    return dict(sizes)


def by_archive(sizes):
    archives_ = defaultdict(int)
    for (archive, _), size in sizes.items():
        archives_[archive] += size
    return dict(archives_)
