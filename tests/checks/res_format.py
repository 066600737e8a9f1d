"""Readers for the binary resource formats that the resource checks look into.

windres turns the resource section of a built DLL back into a .res file; this module
splits that file into resources and decodes the few kinds the plug-in ships: dialog
templates (plain and extended), menus, group icons and bitmap headers. Every reader
raises FormatError on data it cannot make sense of, so that a damaged resource fails
its check with a message rather than a traceback.
"""

import struct

RT_BITMAP, RT_ICON, RT_MENU, RT_DIALOG, RT_GROUP_ICON = 2, 3, 4, 5, 14

# Atom ordinals the dialog manager uses for the predefined control classes.
CONTROL_CLASS_ORDINALS = {
    0x80: "button",
    0x81: "edit",
    0x82: "static",
    0x83: "listbox",
    0x84: "scrollbar",
    0x85: "combobox",
}

DS_SETFONT = 0x40
DS_SHELLFONT = 0x48
MF_POPUP = 0x10
MF_END = 0x80


class FormatError(Exception):
    pass


class Reader:
    """A cursor over little-endian binary data."""

    def __init__(self, data, pos=0):
        self.data, self.pos = data, pos

    def take(self, fmt):
        size = struct.calcsize(fmt)
        if self.pos + size > len(self.data):
            raise FormatError(f"data ends at byte {len(self.data)}, needed {self.pos + size}")
        values = struct.unpack_from("<" + fmt, self.data, self.pos)
        self.pos += size
        return values if len(values) > 1 else values[0]

    def align(self, n):
        self.pos = (self.pos + n - 1) // n * n

    def wstring(self):
        """A NUL-terminated UTF-16 string."""
        chars = []
        while True:
            c = self.take("H")
            if c == 0:
                return "".join(chars)
            chars.append(chr(c))

    def name_or_ordinal(self):
        """0x0000 = none (""), 0xFFFF + WORD = ordinal (int), else a UTF-16 string."""
        first = self.take("H")
        if first == 0:
            return ""
        if first == 0xFFFF:
            return self.take("H")
        self.pos -= 2
        return self.wstring()


class Resource:
    def __init__(self, rtype, name, language, data):
        self.type, self.name, self.language, self.data = rtype, name, language, data


def read_res(data):
    """All resources of a .res file, in file order (the empty leading entry skipped)."""
    out = []
    pos = 0
    while pos + 8 <= len(data):
        r = Reader(data, pos)
        data_size, header_size = r.take("II")
        if header_size < 32 or pos + header_size + data_size > len(data):
            raise FormatError(f"bad resource header at byte {pos}")
        rtype = r.name_or_ordinal()
        name = r.name_or_ordinal()
        r.align(4)
        _, _, language, _, _ = r.take("IHHII")
        body = data[pos + header_size:pos + header_size + data_size]
        if rtype != 0 or data_size:  # the leading empty entry marks a 32-bit .res
            out.append(Resource(rtype, name, language, body))
        pos = (pos + header_size + data_size + 3) // 4 * 4
    return out


def find(resources, rtype, name):
    """The resource of this type and name; string names compare as Windows compares
    them (case-insensitively: resource compilers store them upper-cased)."""
    for res in resources:
        if res.type != rtype:
            continue
        if isinstance(name, str) and isinstance(res.name, str):
            if res.name.upper() == name.upper():
                return res
        elif res.name == name:
            return res
    return None


# ---- Dialog templates ------------------------------------------------------------------


class Control:
    def __init__(self, ctl_id, kind, text, style, rect):
        self.id, self.kind, self.text, self.style, self.rect = ctl_id, kind, text, style, rect


class Dialog:
    def __init__(self):
        self.extended = False
        self.style = self.ex_style = 0
        self.rect = (0, 0, 0, 0)
        self.menu = self.window_class = self.caption = ""
        self.font_size, self.font_name = None, ""
        self.controls = []


def _signed16(value):
    return value - 0x10000 if value >= 0x8000 else value


def _control_kind(cls):
    if isinstance(cls, int):
        return CONTROL_CLASS_ORDINALS.get(cls, f"ordinal {cls:#x}")
    return cls.lower()


def read_dialog(data):
    """Decodes a DLGTEMPLATE or a DLGTEMPLATEEX with its items."""
    r = Reader(data)
    d = Dialog()
    version, signature = struct.unpack_from("<HH", data, 0) if len(data) >= 4 else (0, 0)
    d.extended = version == 1 and signature == 0xFFFF
    if d.extended:
        _, _, _, d.ex_style, d.style = r.take("HHIII")
    else:
        d.style, d.ex_style = r.take("II")
    count = r.take("H")
    d.rect = r.take("hhhh")
    d.menu = r.name_or_ordinal()
    d.window_class = r.name_or_ordinal()
    d.caption = r.wstring()
    if d.style & DS_SETFONT or (d.extended and d.style & DS_SHELLFONT == DS_SHELLFONT):
        d.font_size = r.take("H")
        if d.extended:
            r.take("HBB")  # weight, italic, character set
        d.font_name = r.wstring()
    for _ in range(count):
        r.align(4)
        if d.extended:
            _, _, style = r.take("III")
            rect = r.take("hhhh")
            ctl_id = r.take("i")
        else:
            style, _ = r.take("II")
            rect = r.take("hhhh")
            ctl_id = _signed16(r.take("H"))
        kind = _control_kind(r.name_or_ordinal())
        text = r.name_or_ordinal()
        extra = r.take("H")
        r.pos += extra
        d.controls.append(Control(ctl_id, kind, text, style, rect))
    return d


# ---- Menus -----------------------------------------------------------------------------


def read_menu(data):
    """A standard menu template as nested lists: ("popup", text, [items]) and
    ("item", id, text); a separator is ("item", 0, "")."""
    r = Reader(data)
    version, header_size = r.take("HH")
    if version != 0:
        raise FormatError(f"menu template version {version} (extended menus not expected)")
    r.pos += header_size

    def items():
        out = []
        while True:
            flags = r.take("H")
            if flags & MF_POPUP:
                text = r.wstring()
                out.append(("popup", text, items()))
            else:
                item_id = r.take("H")
                out.append(("item", item_id, r.wstring()))
            if flags & MF_END:
                return out

    return items()


# ---- Icons and bitmaps -----------------------------------------------------------------


def read_group_icon(data):
    """Entries of a GRPICONDIR: dicts with width, height, colours, bits, id."""
    r = Reader(data)
    _, icon_type, count = r.take("HHH")
    if icon_type != 1:
        raise FormatError(f"group icon of type {icon_type}, expected 1")
    entries = []
    for _ in range(count):
        w, h, colours, _, _, bits, _, icon_id = r.take("BBBBHHIH")
        entries.append({"width": w or 256, "height": h or 256, "colours": colours,
                        "bits": bits, "id": icon_id})
    return entries


def read_bitmap_header(data):
    """(width, height, planes, bits per pixel, compression) of a BITMAPINFOHEADER."""
    r = Reader(data)
    size = r.take("I")
    if size < 40:
        raise FormatError(f"bitmap header of {size} bytes, expected a BITMAPINFOHEADER")
    width, height, planes, bits, compression = r.take("iiHHI")
    return width, height, planes, bits, compression
