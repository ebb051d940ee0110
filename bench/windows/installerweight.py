"""What a group of a Windows program's objects weighs in its installer: the program file
compressed as the installer compresses it (LZMA, in one stream, with a dictionary larger than
the file), less the same file compressed with that group's bytes zeroed. Pictures hardly
compress and tables compress very well, so a group's share of the file says little of its
share of the installer. Within 0.2 % of makensis's own figure for the program file."""

import lzma
import re
import subprocess

import linkmap


def compressed_size(data):
    return len(lzma.compress(data, format=lzma.FORMAT_ALONE, filters=[
        {"id": lzma.FILTER_LZMA1, "preset": 9 | lzma.PRESET_EXTREME, "dict_size": 1 << 25}]))


def file_sections(program, objdump):
    """[(address relative to the image base, size, offset in the file)] of the program file's
    sections."""
    def listing(option):
        return subprocess.run([objdump, option, program], capture_output=True, text=True,
                              check=True).stdout

    base = int(re.search(r"^ImageBase\s+([0-9a-f]+)$", listing("-p"), re.M).group(1), 16)
    sections = []
    for line in listing("-h").splitlines():
        fields = line.split()
        # "Idx Name Size VMA LMA File-off Algn"
        if len(fields) >= 7 and fields[0].isdigit():
            sections.append((int(fields[3], 16) - base, int(fields[2], 16), int(fields[5], 16)))
    return sections


class InstallerWeight:
    def __init__(self, program, map_path, objdump):
        with open(program, "rb") as file:
            self.data = file.read()
        self.sections = file_sections(program, objdump)
        self.pieces = list(linkmap.pieces(map_path))
        self.whole = compressed_size(self.data)

    def offset(self, address):
        for start, size, offset in self.sections:
            if start <= address < start + size:
                return offset + address - start
        return None

    def of(self, pattern):
        """Bytes the installer would lose with the objects whose name matches the pattern."""
        zeroed = bytearray(self.data)
        for (_, member), address, size in self.pieces:
            offset = self.offset(address)
            if offset is not None and pattern.search(member):
                zeroed[offset:offset + size] = bytes(size)
        return self.whole - compressed_size(bytes(zeroed))
