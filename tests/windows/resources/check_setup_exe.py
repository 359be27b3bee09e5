#!/usr/bin/python3
"""Read the built Setup.exe back and compare it with what the program must carry.

Checked: the DLLs it imports and the kind of program it is, the resource
directory, the setup dialog template byte by byte, the pictures and the icon
(against the committed files in setup/res), the version information and the
application manifest.

Usage:  /usr/bin/python3 check_setup_exe.py SETUP_EXE RES_DIR [unittest options]
Needs Debian's python3-pefile.
"""

import os
import re
import struct
import sys
import unittest
import xml.etree.ElementTree as ET

import pefile

SETUP_EXE = None   # set from the command line
RES_DIR = None

LANG_ZH_CN = 2052  # MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED)

RT_BITMAP = 2
RT_ICON = 3
RT_MENU = 4
RT_DIALOG = 5
RT_STRING = 6
RT_ACCELERATOR = 9
RT_GROUP_ICON = 14
RT_VERSION = 16
RT_MANIFEST = 24

IDD_SETUP_DIALOG = 102
IDR_MAINFRAME = 128
IDB_WELCOME = 132
IDB_PRINTER = 135
IDB_BLANK = 142

BEIGE = (236, 233, 216)
BLANK_BEIGE = (234, 231, 214)

_pe = None
_resources = None


def setup_exe():
    global _pe
    if _pe is None:
        _pe = pefile.PE(SETUP_EXE)
    return _pe


def resources():
    """{(type, id): {language: bytes}} for every resource of Setup.exe."""
    global _resources
    if _resources is None:
        pe = setup_exe()
        if not hasattr(pe, "DIRECTORY_ENTRY_RESOURCE"):
            raise AssertionError("Setup.exe has no resource directory")
        found = {}
        for rtype in pe.DIRECTORY_ENTRY_RESOURCE.entries:
            type_key = rtype.id if rtype.name is None else str(rtype.name)
            for rid in rtype.directory.entries:
                id_key = rid.id if rid.name is None else str(rid.name)
                for lang in rid.directory.entries:
                    entry = lang.data.struct
                    found.setdefault((type_key, id_key), {})[lang.id] = \
                        pe.get_data(entry.OffsetToData, entry.Size)
        _resources = found
    return _resources


def resource(rtype, rid):
    """The data of one resource in Chinese (Simplified); fails the test when absent."""
    langs = resources().get((rtype, rid), {})
    if LANG_ZH_CN not in langs:
        raise AssertionError("Setup.exe has no resource type %s id %s in language %d (has: %s)"
                             % (rtype, rid, LANG_ZH_CN, sorted(langs)))
    return langs[LANG_ZH_CN]


# --- imports ----------------------------------------------------------------

# DLLs Windows always maps from its own directory; anything else must be loaded
# at run time with a full system-directory path.
KNOWN_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll", "msvcrt.dll",
              "shell32.dll", "shlwapi.dll", "ole32.dll"}
MINGW_RUNTIME = re.compile(r"^(libstdc\+\+|libgcc|libwinpthread)", re.IGNORECASE)


def imported_dlls():
    pe = setup_exe()
    names = []
    for table in ("DIRECTORY_ENTRY_IMPORT", "DIRECTORY_ENTRY_DELAY_IMPORT"):
        for entry in getattr(pe, table, []):
            names.append(entry.dll.decode("ascii"))
    return names


class ProgramTest(unittest.TestCase):
    def test_is_a_32_bit_gui_program(self):
        pe = setup_exe()
        self.assertEqual(pe.FILE_HEADER.Machine, pefile.MACHINE_TYPE["IMAGE_FILE_MACHINE_I386"],
                         "Setup.exe is not an i386 program")
        self.assertEqual(pe.OPTIONAL_HEADER.Magic, pefile.OPTIONAL_HEADER_MAGIC_PE, "not PE32")
        self.assertFalse(pe.is_dll(), "Setup.exe is marked as a DLL")
        self.assertEqual(pe.OPTIONAL_HEADER.Subsystem,
                         pefile.SUBSYSTEM_TYPE["IMAGE_SUBSYSTEM_WINDOWS_GUI"],
                         "Setup.exe is not a Windows GUI program")

    def test_imports_only_known_dlls(self):
        dlls = imported_dlls()
        self.assertIn("kernel32.dll", [d.lower() for d in dlls], "import table not read")
        for dll in dlls:
            with self.subTest(dll=dll):
                self.assertIn(dll.lower(), KNOWN_DLLS,
                              "Setup.exe imports %s, which is not a Known DLL; load it at run time "
                              "from the system directory instead" % dll)

    def test_imports_no_mingw_runtime(self):
        for dll in imported_dlls():
            with self.subTest(dll=dll):
                self.assertIsNone(MINGW_RUNTIME.match(dll),
                                  "Setup.exe needs the MinGW run-time DLL %s" % dll)


# --- resource directory -----------------------------------------------------

EXPECTED_RESOURCES = {
    (RT_DIALOG, IDD_SETUP_DIALOG),
    (RT_BITMAP, IDB_WELCOME),
    (RT_BITMAP, IDB_PRINTER),
    (RT_BITMAP, IDB_BLANK),
    (RT_GROUP_ICON, IDR_MAINFRAME),
    (RT_ICON, 1),
    (RT_VERSION, 1),
    (RT_MANIFEST, 1),
}


class ResourceDirectoryTest(unittest.TestCase):
    def test_resources_present(self):
        present = set(resources())
        self.assertEqual(present, EXPECTED_RESOURCES,
                         "missing: %s; unexpected: %s"
                         % (sorted(EXPECTED_RESOURCES - present, key=str),
                            sorted(present - EXPECTED_RESOURCES, key=str)))

    def test_every_resource_is_chinese_simplified(self):
        for (rtype, rid), langs in sorted(resources().items(), key=str):
            with self.subTest(type=rtype, id=rid):
                self.assertEqual(sorted(langs), [LANG_ZH_CN],
                                 "resource type %s id %s has languages %s" % (rtype, rid, sorted(langs)))

    def test_no_string_menu_or_accelerator_tables(self):
        for name, rtype in (("RT_STRING", RT_STRING), ("RT_MENU", RT_MENU),
                            ("RT_ACCELERATOR", RT_ACCELERATOR)):
            with self.subTest(type=name):
                ids = [rid for (t, rid) in resources() if t == rtype]
                self.assertEqual(ids, [], "Setup.exe has %s resources %s" % (name, ids))


# --- dialog -----------------------------------------------------------------

BUTTON, EDIT, STATIC = 0x0080, 0x0081, 0x0082   # predefined window-class atoms

DIALOG_HEADER = {
    "dlgVer": 1, "signature": 0xFFFF, "helpID": 0,
    "exStyle": 0x00040000,                   # WS_EX_APPWINDOW
    "style": 0x90C800C0,                     # WS_POPUP|WS_VISIBLE|WS_CAPTION|WS_SYSMENU|DS_MODALFRAME|DS_SETFONT
    "cDlgItems": 13, "x": 0, "y": 0, "cx": 401, "cy": 303,
    "menu": "", "windowClass": "",           # no menu, the standard dialog class
    "title": "Setup",
    "pointsize": 9, "weight": 0, "italic": 0, "charset": 1, "typeface": "宋体",
}

# name, id, window class, style, exStyle, (x, y, cx, cy), text -- in template order
DIALOG_CONTROLS = [
    ("IDC_WELCOME_PICTURE", 1014, STATIC, 0x5000000E, 0x00000001, (0, 0, 15, 14), ""),
    ("IDC_SPARE_LABEL", 1025, STATIC, 0x50020000, 0, (218, 77, 163, 13), "Static"),
    ("IDC_STEP_TEXT", 1000, STATIC, 0x50020001, 0, (73, 58, 255, 22), ""),
    ("IDC_NEXT", 1001, BUTTON, 0x50010000, 0, (269, 261, 48, 15), "上一步"),
    ("IDC_BACK", 1002, BUTTON, 0x50010001, 0x00000020, (216, 261, 48, 15), "上一步"),
    ("IDC_EXIT", 1003, BUTTON, 0x50010000, 0, (322, 261, 48, 15), "取消"),
    ("IDC_INFO", 1006, EDIT, 0x50A10804, 0x00000200, (41, 88, 324, 94), ""),
    ("IDC_ACCEPT_LABEL", 1007, STATIC, 0x50020000, 0, (41, 234, 322, 19),
     "是否接受以上条款？如果选择“否”，安装程序将关闭。"),
    ("IDC_CONNECTION_GROUP", 1019, BUTTON, 0x50000007, 0, (131, 188, 140, 48), "请选择打印机连接方式："),
    ("IDC_PROGRESS", 1021, "msctls_progress32", 0x50800001, 0, (42, 248, 327, 12), "Progress2"),
    ("IDC_USB", 1022, BUTTON, 0x50020009, 0, (157, 208, 28, 10), "USB"),
    ("IDC_PARALLEL", 1023, BUTTON, 0x50000009, 0, (223, 209, 32, 10), "并口"),
    ("IDC_PRINTER_PICTURE", 1024, STATIC, 0x5000000E, 0, (83, 191, 15, 14), ""),
]


class TemplateReader:
    """Sequential reader of a little-endian resource template."""

    def __init__(self, data):
        self.data = data
        self.pos = 0

    def take(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.pos)
        self.pos += struct.calcsize("<" + fmt)
        return values if len(values) > 1 else values[0]

    def string(self):
        end = self.pos
        while self.data[end:end + 2] != b"\0\0":
            end += 2
            if end >= len(self.data):
                raise AssertionError("unterminated string at offset %d" % self.pos)
        text = self.data[self.pos:end].decode("utf-16-le")
        self.pos = end + 2
        return text

    def sz_or_ord(self):
        """An ordinal (0xFFFF then a WORD) as int, otherwise a string ("" for none)."""
        if self.take("H") == 0xFFFF:
            return self.take("H")
        self.pos -= 2
        return self.string()

    def align4(self):
        self.pos += -self.pos % 4


def parse_dialog(data):
    r = TemplateReader(data)
    header = {}
    (header["dlgVer"], header["signature"], header["helpID"], header["exStyle"], header["style"],
     header["cDlgItems"], header["x"], header["y"], header["cx"], header["cy"]) = r.take("HHIIIHhhhh")
    header["menu"] = r.sz_or_ord()
    header["windowClass"] = r.sz_or_ord()
    header["title"] = r.string()
    header["pointsize"], header["weight"], header["italic"], header["charset"] = r.take("HHBB")
    header["typeface"] = r.string()
    items = []
    for _ in range(header["cDlgItems"]):
        r.align4()
        item = {"offset": r.pos}
        item["helpID"], item["exStyle"], item["style"] = r.take("III")
        item["rect"] = r.take("hhhh")
        item["id"] = r.take("I")
        item["windowClass"] = r.sz_or_ord()
        item["title"] = r.sz_or_ord()
        item["extraCount"] = r.take("H")
        r.pos += item["extraCount"]
        items.append(item)
    return header, items, r.pos


def class_name(cls):
    return "atom 0x%04X" % cls if isinstance(cls, int) else repr(cls)


class DialogTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.data = resource(RT_DIALOG, IDD_SETUP_DIALOG)
        cls.header, cls.items, cls.end = parse_dialog(cls.data)

    def test_header(self):
        self.assertEqual(self.header, DIALOG_HEADER, "DLGTEMPLATEEX header of dialog 102")

    def test_controls(self):
        self.assertEqual(len(self.items), len(DIALOG_CONTROLS), "number of controls")
        for n, (expected, item) in enumerate(zip(DIALOG_CONTROLS, self.items), 1):
            name, cid, cls, style, ex_style, rect, text = expected
            with self.subTest(control="%d %s (%d)" % (n, name, cid)):
                want = {"helpID": 0, "exStyle": "0x%08X" % ex_style, "style": "0x%08X" % style,
                        "rect": rect, "id": cid, "windowClass": class_name(cls), "title": text,
                        "extraCount": 0}
                got = dict(item, windowClass=class_name(item["windowClass"]),
                           exStyle="0x%08X" % item["exStyle"], style="0x%08X" % item["style"])
                del got["offset"]
                self.assertEqual(got, want, "control %d (%s) at byte %d: %s"
                                 % (n, name, item["offset"],
                                    self.data[item["offset"]:item["offset"] + 40].hex(" ")))

    def test_nothing_after_last_control(self):
        self.assertEqual(self.end, len(self.data),
                         "dialog 102 is %d bytes but its template ends at %d"
                         % (len(self.data), self.end))


# --- bitmaps ----------------------------------------------------------------

# id, committed file, width, height
BITMAPS = [
    (IDB_WELCOME, "welcome.bmp", 600, 456),
    (IDB_PRINTER, "printer.bmp", 64, 67),
    (IDB_BLANK, "blank.bmp", 82, 35),
]

# id, pixels (x, y from the top-left), colour, tolerance per channel
BACKGROUND = [
    (IDB_WELCOME, [(0, 0), (599, 0), (0, 455), (599, 455), (100, 300), (300, 20), (450, 200)],
     BEIGE, 0),
    (IDB_PRINTER, [(0, 0), (63, 0), (0, 66), (63, 66)], BEIGE, 0),
    (IDB_BLANK, [(x, y) for y in range(35) for x in range(82)], BLANK_BEIGE, 2),
]

BITMAPINFOHEADER = "<IiiHHIIiiII"
BITMAPINFOHEADER_FIELDS = ("biSize", "biWidth", "biHeight", "biPlanes", "biBitCount",
                           "biCompression", "biSizeImage", "biXPelsPerMeter",
                           "biYPelsPerMeter", "biClrUsed", "biClrImportant")


def info_header(data):
    return dict(zip(BITMAPINFOHEADER_FIELDS, struct.unpack_from(BITMAPINFOHEADER, data)))


def stride(width, bits):
    return (width * bits + 31) // 32 * 4


def pixel(dib, width, height, x, y):
    """(R, G, B) of pixel (x, y), counted from the top-left, of a bottom-up 24-bit DIB."""
    off = 40 + (height - 1 - y) * stride(width, 24) + 3 * x
    b, g, r = dib[off:off + 3]
    return (r, g, b)


class BitmapTest(unittest.TestCase):
    def test_header_and_size(self):
        for rid, name, width, height in BITMAPS:
            with self.subTest(bitmap="%d %s" % (rid, name)):
                dib = resource(RT_BITMAP, rid)
                h = info_header(dib)
                got = {k: h[k] for k in ("biSize", "biWidth", "biHeight", "biPlanes", "biBitCount",
                                         "biCompression", "biClrUsed")}
                self.assertEqual(got, {"biSize": 40, "biWidth": width, "biHeight": height,
                                       "biPlanes": 1, "biBitCount": 24, "biCompression": 0,
                                       "biClrUsed": 0}, "BITMAPINFOHEADER of bitmap %d" % rid)
                self.assertEqual(len(dib), 40 + stride(width, 24) * height,
                                 "size of bitmap %d" % rid)

    def test_matches_committed_file(self):
        for rid, name, width, height in BITMAPS:
            with self.subTest(bitmap="%d %s" % (rid, name)):
                with open(os.path.join(RES_DIR, name), "rb") as f:
                    bmp = f.read()
                self.assertEqual(bmp[:2], b"BM", "%s is not a bitmap file" % name)
                (off_bits,) = struct.unpack_from("<I", bmp, 10)
                self.assertEqual(off_bits, 14 + 40, "%s has a colour table or a larger header" % name)
                dib = resource(RT_BITMAP, rid)
                self.assertEqual(info_header(dib), info_header(bmp[14:]),
                                 "bitmap %d header differs from %s" % (rid, name))
                pixels, file_pixels = dib[40:], bmp[off_bits:]
                self.assertEqual(len(pixels), len(file_pixels),
                                 "bitmap %d and %s have different pixel data sizes" % (rid, name))
                if pixels != file_pixels:
                    first = next(i for i, (a, b) in enumerate(zip(pixels, file_pixels)) if a != b)
                    row, col = divmod(first, stride(width, 24))
                    self.fail("bitmap %d differs from %s, first at pixel (%d, %d)"
                              % (rid, name, col // 3, height - 1 - row))

    def test_background(self):
        sizes = {rid: (w, h) for rid, _, w, h in BITMAPS}
        for rid, points, colour, tolerance in BACKGROUND:
            dib = resource(RT_BITMAP, rid)
            width, height = sizes[rid]
            with self.subTest(bitmap=rid):
                wrong = [((x, y), pixel(dib, width, height, x, y)) for x, y in points
                         if any(abs(a - b) > tolerance
                                for a, b in zip(pixel(dib, width, height, x, y), colour))]
                self.assertEqual(wrong, [], "bitmap %d: pixels not %s (±%d): %s"
                                 % (rid, colour, tolerance, wrong[:10]))


# --- icon -------------------------------------------------------------------

ICON_SIZE = 32
ICON_TRANSPARENT_PIXELS = 301


def and_mask_bit(image, x, y):
    """The AND-mask bit of icon pixel (x, y), counted from the top-left (1 = transparent)."""
    xor_size = stride(ICON_SIZE, 24) * ICON_SIZE
    row = 40 + xor_size + (ICON_SIZE - 1 - y) * stride(ICON_SIZE, 1)
    return (image[row + x // 8] >> (7 - x % 8)) & 1


class IconTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.group = resource(RT_GROUP_ICON, IDR_MAINFRAME)
        cls.image = resource(RT_ICON, 1)

    def test_group_has_one_32x32_24_bit_entry(self):
        self.assertEqual(len(self.group), 6 + 14, "group icon 128 size")
        self.assertEqual(struct.unpack_from("<HHH", self.group), (0, 1, 1),
                         "GRPICONDIR: reserved, type (icon), count")
        width, height, colours, reserved, planes, bits, size, icon_id = \
            struct.unpack_from("<BBBBHHIH", self.group, 6)
        self.assertEqual({"width": width, "height": height, "colours": colours, "reserved": reserved,
                          "planes": planes, "bitCount": bits, "bytesInRes": size, "id": icon_id},
                         {"width": 32, "height": 32, "colours": 0, "reserved": 0, "planes": 1,
                          "bitCount": 24, "bytesInRes": len(self.image), "id": 1},
                         "GRPICONDIRENTRY of group icon 128")

    def test_image_header_and_size(self):
        h = info_header(self.image)
        got = {k: h[k] for k in ("biSize", "biWidth", "biHeight", "biPlanes", "biBitCount",
                                 "biCompression")}
        self.assertEqual(got, {"biSize": 40, "biWidth": 32, "biHeight": 64, "biPlanes": 1,
                               "biBitCount": 24, "biCompression": 0}, "icon 1 BITMAPINFOHEADER")
        self.assertEqual(len(self.image),
                         40 + (stride(ICON_SIZE, 24) + stride(ICON_SIZE, 1)) * ICON_SIZE,
                         "icon 1 size: header, 24-bit XOR image and 1-bit AND mask")

    def test_and_mask(self):
        transparent = [(x, y) for y in range(ICON_SIZE) for x in range(ICON_SIZE)
                       if and_mask_bit(self.image, x, y)]
        self.assertEqual(len(transparent), ICON_TRANSPARENT_PIXELS, "transparent pixels of icon 1")
        for corner in ((0, 0), (31, 0), (0, 31), (31, 31)):
            with self.subTest(corner=corner):
                self.assertIn(corner, transparent, "icon corner %s is not transparent" % (corner,))

    def test_matches_committed_file(self):
        with open(os.path.join(RES_DIR, "Setup.ico"), "rb") as f:
            ico = f.read()
        self.assertEqual(struct.unpack_from("<HHH", ico), (0, 1, 1), "Setup.ico: one icon image")
        size, offset = struct.unpack_from("<II", ico, 6 + 8)
        self.assertEqual(self.image, ico[offset:offset + size], "icon 1 differs from Setup.ico")


# --- version information ----------------------------------------------------

class VersionBlock:
    """One node of a VS_VERSIONINFO tree: key, type, value bytes and children."""

    def __init__(self, data, start):
        length, value_length, self.type = struct.unpack_from("<HHH", data, start)
        self.end = start + length
        if length < 6 or self.end > len(data):
            raise AssertionError("version block at byte %d has length %d" % (start, length))
        r = TemplateReader(data)
        r.pos = start + 6
        self.key = r.string()
        r.align4()
        value_size = value_length * 2 if self.type == 1 else value_length
        self.value = data[r.pos:min(r.pos + value_size, self.end)]
        r.pos += value_size
        r.align4()
        self.children = []
        while r.pos < self.end:
            child = VersionBlock(data, r.pos)
            self.children.append(child)
            r.pos = child.end
            r.align4()

    def text(self):
        return self.value.decode("utf-16-le").rstrip("\0")


FIXED_FILE_INFO_FIELDS = ("signature", "strucVersion", "fileVersionMS", "fileVersionLS",
                          "productVersionMS", "productVersionLS", "fileFlagsMask", "fileFlags",
                          "fileOS", "fileType", "fileSubtype", "fileDateMS", "fileDateLS")

FIXED_FILE_INFO = {
    "signature": 0xFEEF04BD, "strucVersion": 0x00010000,
    "fileVersionMS": 0x00010000, "fileVersionLS": 0x00000001,         # 1.0.0.1
    "productVersionMS": 0x00010000, "productVersionLS": 0x00000001,   # 1.0.0.1
    "fileFlagsMask": 0x3F, "fileFlags": 0,
    "fileOS": 4,                                                      # VOS__WINDOWS32
    "fileType": 1,                                                    # VFT_APP
    "fileSubtype": 0, "fileDateMS": 0, "fileDateLS": 0,
}

COPYRIGHT = re.compile(r"^(版权所有|Copyright)\s*(\(C\)|©)\s*(19|20)\d\d(-(19|20)\d\d)?\s+\S")

# In the order the table must hold them; a pattern where the exact text is free.
VERSION_STRINGS = [
    ("Comments", ""),
    ("CompanyName", ""),
    ("FileDescription", "Setup"),
    ("FileVersion", "1, 0, 0, 1"),
    ("InternalName", "Setup"),
    ("LegalCopyright", COPYRIGHT),
    ("LegalTrademarks", ""),
    ("OriginalFilename", "Setup.EXE"),
    ("PrivateBuild", ""),
    ("ProductName", "Setup 应用程序"),
    ("ProductVersion", "1, 0, 0, 1"),
    ("SpecialBuild", ""),
]


class VersionInfoTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        data = resource(RT_VERSION, 1)
        cls.root = VersionBlock(data, 0)
        cls.size = len(data)

    def child(self, block, key):
        found = [c for c in block.children if c.key == key]
        self.assertEqual(len(found), 1, "%r holds %d %r blocks" % (block.key, len(found), key))
        return found[0]

    def test_root(self):
        self.assertEqual(self.root.key, "VS_VERSION_INFO")
        self.assertLess(self.size - self.root.end, 4, "bytes left after VS_VERSIONINFO")
        self.assertEqual(sorted(c.key for c in self.root.children), ["StringFileInfo", "VarFileInfo"])

    def test_fixed_file_info(self):
        self.assertEqual(len(self.root.value), 52, "VS_FIXEDFILEINFO size")
        fixed = dict(zip(FIXED_FILE_INFO_FIELDS, struct.unpack("<13I", self.root.value)))
        self.assertEqual(fixed, FIXED_FILE_INFO, "VS_FIXEDFILEINFO")

    def test_one_string_table(self):
        tables = self.child(self.root, "StringFileInfo").children
        self.assertEqual([t.key for t in tables], ["080404b0"], "string tables")

    def test_strings(self):
        table = self.child(self.child(self.root, "StringFileInfo"), "080404b0")
        self.assertEqual([s.key for s in table.children], [k for k, _ in VERSION_STRINGS],
                         "keys of string table 080404b0, in order")
        values = {s.key: s.text() for s in table.children}
        for key, expected in VERSION_STRINGS:
            with self.subTest(key=key):
                if isinstance(expected, re.Pattern):
                    self.assertRegex(values.get(key), expected, "version string %s" % key)
                else:
                    self.assertEqual(values.get(key), expected, "version string %s" % key)

    def test_translation(self):
        var_info = self.child(self.root, "VarFileInfo")
        self.assertEqual([v.key for v in var_info.children], ["Translation"], "VarFileInfo")
        translation = var_info.children[0]
        self.assertEqual(translation.type, 0, "Translation is binary")
        self.assertEqual(translation.value, struct.pack("<HH", 0x0804, 0x04B0),
                         "Translation: exactly one pair 0x0804, 0x04B0")


# --- manifest ---------------------------------------------------------------

# supportedOS Ids Windows knows.
SUPPORTED_OS = {
    "{e2011457-1546-43c5-a5fe-008deee3d3f0}": "Windows Vista",
    "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}": "Windows 7",
    "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}": "Windows 8",
    "{1f676c76-80e1-4239-95bb-83d0f6d0da78}": "Windows 8.1",
    "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}": "Windows 10 and 11",
}


def local_name(tag):
    return tag.rsplit("}", 1)[-1]


class ManifestTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.root = ET.fromstring(resource(RT_MANIFEST, 1))

    def elements(self, name):
        return [e for e in self.root.iter() if local_name(e.tag) == name]

    def test_is_an_assembly(self):
        self.assertEqual(self.root.tag, "{urn:schemas-microsoft-com:asm.v1}assembly")

    def test_requires_administrator(self):
        levels = [e.get("level") for e in self.elements("requestedExecutionLevel")]
        self.assertEqual(levels, ["requireAdministrator"], "requestedExecutionLevel")

    def test_supported_os(self):
        ids = [e.get("Id") for e in self.elements("supportedOS")]
        self.assertTrue(ids, "the manifest declares no supportedOS")
        for os_id in ids:
            with self.subTest(id=os_id):
                self.assertIn(os_id.lower(), SUPPORTED_OS, "unknown supportedOS Id")
        self.assertIn("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", [i.lower() for i in ids],
                      "Windows 10 and 11 not declared")


if __name__ == "__main__":
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    SETUP_EXE, RES_DIR = sys.argv[1], sys.argv[2]
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:], verbosity=2)
