#!/usr/bin/env python3
"""Checks of the built binaries, read with pefile: the plug-in's export table, its imports
from the host's libraries, its resources, the version block of every file that ships, and
gchost.exe's --version and --help, which must print to a pipe and end. The host finds the
plug-in's entry points by name and ordinal and its templates, menu, icon and bitmaps by
name, so a wrong name here breaks the plug-in in the field although every unit test passes.

    check_dll.py exports --arch i686|x86_64 DLL
    check_dll.py imports DLL --from hostutil.dll --require NAME ...
    check_dll.py dialog NAME DLL | menu DLL | icon DLL | bitmap NAME DLL
    check_dll.py version --product NAME --version X.Y.Z --description TEXT FILE
    check_dll.py console --emulator WINE gchost.exe

Exit status 0 when the check holds; otherwise 1, with one line per fault.
"""

import argparse
import os
import struct
import subprocess
import sys

import pefile

import expected_resources as expected

EXPORTS = [  # ordinal, undecorated name, bytes of arguments
    (1, "AcqULVOConfigWndProc", 16),
    (2, "AcqULVOControlWndProc", 16),
    (3, "AcqGCInlet", 4),
    (4, "AcqGCInletEditorWndProc", 16),
    (5, "AcqGCInletEventWndProc", 16),
]
# Everything the plug-in takes from the host's libraries must be imported by plain name,
# as the real host's libraries export it.
HOST_DLLS = ["hostutil.dll", "recdb.dll", "audit.dll", "chartaxis.dll"]
RT_BITMAP, RT_ICON, RT_MENU, RT_DIALOG, RT_GROUP_ICON = 2, 3, 4, 5, 14


class CheckFailed(Exception):
    pass


def load(path):
    try:
        return pefile.PE(path)
    except pefile.PEFormatError as e:
        raise CheckFailed(f"{path} is not a PE file: {e}")


def check_exports(args):
    pe = load(args.dll)
    table = getattr(pe, "DIRECTORY_ENTRY_EXPORT", None)
    if table is None:
        return ["no export table"], ""
    names = {s.name.decode(): s.ordinal for s in table.symbols if s.name}
    decorated = args.arch == "i686"
    want = {(f"_{n}@{b}" if decorated else n): o for o, n, b in EXPORTS}
    faults = [f"export {name} has ordinal {names.get(name)}, expected {ordinal}"
              for name, ordinal in want.items() if names.get(name) != ordinal]
    faults += [f"unexpected export {name}" for name in sorted(set(names) - set(want))]
    if table.struct.NumberOfFunctions != len(want):
        faults.append(f"export address table has {table.struct.NumberOfFunctions} entries, "
                      f"expected {len(want)} (an entry without a name is exported by ordinal)")
    return faults, f"{len(want)} exports with their ordinals"


def check_imports(args):
    imports = {d.dll.decode().lower(): [i.name and i.name.decode() for i in d.imports]
               for d in getattr(load(args.dll), "DIRECTORY_ENTRY_IMPORT", [])}
    source = args.source.lower()
    if source not in imports:
        return [f"nothing is imported from {args.source}"], ""
    faults = [f"{name} is not imported from {args.source}"
              for name in args.require if name not in imports[source]]
    for dll in HOST_DLLS:
        for name in imports.get(dll, []):
            if name is None or "@" in name or name.startswith("_"):
                faults.append(f"{dll} import {name or '(by ordinal)'} is not a plain name")
    return faults, f"{len(imports[source])} plain-name imports from {args.source}"


def resource(args, rtype, name):
    """The data of the resource of this type and name (names compare as Windows compares
    them: case-insensitively), or None."""
    pe = load(args.dll)
    for kind in getattr(pe, "DIRECTORY_ENTRY_RESOURCE", None).entries:
        if kind.id != rtype:
            continue
        for entry in kind.directory.entries:
            got = str(entry.name).upper() if entry.name else entry.id
            if got == (name.upper() if isinstance(name, str) else name):
                data = entry.directory.entries[0].data.struct
                return pe.get_data(data.OffsetToData, data.Size)
    return None


class Reader:
    """A cursor over a little-endian resource."""

    def __init__(self, data):
        self.data, self.pos = data, 0

    def take(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.pos)
        self.pos += struct.calcsize(fmt)
        return values if len(values) > 1 else values[0]

    def text(self):
        end = self.pos
        while self.data[end:end + 2] != b"\0\0":
            if end >= len(self.data):
                raise CheckFailed("a text runs past the end of its resource")
            end += 2
        value, self.pos = self.data[self.pos:end].decode("utf-16-le"), end + 2
        return value

    def name_or_ordinal(self):
        first = self.take("H")
        if first == 0xFFFF:
            return self.take("H")
        self.pos -= 2
        return self.text()


CLASS_ORDINALS = {0x80: "button", 0x81: "edit", 0x82: "static", 0x85: "combobox"}
KINDS = {("button", 0): "pushbutton", ("button", 1): "defpushbutton",
         ("button", 3): "autocheckbox", ("button", 7): "groupbox", ("button", 11): "ownerdraw",
         ("static", 0): "ltext", ("static", 9): "whiteframe", ("static", 14): "bitmap",
         ("combobox", 3): "dropdownlist", ("edit", 0): "edit"}
WS_CHILD_VISIBLE, WS_TABSTOP, WS_BORDER, SS_SUNKEN, CBS_SORT = 0x50000000, 0x10000, 0x800000, \
    0x1000, 0x100
TAB_STOPS = {"autocheckbox", "edit", "pushbutton", "defpushbutton", "dropdownlist"}


def read_dialog(data):
    """A plain DLGTEMPLATE (with DS_SETFONT): its header and (id, kind, text, style,
    rect) of every control in template order, which is the tab order."""
    r = Reader(data)
    style, _, count = r.take("IIH")
    d = {"style": style, "rect": r.take("hhhh"), "menu": r.name_or_ordinal(),
         "class": r.name_or_ordinal(), "caption": r.text()}
    d["font"] = (r.take("H"), r.text())
    d["controls"] = []
    for _ in range(count):
        r.pos = (r.pos + 3) // 4 * 4
        style, _ = r.take("II")
        rect, ctl_id = r.take("hhhh"), r.take("h")
        cls = r.name_or_ordinal()
        cls = CLASS_ORDINALS.get(cls, cls) if isinstance(cls, int) else cls.lower()
        text = r.name_or_ordinal()
        extra = r.take("H")  # creation data
        r.pos += extra
        mask = 0xF if cls == "button" else 0x1F if cls == "static" else 3 if cls == "combobox" else 0
        kind = KINDS.get((cls, style & mask), f"{cls} type {style & mask:#x}")
        d["controls"].append((ctl_id, kind, text, style, rect))
    return d


def style_faults(ctl_id, kind, style):
    faults = []
    if style & WS_CHILD_VISIBLE != WS_CHILD_VISIBLE:
        faults.append("is not a visible child window")
    if kind in TAB_STOPS and not style & WS_TABSTOP:
        faults.append("lacks WS_TABSTOP")
    if kind == "edit" and (not style & WS_BORDER or style & 3):
        faults.append("is not a left-aligned edit with a border")
    if kind == "whiteframe" and not style & SS_SUNKEN:
        faults.append("lacks SS_SUNKEN")
    if kind == "dropdownlist" and style & CBS_SORT:
        faults.append("sorts its entries (CBS_SORT)")
    return [f"control {ctl_id} ({kind}) {f}" for f in faults]


def check_dialog(args):
    want = expected.DIALOGS[args.name]
    data = resource(args, RT_DIALOG, args.name)
    if data is None:
        return [f"no dialog template named {args.name}"], ""
    d = read_dialog(data)
    faults = []
    if d["style"] & want["style"] != want["style"]:
        faults.append(f"style {d['style']:#010x} lacks {want['style'] & ~d['style']:#010x}")
    rect = d["rect"] if "rect" in want else d["rect"][2:]
    if rect != want.get("rect", want.get("size")):
        faults.append(f"position and size {d['rect']}, expected {want.get('rect', want.get('size'))}")
    # Class names are matched regardless of case, and windres stores them upper-cased.
    got = (d["font"], str(d["class"]).upper(), d["menu"], d["caption"])
    wanted = (want["font"], want["class"].upper(), "", want["caption"])
    if got != wanted:
        faults.append(f"font, class, menu and caption {got}, expected {wanted}")
    got_ids, want_ids = [c[0] for c in d["controls"]], [w[0] for w in want["controls"]]
    if got_ids != want_ids:
        faults.append(f"controls (in tab order) {got_ids}, expected {want_ids}")
    for (ctl_id, kind, text, style, rect), w in zip(d["controls"], want["controls"]):
        if ctl_id != w[0]:
            continue
        if (kind, text) != w[1:3]:
            faults.append(f"control {ctl_id} is {kind} {text!r}, expected {w[1]} {w[2]!r}")
        if len(w) > 3 and rect != w[3]:
            faults.append(f"control {ctl_id} at {rect}, expected {w[3]}")
        faults += style_faults(ctl_id, kind, style)
    return faults, f"dialog {args.name} with {len(d['controls'])} controls"


def read_menu(data):
    """A standard menu template as [("popup", text, [items])], items ("item", id, text);
    a separator is ("item", 0, "")."""
    r = Reader(data)
    version, header = r.take("HH")
    if version != 0:
        raise CheckFailed(f"menu template version {version}, expected a standard menu")
    r.pos += header

    def items():
        out = []
        while True:
            flags = r.take("H")
            if flags & 0x10:  # MF_POPUP
                out.append(("popup", r.text(), items()))
            else:
                out.append(("item", r.take("H"), r.text()))
            if flags & 0x80:  # MF_END
                return out

    return items()


def check_menu(args):
    data = resource(args, RT_MENU, expected.MENU_NAME)
    if data is None:
        return [f"no menu named {expected.MENU_NAME}"], ""
    menu = read_menu(data)
    return ([] if menu == expected.MENU else [f"menu {menu}, expected {expected.MENU}"],
            f"menu {expected.MENU_NAME}")


def bitmap_header(data):
    """(width, height, planes, bits per pixel, compression) of a BITMAPINFOHEADER."""
    size, width, height, planes, bits, compression = struct.unpack_from("<IiiHHI", data)
    if size < 40:
        raise CheckFailed(f"bitmap header of {size} bytes, expected a BITMAPINFOHEADER")
    return width, abs(height), planes, bits, compression


def check_icon(args):
    group = resource(args, RT_GROUP_ICON, expected.ICON_NAME)
    if group is None:
        return [f"no icon named {expected.ICON_NAME}"], ""
    _, kind, count = struct.unpack_from("<HHH", group)
    if (kind, count) != (1, 1):
        return [f"icon {expected.ICON_NAME} has {count} images, expected 1"], ""
    w, h, colours, _, _, bits, _, image_id = struct.unpack_from("<BBBBHHIH", group, 6)
    size, want_bits = expected.ICON_SIZE, expected.ICON_BITS
    faults = []
    if (w, h, colours, bits) != (size, size, 16, want_bits):
        faults.append(f"icon directory says {w}x{h}, {colours} colours, {bits} bpp")
    image = resource(args, RT_ICON, image_id)
    # An icon image's header counts the colour bits and the mask: twice the height.
    if image is None or [bitmap_header(image)[i] for i in (0, 1, 3)] != [size, 2 * size, want_bits]:
        faults.append(f"icon image {image_id} is not {size}x{size} at {want_bits} bpp")
    return faults, f"icon {expected.ICON_NAME} {size}x{size} {want_bits} bpp"


def check_bitmap(args):
    data = resource(args, RT_BITMAP, args.name)
    if data is None:
        return [f"no bitmap named {args.name}"], ""
    want = expected.BITMAPS[args.name] + (1, expected.BITMAP_BITS, 0)
    got = bitmap_header(data)
    faults = [] if got == want else [f"bitmap {args.name} (width, height, planes, bpp, "
                                     f"compression) {got}, expected {want}"]
    return faults, f"bitmap {args.name} {want[0]}x{want[1]} {expected.BITMAP_BITS} bpp"


def read_version(path):
    """(fixed file info, {name: text} of the string tables); (None, {}) without one."""
    pe = load(path)
    tables = [t for info in (getattr(pe, "FileInfo", None) or [[]])[0]
              for t in getattr(info, "StringTable", [])]
    strings = {k.decode(): v.decode() for t in tables for k, v in t.entries.items()}
    return (getattr(pe, "VS_FIXEDFILEINFO", None) or [None])[0], strings


def check_version(args):
    fixed, strings = read_version(args.dll)
    if fixed is None:
        return ["no version resource"], ""
    name = os.path.basename(args.dll)
    four = tuple(int(p) for p in (args.version.split(".") + ["0"] * 4)[:4])
    faults = []
    for what, ms, ls in [("file", fixed.FileVersionMS, fixed.FileVersionLS),
                         ("product", fixed.ProductVersionMS, fixed.ProductVersionLS)]:
        if (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF) != four:
            faults.append(f"{what} version {ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}, "
                          f"expected {args.version}")
    file_type = 2 if name.lower().endswith(".dll") else 1  # VFT_DLL, VFT_APP
    if fixed.FileType != file_type:
        faults.append(f"file type {fixed.FileType}, expected {file_type}")
    want = {"ProductName": args.product, "ProductVersion": args.version,
            "FileVersion": args.version, "FileDescription": args.description,
            "OriginalFilename": name}
    faults += [f"{key} {strings.get(key)!r}, expected {value!r}"
               for key, value in want.items() if strings.get(key) != value]
    return faults, f"{name} {args.product} {args.version}: {args.description}"


def check_console(args):
    """--version and --help print to a pipe and end by themselves; the version line names
    the product and version of the program's own version block."""
    _, strings = read_version(args.dll)
    want_version = f"gchost ({strings.get('ProductName')}) {strings.get('ProductVersion')}"
    faults = []
    for option, check in [("--version", lambda out: out == [want_version]),
                          ("--help", lambda out: out[:1] and out[0].startswith("usage: "))]:
        try:
            done = subprocess.run([args.emulator, args.dll, option], stdin=subprocess.DEVNULL,
                                  capture_output=True, text=True, errors="replace", timeout=25)
        except subprocess.TimeoutExpired:
            faults.append(f"{option} did not end within 25 s (a message box?)")
            continue
        out = done.stdout.splitlines()
        if done.returncode != 0 or not check(out):
            faults.append(f"{option} exited with {done.returncode} and printed {out[:3]}")
    return faults, f"--version prints {want_version!r}, --help the usage"


def main():
    sys.stdout.reconfigure(errors="backslashreplace")  # CTest may run us in a C locale
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    sub = parser.add_subparsers(dest="check", required=True)
    checks = {"exports": (check_exports, ["--arch"]), "imports": (check_imports, ["--from"]),
              "version": (check_version, ["--product", "--version", "--description"]),
              "console": (check_console, ["--emulator"]), "dialog": (check_dialog, ["name"]),
              "bitmap": (check_bitmap, ["name"]), "menu": (check_menu, []),
              "icon": (check_icon, [])}
    for name, (func, options) in checks.items():
        p = sub.add_parser(name)
        for option in options:
            if option == "name":
                p.add_argument("name")
            else:
                p.add_argument(option, dest=option[2:].replace("from", "source"), required=True)
        if name == "imports":
            p.add_argument("--require", action="append", default=[])
        p.add_argument("dll")
        p.set_defaults(func=func)
    args = parser.parse_args()
    if not os.path.isfile(args.dll):
        print(f"FAIL: {args.dll} does not exist (build it first)")
        return 1
    try:
        faults, summary = args.func(args)
    except (CheckFailed, struct.error, KeyError) as e:
        faults, summary = [f"{args.dll} cannot be checked: {e}"], ""
    for fault in faults:
        print(f"FAIL: {fault}")
    if faults:
        print(f"{len(faults)} fault(s) in {args.dll}")
        return 1
    print(f"ok: {summary}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
