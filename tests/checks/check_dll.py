#!/usr/bin/env python3
"""Checks of the built binaries: the plug-in's export table, its imports from the host's
libraries and its resources, read back with the MinGW binutils; the version block of
every file that ships, read with pefile; and gchost.exe's --version and --help, which
must print to a pipe and end. The host finds the plug-in's entry points by name and
ordinal and its templates, menu, icon and bitmaps by name, so a wrong name here breaks
the plug-in in the field although every unit test passes.

    check_dll.py exports --objdump OBJDUMP --arch i686|x86_64 DLL
    check_dll.py imports --objdump OBJDUMP DLL --from hostutil.dll --require NAME ...
    check_dll.py dialog|menu|icon|bitmap --windres WINDRES DLL [NAME]
    check_dll.py version --product NAME --version X.Y.Z --description TEXT FILE
    check_dll.py console --emulator WINE gchost.exe

Exit status 0 when the check holds; otherwise 1, with one line per fault.
"""

import argparse
import os
import re
import subprocess
import sys
import tempfile

import expected_resources as expected
import res_format as rf

EXPORTS = [  # ordinal, undecorated name, bytes of arguments
    (1, "AcqULVOConfigWndProc", 16),
    (2, "AcqULVOControlWndProc", 16),
    (3, "AcqGCInlet", 4),
    (4, "AcqGCInletEditorWndProc", 16),
    (5, "AcqGCInletEventWndProc", 16),
]

# The stand-ins of the host's libraries; everything the plug-in takes from them must be
# imported by plain name, as the real host's libraries export it.
HOST_DLLS = ["hostutil.dll", "recdb.dll", "audit.dll", "chartaxis.dll"]


class CheckFailed(Exception):
    pass


def run(cmd):
    try:
        done = subprocess.run(cmd, capture_output=True, text=True, errors="replace")
    except OSError as e:
        raise CheckFailed(f"cannot run {cmd[0]}: {e}")
    if done.returncode != 0:
        raise CheckFailed(f"{' '.join(cmd)} failed ({done.returncode}): {done.stderr.strip()}")
    return done.stdout


# ---- Exports and imports ---------------------------------------------------------------


def parse_exports(objdump_text):
    """(ordinal base, number of address-table entries, {name: ordinal}) from objdump -p."""
    base = re.search(r"Ordinal Base\s+(\d+)", objdump_text)
    if not base:
        raise CheckFailed("objdump shows no export table")
    base = int(base.group(1))
    section = objdump_text.split("Export Address Table -- Ordinal Base", 1)[1]
    address_entries = len(re.findall(r"^\s*\[\s*\d+\]\s+\+base\[", section.split(
        "[Ordinal/Name Pointer] Table", 1)[0], re.M))
    names = {}
    table = section.split("[Ordinal/Name Pointer] Table", 1)
    if len(table) == 2:
        for line in table[1].splitlines()[1:]:
            if not line.strip():
                break
            # Older objdumps print the index into the address table, newer ones add the
            # biased ordinal as "+base[n]"; read either.
            m = re.match(r"\s*\[\s*(\d+)\]\s+(?:\+base\[\s*(\d+)\]\s+)?(\S+)", line)
            if m:
                ordinal = int(m.group(2)) if m.group(2) else int(m.group(1)) + base
                names[m.group(3)] = ordinal
    return base, address_entries, names


def check_exports(args):
    text = run([args.objdump, "-p", args.dll])
    _, entries, names = parse_exports(text)
    decorated = args.arch == "i686"
    want = {(f"_{n}@{b}" if decorated else n): o for o, n, b in EXPORTS}
    faults = []
    for name, ordinal in sorted(want.items(), key=lambda kv: kv[1]):
        if name not in names:
            faults.append(f"export {name} (ordinal {ordinal}) is missing")
        elif names[name] != ordinal:
            faults.append(f"export {name} has ordinal {names[name]}, expected {ordinal}")
    for name in sorted(set(names) - set(want)):
        faults.append(f"unexpected export {name} (ordinal {names[name]})")
    if entries != len(want):
        faults.append(f"export address table has {entries} entries, expected {len(want)} "
                      "(an entry without a name is exported by ordinal only)")
    return faults, f"{len(want)} exports with their ordinals"


def parse_imports(objdump_text):
    """{dll name (lower case): [member name, or None for an import by ordinal]}."""
    imports, current, in_members = {}, None, False
    for line in objdump_text.splitlines():
        m = re.match(r"\s*DLL Name:\s*(\S+)", line)
        if m:
            current, in_members = imports.setdefault(m.group(1).lower(), []), False
        elif current is not None and line.lstrip().startswith("vma:"):
            in_members = True
        elif in_members and not line.strip():
            current, in_members = None, False  # a blank line ends the member list
        elif in_members:
            # "vma  hint  name"; an import by ordinal has no name.
            m = re.match(r"\s*[0-9a-fA-F]+\s+\d+\s+([^\s<]\S*)", line)
            current.append(m.group(1) if m else None)
    return imports


def check_imports(args):
    imports = parse_imports(run([args.objdump, "-p", args.dll]))
    faults = []
    source = args.source.lower()
    if source not in imports:
        return [f"nothing is imported from {args.source} (imports: "
                f"{', '.join(sorted(imports)) or 'none'})"], ""
    for name in args.require:
        if name not in imports[source]:
            faults.append(f"{name} is not imported from {args.source}; it imports "
                          f"{', '.join(n or '<ordinal>' for n in imports[source])}")
    for dll in HOST_DLLS:
        for name in imports.get(dll, []):
            if name is None:
                faults.append(f"an import from {dll} is by ordinal, not by name")
            elif "@" in name or name.startswith("_"):
                faults.append(f"{dll} import {name} is decorated; the host exports plain "
                              f"names (expected {name.lstrip('_').split('@')[0]})")
    return faults, f"{len(imports[source])} plain-name imports from {args.source}"


# ---- Resources -------------------------------------------------------------------------


def load_resources(args):
    with tempfile.TemporaryDirectory() as tmp:
        res = os.path.join(tmp, "dll.res")
        run([args.windres, "-J", "coff", "-i", args.dll, "-O", "res", "-o", res])
        with open(res, "rb") as f:
            data = f.read()
    try:
        return rf.read_res(data)
    except rf.FormatError as e:
        raise CheckFailed(f"resource section cannot be read: {e}")


BS_KINDS = {0: "pushbutton", 1: "defpushbutton", 3: "autocheckbox", 7: "groupbox",
            0xB: "ownerdraw"}
SS_KINDS = {0: "ltext", 1: "ctext", 2: "rtext", 9: "whiteframe", 0xE: "bitmap"}
CBS_KINDS = {1: "simple combobox", 2: "dropdown", 3: "dropdownlist"}

WS_CHILD, WS_VISIBLE, WS_TABSTOP, WS_BORDER = 0x40000000, 0x10000000, 0x10000, 0x800000
ES_CENTER_OR_RIGHT, SS_SUNKEN, CBS_SORT = 0x3, 0x1000, 0x100
TAB_STOPS = {"autocheckbox", "edit", "pushbutton", "defpushbutton", "dropdownlist"}


def control_kind(ctl):
    if ctl.kind == "button":
        return BS_KINDS.get(ctl.style & 0xF, f"button type {ctl.style & 0xF:#x}")
    if ctl.kind == "static":
        return SS_KINDS.get(ctl.style & 0x1F, f"static type {ctl.style & 0x1F:#x}")
    if ctl.kind == "combobox":
        return CBS_KINDS.get(ctl.style & 0x3, "combobox")
    return ctl.kind


def control_style_faults(ctl, kind):
    where = f"control {ctl.id} ({kind})"
    faults = []
    if ctl.style & (WS_CHILD | WS_VISIBLE) != WS_CHILD | WS_VISIBLE:
        faults.append(f"{where} is not a visible child window")
    if kind in TAB_STOPS and not ctl.style & WS_TABSTOP:
        faults.append(f"{where} lacks WS_TABSTOP")
    if kind == "edit":
        if not ctl.style & WS_BORDER:
            faults.append(f"{where} lacks WS_BORDER")
        if ctl.style & ES_CENTER_OR_RIGHT:
            faults.append(f"{where} is not left-aligned")
    if kind == "whiteframe" and not ctl.style & SS_SUNKEN:
        faults.append(f"{where} lacks SS_SUNKEN")
    if kind == "dropdownlist" and ctl.style & CBS_SORT:
        faults.append(f"{where} sorts its entries (CBS_SORT)")
    return faults


def check_dialog(args):
    want = expected.DIALOGS[args.name]
    res = rf.find(load_resources(args), rf.RT_DIALOG, args.name)
    if res is None:
        return [f"no dialog template named {args.name}"], ""
    try:
        d = rf.read_dialog(res.data)
    except rf.FormatError as e:
        return [f"dialog {args.name} cannot be decoded: {e}"], ""
    faults = []
    if d.style & want["style"] != want["style"]:
        faults.append(f"style {d.style:#010x} lacks {want['style'] & ~d.style:#010x}")
    if "rect" in want and d.rect != want["rect"]:
        faults.append(f"position and size {d.rect}, expected {want['rect']}")
    if "size" in want and d.rect[2:] != want["size"]:
        faults.append(f"size {d.rect[2:]}, expected {want['size']}")
    if (d.font_size, d.font_name) != want["font"]:
        faults.append(f"font {d.font_name!r} {d.font_size}, expected {want['font'][1]!r} "
                      f"{want['font'][0]}")
    # Window class names are matched without regard to case, and windres stores the
    # class upper-cased, so compare the way the dialog manager will.
    if str(d.window_class).upper() != want["class"].upper():
        faults.append(f"class {d.window_class!r}, expected {want['class']!r}")
    if d.menu != "":
        faults.append(f"the template names menu {d.menu!r}; the menu comes from the class")
    if d.caption != want["caption"]:
        faults.append(f"caption {d.caption!r}, expected {want['caption']!r}")

    wanted = want["controls"]
    if len(d.controls) != len(wanted):
        faults.append(f"{len(d.controls)} controls, expected {len(wanted)}")
    got_ids = [c.id for c in d.controls]
    want_ids = [w[0] for w in wanted]
    if got_ids != want_ids:
        at = next(i for i in range(len(got_ids) + 1)
                  if i >= min(len(got_ids), len(want_ids)) or got_ids[i] != want_ids[i])
        faults.append(f"control order (tab order) differs from position {at}: "
                      f"{got_ids[at:at + 4]}..., expected {want_ids[at:at + 4]}...")
    for ctl, (want_id, want_kind, want_text) in zip(d.controls, wanted):
        if ctl.id != want_id:
            continue  # already reported as an order fault
        kind = control_kind(ctl)
        if kind != want_kind:
            faults.append(f"control {ctl.id} is a {kind}, expected a {want_kind}")
        if ctl.text != want_text:
            faults.append(f"control {ctl.id} text {ctl.text!r}, expected {want_text!r}")
        faults += control_style_faults(ctl, kind)
    return faults, f"dialog {args.name} with {len(d.controls)} controls"


def check_menu(args):
    res = rf.find(load_resources(args), rf.RT_MENU, expected.MENU_NAME)
    if res is None:
        return [f"no menu named {expected.MENU_NAME}"], ""
    try:
        menu = rf.read_menu(res.data)
    except rf.FormatError as e:
        return [f"menu {expected.MENU_NAME} cannot be decoded: {e}"], ""
    faults = []
    got_bar = [(e[0], e[1]) for e in menu]
    want_bar = [(e[0], e[1]) for e in expected.MENU]
    if got_bar != want_bar:
        faults.append(f"menu bar {got_bar}, expected {want_bar}")
    for got, want in zip(menu, expected.MENU):
        if got[:2] == want[:2] and got[2] != want[2]:
            faults.append(f"pop-up {want[1]!r} holds {got[2]}, expected {want[2]}")
    return faults, f"menu {expected.MENU_NAME}"


def check_icon(args):
    resources = load_resources(args)
    res = rf.find(resources, rf.RT_GROUP_ICON, expected.ICON_NAME)
    if res is None:
        return [f"no icon named {expected.ICON_NAME}"], ""
    entries = rf.read_group_icon(res.data)
    if len(entries) != 1:
        return [f"icon {expected.ICON_NAME} has {len(entries)} images, expected 1"], ""
    e = entries[0]
    size, bits = expected.ICON_SIZE, expected.ICON_BITS
    faults = []
    if (e["width"], e["height"], e["bits"]) != (size, size, bits) or e["colours"] != 16:
        faults.append(f"icon directory says {e['width']}x{e['height']}, {e['bits']} bpp, "
                      f"{e['colours']} colours; expected {size}x{size}, {bits} bpp, 16")
    image = rf.find(resources, rf.RT_ICON, e["id"])
    if image is None:
        return faults + [f"icon image {e['id']} is missing"], ""
    w, h, _, b, _ = rf.read_bitmap_header(image.data)
    # An icon image's header counts the colour bits and the mask: twice the height.
    if (w, h, b) != (size, 2 * size, bits):
        faults.append(f"icon image is {w}x{h // 2} at {b} bpp, expected {size}x{size} at "
                      f"{bits} bpp")
    return faults, f"icon {expected.ICON_NAME} {size}x{size} {bits} bpp"


def check_bitmap(args):
    want_w, want_h = expected.BITMAPS[args.name]
    res = rf.find(load_resources(args), rf.RT_BITMAP, args.name)
    if res is None:
        return [f"no bitmap named {args.name}"], ""
    w, h, planes, bits, compression = rf.read_bitmap_header(res.data)
    faults = []
    if (w, abs(h)) != (want_w, want_h):
        faults.append(f"bitmap {args.name} is {w}x{abs(h)}, expected {want_w}x{want_h}")
    if (planes, bits) != (1, expected.BITMAP_BITS):
        faults.append(f"bitmap {args.name} has {bits} bpp in {planes} planes, expected "
                      f"{expected.BITMAP_BITS} bpp (16 colours)")
    if compression != 0:
        faults.append(f"bitmap {args.name} is compressed ({compression})")
    return faults, f"bitmap {args.name} {want_w}x{want_h} {expected.BITMAP_BITS} bpp"


# ---- Version information ---------------------------------------------------------------

VFT_APP, VFT_DLL = 1, 2


def read_version(path):
    """(fixed file info, {name: text} of the string tables) of a binary's version
    resource; (None, {}) when it has none."""
    import pefile  # python3-pefile; only the version checks need it

    try:
        pe = pefile.PE(path, fast_load=True)
        pe.parse_data_directories([pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    except pefile.PEFormatError as e:
        raise CheckFailed(f"{path} is not a PE file: {e}")
    tables = [t for info in (getattr(pe, "FileInfo", None) or [[]])[0]
              for t in getattr(info, "StringTable", [])]
    strings = {k.decode(): v.decode() for t in tables for k, v in t.entries.items()}
    return (getattr(pe, "VS_FIXEDFILEINFO", None) or [None])[0], strings


def dotted(ms, ls):
    return f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"


def check_version(args):
    fixed, strings = read_version(args.dll)
    if fixed is None:
        return ["no version resource"], ""
    name = os.path.basename(args.dll)
    four_part = ".".join((args.version.split(".") + ["0"] * 4)[:4])
    file_type = VFT_DLL if name.lower().endswith(".dll") else VFT_APP
    faults = []
    for what, got in [("file version", dotted(fixed.FileVersionMS, fixed.FileVersionLS)),
                      ("product version", dotted(fixed.ProductVersionMS,
                                                 fixed.ProductVersionLS))]:
        if got != four_part:
            faults.append(f"{what} {got}, expected {four_part}")
    if fixed.FileType != file_type:
        faults.append(f"file type {fixed.FileType}, expected {file_type}")
    want = {"ProductName": args.product, "ProductVersion": args.version,
            "FileVersion": args.version, "FileDescription": args.description,
            "OriginalFilename": name}
    for key, value in want.items():
        if strings.get(key) != value:
            faults.append(f"{key} {strings.get(key)!r}, expected {value!r}")
    return faults, f"{name} {args.product} {args.version}: {args.description}"


def check_console(args):
    """The program's --version and --help print to a pipe and end by themselves; the
    version line names the product and version of the program's own version block."""
    _, strings = read_version(args.dll)
    want_version = f"gchost ({strings.get('ProductName')}) {strings.get('ProductVersion')}"
    faults = []
    for option, check in [("--version", lambda out: out == [want_version]),
                          ("--help", lambda out: out[:1] and out[0].startswith("usage: "))]:
        try:
            done = subprocess.run([args.emulator, args.dll, option], stdin=subprocess.DEVNULL,
                                  capture_output=True, text=True, errors="replace",
                                  timeout=25)
        except subprocess.TimeoutExpired:
            faults.append(f"{option} did not end within 25 s (a message box?)")
            continue
        out = done.stdout.splitlines()
        if done.returncode != 0 or not check(out):
            faults.append(f"{option} exited with {done.returncode} and printed {out[:3]}")
    return faults, f"--version prints {want_version!r}, --help the usage"


# ---- Command line ----------------------------------------------------------------------


def main():
    sys.stdout.reconfigure(errors="backslashreplace")  # CTest may run us in a C locale
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    sub = parser.add_subparsers(dest="check", required=True)
    p = sub.add_parser("exports")
    p.add_argument("--objdump", required=True)
    p.add_argument("--arch", required=True, choices=["i686", "x86_64"])
    p.set_defaults(func=check_exports)
    p = sub.add_parser("imports")
    p.add_argument("--objdump", required=True)
    p.add_argument("--from", dest="source", required=True)
    p.add_argument("--require", action="append", default=[])
    p.set_defaults(func=check_imports)
    p = sub.add_parser("version")
    for option in ["--product", "--version", "--description"]:
        p.add_argument(option, required=True)
    p.set_defaults(func=check_version)
    p = sub.add_parser("console")
    p.add_argument("--emulator", required=True)
    p.set_defaults(func=check_console)
    for name, func, choices in [("dialog", check_dialog, sorted(expected.DIALOGS)),
                                ("bitmap", check_bitmap, sorted(expected.BITMAPS)),
                                ("menu", check_menu, None), ("icon", check_icon, None)]:
        p = sub.add_parser(name)
        p.add_argument("--windres", required=True)
        if choices:
            p.add_argument("name", choices=choices)
        p.set_defaults(func=func)
    for p in sub.choices.values():
        p.add_argument("dll")
    args = parser.parse_args()

    if not os.path.isfile(args.dll):
        print(f"FAIL: {args.dll} does not exist (build it first)")
        return 1
    try:
        faults, summary = args.func(args)
    except (CheckFailed, rf.FormatError) as e:
        faults, summary = [str(e)], ""
    for fault in faults:
        print(f"FAIL: {fault}")
    if faults:
        print(f"{len(faults)} fault(s) in {args.dll}")
        return 1
    print(f"ok: {summary}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
