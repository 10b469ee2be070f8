#!/usr/bin/python3
"""Reads the Windows executable: its icon and version resources, and the DLLs
it imports."""
import struct
import sys
import unittest

import pefile

EXE = sys.argv.pop(1)
RT_ICON, RT_RCDATA, RT_GROUP_ICON, RT_VERSION = 3, 10, 14, 16
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "gdiplus.dll", "ole32.dll", "msvcrt.dll"}


class Executable(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pe = pefile.PE(EXE)
        cls.resources = {t.id: t for t in cls.pe.DIRECTORY_ENTRY_RESOURCE.entries}

    def data(self, entry):
        leaf = entry.directory.entries[0].data.struct
        return self.pe.get_data(leaf.OffsetToData, leaf.Size)

    def entries(self, kind):
        return {e.id if e.id is not None else str(e.name): e for e in self.resources[kind].directory.entries}

    def test_32_bit_windows_gui(self):
        self.assertEqual(self.pe.FILE_HEADER.Machine, 0x14C)
        self.assertEqual(self.pe.OPTIONAL_HEADER.Subsystem, 2)

    def test_imports_only_system_dlls(self):
        dlls = {e.dll.decode().lower() for e in self.pe.DIRECTORY_ENTRY_IMPORT}
        print("imports:", ", ".join(sorted(dlls)))
        self.assertTrue(dlls <= SYSTEM_DLLS, dlls - SYSTEM_DLLS)

    def test_icon_images(self):
        icons = self.entries(RT_ICON)
        self.assertEqual(sorted(icons), [30001, 30002, 30003])
        for ident, size, length in [(30001, 16, 1384), (30002, 32, 2216), (30003, 48, 3752)]:
            with self.subTest(ident=ident):
                bmp = self.data(icons[ident])
                self.assertEqual(len(bmp), length)
                header, width, height, planes, bits = struct.unpack_from("<IiiHH", bmp)
                self.assertEqual((header, width, height, planes, bits), (40, size, 2 * size, 1, 8))

    def test_icon_group_gathers_the_three(self):
        groups = self.entries(RT_GROUP_ICON)
        self.assertEqual(list(groups), [1])
        grp = self.data(groups[1])
        reserved, kind, count = struct.unpack_from("<HHH", grp)
        self.assertEqual((reserved, kind, count), (0, 1, 3))
        found = []
        for i in range(count):
            w, h, colours, _, planes, bits, length, ident = struct.unpack_from("<BBBBHHIH", grp, 6 + 14 * i)
            found.append((w, h, colours, planes, bits, length, ident))
        self.assertEqual(found, [(16, 16, 0, 1, 8, 1384, 30001), (32, 32, 0, 1, 8, 2216, 30002),
                                 (48, 48, 0, 1, 8, 3752, 30003)])

    def test_pictures(self):
        pictures = self.entries(RT_RCDATA)
        self.assertEqual(sorted(pictures), ["APPLE", "APRICOT", "BANANA", "GRAPES", "ORANGE", "STRAWBERRY"])
        for name, entry in pictures.items():
            self.assertEqual(self.data(entry)[:6], b"GIF89a", name)

    def test_version_record(self):
        self.assertEqual(list(self.entries(RT_VERSION)), [1])
        fixed = self.pe.VS_FIXEDFILEINFO[0]
        self.assertEqual((fixed.FileVersionMS, fixed.FileVersionLS), (0x00010000, 0))
        self.assertEqual((fixed.ProductVersionMS, fixed.ProductVersionLS), (0x00010000, 0))
        self.assertEqual((fixed.FileFlagsMask, fixed.FileFlags), (0, 0))
        self.assertEqual(fixed.FileOS, 4)
        self.assertEqual(fixed.FileType, 1)
        strings, translation = None, None
        for info in self.pe.FileInfo[0]:
            if info.Key == b"StringFileInfo":
                self.assertEqual([t.LangID for t in info.StringTable], [b"040904B0"])
                strings = info.StringTable[0].entries
            elif info.Key == b"VarFileInfo":
                translation = info.Var[0].entry[b"Translation"]
        self.assertEqual(translation, "0x0409 0x04b0")
        self.assertEqual(strings[b"FileVersion"], b"1.00")
        self.assertEqual(strings[b"ProductVersion"], b"1.00")
        for name in (b"CompanyName", b"ProductName", b"InternalName", b"OriginalFilename"):
            self.assertTrue(strings.get(name), name)


if __name__ == "__main__":
    unittest.main(verbosity=2)
