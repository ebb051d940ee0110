"""Reads a GNU ld link map of a Windows program: what each linked object adds to the program
file, by archive (a Qt module, a plugin, a bundled library) and by object."""

import re
from collections import defaultdict

# The output sections that take room in the program file; .bss takes none, and the import and
# relocation tables are made by the linker, not brought by an object.
FILE_SECTIONS = {".text", ".data", ".rdata", ".pdata", ".xdata", ".CRT", ".tls", ".rsrc"}

OUTPUT = re.compile(r"^(\.\S+)(?:\s+0x[0-9a-f]+\s+0x[0-9a-f]+.*)?$")
INPUT = re.compile(r"^ (\S+)(?:\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*))?$")
CONTINUED = re.compile(r"^\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$")
MEMBER = re.compile(r"^(.*)\((.*)\)$")


def origin(path):
    """(archive, object) of an input file: libQt6Widgets.a, qwidget.cpp.obj; an object linked
    by itself is its own archive's only member, named by its folder."""
    member = MEMBER.match(path)
    if member:
        return member.group(1).rsplit("/", 1)[-1], member.group(2)
    folder, _, name = path.rpartition("/")
    return folder.rsplit("/", 1)[-1] or "(objects)", name


def pieces(map_path):
    """Every input section that takes room in the file: ((archive, object), address, size)."""
    section = None
    pending = None
    in_map = False
    with open(map_path, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            line = line.rstrip("\n")
            if not in_map:
                in_map = line.startswith("Linker script and memory map")
                continue
            if pending is not None:
                continued = CONTINUED.match(line)
                pending = None
                if continued and section in FILE_SECTIONS:
                    yield (origin(continued.group(3)), int(continued.group(1), 16),
                           int(continued.group(2), 16))
                continue
            if line.startswith("."):
                output = OUTPUT.match(line)
                section = output.group(1) if output else None
                continue
            entry = INPUT.match(line)
            if not entry or entry.group(1) == "*fill*" or entry.group(1).startswith("*("):
                continue
            if entry.group(2) is None:
                pending = entry.group(1)
            elif section in FILE_SECTIONS:
                yield origin(entry.group(4)), int(entry.group(2), 16), int(entry.group(3), 16)


def object_sizes(map_path):
    """{(archive, object): bytes} over the sections that take room in the file."""
    sizes = defaultdict(int)
    for name, _, size in pieces(map_path):
        sizes[name] += size
    return dict(sizes)


def by_archive(sizes):
    archives = defaultdict(int)
    for (archive, _), size in sizes.items():
        archives[archive] += size
    return dict(archives)
