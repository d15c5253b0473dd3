"""Tiny dBASE III reader shared by the atlas build and its checks (standard
library only, so that the checks run without the build's GIS packages)."""

import struct


def read_dbf(path):
    """Fields (name, type, width) and rows (dicts of stripped Latin-1 texts)."""
    with open(path, "rb") as fh:
        data = fh.read()
    count, header, length = struct.unpack("<IHH", data[4:12])
    fields = []
    pos = 32
    while pos + 32 <= header and data[pos] != 0x0D:
        fields.append((data[pos:pos + 11].split(b"\0")[0].decode("ascii"), chr(data[pos + 11]), data[pos + 16]))
        pos += 32
    rows = []
    for i in range(count):
        offset = header + i * length + 1
        row = {}
        for name, _, width in fields:
            row[name] = data[offset:offset + width].decode("latin-1").strip()
            offset += width
        rows.append(row)
    return fields, rows
