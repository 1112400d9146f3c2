#!/usr/bin/env python3
"""Reads the Windows program back as Windows does (with pefile) and checks
what Explorer and the task bar show of it: a desktop program (no console),
the version in four parts and as text, and the dice icon from 16 to 256
pixels.

    check_version_resource.py PROGRAM.exe VERSION

VERSION is the project's major.minor.revision ("1.0.1"), which Windows sees
as 1.0.0.1 and as the text "1.00.0001".
"""
import struct
import sys

import pefile


def four_parts(most, least):
    return (most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF)


def strings(pe):
    found = {}
    for file_info in pe.FileInfo[0]:
        if file_info.Key == b"StringFileInfo":
            for table in file_info.StringTable:
                found.update({k.decode(): v.decode() for k, v in table.entries.items()})
    return found


def icon_sizes(pe):
    """The pixel sizes of the program's first icon group (0 in a group means 256)."""
    groups = next(
        entry
        for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries
        if entry.id == pefile.RESOURCE_TYPE["RT_GROUP_ICON"]
    )
    data_entry = groups.directory.entries[0].directory.entries[0].data.struct
    data = pe.get_data(data_entry.OffsetToData, data_entry.Size)
    _, _, count = struct.unpack_from("<HHH", data)
    return sorted((data[6 + 14 * i] or 256) for i in range(count))


def main(program, version):
    major, minor, revision = (int(part) for part in version.split("."))
    expected_text = f"{major}.{minor:02d}.{revision:04d}"
    pe = pefile.PE(program)
    failures = []

    def check(what, actual, expected):
        if actual != expected:
            failures.append(f"{what}: {actual!r}, expected {expected!r}")

    check("subsystem", pe.OPTIONAL_HEADER.Subsystem,
          pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"])
    if not hasattr(pe, "VS_FIXEDFILEINFO") or not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
        print(f"{program}: no version information or icon", file=sys.stderr)
        return 1
    info = pe.VS_FIXEDFILEINFO[0]
    check("file version", four_parts(info.FileVersionMS, info.FileVersionLS),
          (major, minor, 0, revision))
    check("product version", four_parts(info.ProductVersionMS, info.ProductVersionLS),
          (major, minor, 0, revision))
    texts = strings(pe)
    check("FileVersion text", texts.get("FileVersion"), expected_text)
    check("ProductVersion text", texts.get("ProductVersion"), expected_text)
    check("ProductName", texts.get("ProductName"), "Corvane Dice")
    check("FileDescription", texts.get("FileDescription"), "Corvane Dice")
    check("OriginalFilename", texts.get("OriginalFilename"), "corvane-dice.exe")
    check("copyright notice", "\u00a9 2026 the Corvane Dice developers"
          in texts.get("LegalCopyright", ""), True)
    sizes = icon_sizes(pe)
    check("smallest and largest icon", (sizes[0], sizes[-1]), (16, 256))

    for failure in failures:
        print(f"{program}: {failure}", file=sys.stderr)
    if failures:
        return 1
    print(f"{program}: a desktop program, version {expected_text}, icon sizes {sizes}")
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1], sys.argv[2]))
