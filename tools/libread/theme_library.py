#!/usr/bin/env python3
"""Reads a picture theme library from outside, without loading it: its
exports, the names that e and r return, its "JPG" resources (id, language,
size, JPEG kind and dimensions) and its version strings. Needs only Python.

    tools/libread/theme_library.py build/i686/bin/Pictures.dll
"""
import struct
import sys


class PE:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        if data[pe:pe + 4] != b"PE\0\0":
            raise ValueError("not a PE file")
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", data, pe + 4)
        optional = pe + 24
        magic = struct.unpack_from("<H", data, optional)[0]
        self.is64 = magic == 0x20B
        self.image_base = struct.unpack_from("<Q" if self.is64 else "<I", data, optional + (24 if self.is64 else 28))[0]
        directories = optional + (112 if self.is64 else 96)
        self.dirs = [struct.unpack_from("<II", data, directories + 8 * i) for i in range(16)]
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            name, vsize, va, rsize, raw = struct.unpack_from("<8sIIII", data, table + 40 * i)
            self.sections.append((va, max(vsize, rsize), raw))

    def offset(self, rva):
        for va, size, raw in self.sections:
            if va <= rva < va + size:
                return raw + rva - va
        raise ValueError("rva %#x outside every section" % rva)

    def cstring(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b"\0", start)]

    def exports(self):
        rva, _ = self.dirs[0]
        if not rva:
            return {}
        d = self.offset(rva)
        count = struct.unpack_from("<I", self.data, d + 24)[0]  # number of names
        functions_rva, names_rva, ordinals_rva = struct.unpack_from("<III", self.data, d + 28)
        result = {}
        for i in range(count):
            name = self.cstring(struct.unpack_from("<I", self.data, self.offset(names_rva) + 4 * i)[0]).decode()
            ordinal = struct.unpack_from("<H", self.data, self.offset(ordinals_rva) + 2 * i)[0]
            result[name] = struct.unpack_from("<I", self.data, self.offset(functions_rva) + 4 * ordinal)[0]
        return result

    def returned_string(self, function_rva):
        """The string a function of the form "return "text";" returns."""
        code = self.data[self.offset(function_rva):self.offset(function_rva) + 16]
        if not self.is64 and code[0] == 0xB8:  # mov eax, imm32
            return self.cstring(struct.unpack_from("<I", code, 1)[0] - self.image_base)
        if self.is64 and code[:3] == b"\x48\x8D\x05":  # lea rax, [rip + disp32]
            return self.cstring(function_rva + 7 + struct.unpack_from("<i", code, 3)[0])
        raise ValueError("unexpected code %s" % code.hex())

    def resources(self):
        """(type, id, language, bytes) of every resource."""
        rva, _ = self.dirs[2]
        base = self.offset(rva)

        def entries(table):
            named, ids = struct.unpack_from("<HH", self.data, table + 12)
            for i in range(named + ids):
                name, target = struct.unpack_from("<II", self.data, table + 16 + 8 * i)
                if name & 0x80000000:
                    at = base + (name & 0x7FFFFFFF)
                    length = struct.unpack_from("<H", self.data, at)[0]
                    name = self.data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
                yield name, target

        for kind, t in entries(base):
            for ident, i in entries(base + (t & 0x7FFFFFFF)):
                for language, leaf in entries(base + (i & 0x7FFFFFFF)):
                    data_rva, size = struct.unpack_from("<II", self.data, base + leaf)
                    start = self.offset(data_rva)
                    yield kind, ident, language, self.data[start:start + size]


def jpeg_kind(data):
    """("baseline JFIF", width, height) or a description of what it is."""
    if data[:2] != b"\xFF\xD8":
        return ("no JPEG", 0, 0)
    jfif = False
    at = 2
    while at + 4 <= len(data) and data[at] == 0xFF:
        marker = data[at + 1]
        length = struct.unpack_from(">H", data, at + 2)[0]
        if marker == 0xE0 and data[at + 4:at + 9] == b"JFIF\0":
            jfif = True
        if marker in (0xC0, 0xC1, 0xC2):
            height, width = struct.unpack_from(">HH", data, at + 5)
            kind = {0xC0: "baseline", 0xC1: "extended", 0xC2: "progressive"}[marker]
            return ("%s %s" % (kind, "JFIF" if jfif else "JPEG"), width, height)
        at += 2 + length
    return ("JPEG without frame", 0, 0)


def version_strings(block):
    """Key-value pairs of the StringFileInfo of a VS_VERSIONINFO block."""
    pairs = {}

    def walk(at, end, depth):
        while at < end:
            length, value_length, is_text = struct.unpack_from("<HHH", block, at)
            if length == 0:
                return
            key_end = at + 6
            while block[key_end:key_end + 2] != b"\0\0":
                key_end += 2
            key = block[at + 6:key_end].decode("utf-16-le")
            value_at = (key_end + 2 + 3) & ~3
            if depth == 3 and is_text:
                text = block[value_at:value_at + 2 * value_length].decode("utf-16-le").rstrip("\0")
                pairs[key] = text
            children = value_at + (2 * value_length if is_text else value_length)
            if key in ("VS_VERSION_INFO", "StringFileInfo") or depth == 2:
                walk((children + 3) & ~3, at + length, depth + 1)
            at = (at + length + 3) & ~3

    walk(0, len(block), 0)
    return pairs


def main(path):
    data = open(path, "rb").read()
    pe = PE(data)
    print("%s: %d bytes, %s" % (path, len(data), "x86_64 (PE32+)" if pe.is64 else "i686 (PE32)"))
    exports = pe.exports()
    print("exports:", ", ".join(sorted(exports)))
    for name, code_page in (("e", "cp1252"), ("r", "cp1251")):
        if name in exports:
            print("  %s() returns %r (%s)" % (name, pe.returned_string(exports[name]).decode(code_page), code_page))
    for kind, ident, language, blob in pe.resources():
        if kind == "JPG":
            description, width, height = jpeg_kind(blob)
            print("JPG %d language %d: %6d bytes, %s %dx%d" % (ident, language, len(blob), description, width, height))
        elif kind == 16:  # RT_VERSION
            print("version information (language %d):" % language)
            for key, value in version_strings(blob).items():
                print("  %s = %s" % (key, value))


if __name__ == "__main__":
    for argument in sys.argv[1:]:
        main(argument)
