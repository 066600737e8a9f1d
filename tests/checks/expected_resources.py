"""What the plug-in's resource section must hold: the four dialog templates with their
controls in tab order, the editor's menu, its icon and the seven bitmaps.

A control is (id, kind, text, (x, y, width, height) in dialog units). Kinds name the control as the dialog manager sees it (class plus type
bits): groupbox, ltext, autocheckbox, edit, pushbutton, defpushbutton, ownerdraw,
whiteframe, bitmap, dropdownlist.
"""

DEG = "\u00b0"
# WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME
MODAL = 0x80000000 | 0x00C00000 | 0x00080000 | 0x80

DIALOGS = {
    "TOVREX": {
        # WS_VISIBLE | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX
        "style": 0x10000000 | 0x80000000 | 0x00C00000 | 0x00080000 | 0x00020000,
        "rect": (3, 29, 341, 223),
        "font": (8, "Helv"),
        "class": "TOVREXWClass",
        "caption": "",
        "controls": [
            (104, "groupbox", "Oven Temperature Ramp", (6, 4, 329, 131)),
            (147, "autocheckbox", "&SB", (10, 40, 26, 8)), (149, "edit", "", (40, 40, 30, 12)),
            (108, "autocheckbox", "&1", (10, 55, 25, 10)), (110, "edit", "", (40, 55, 30, 12)),
            (109, "edit", "", (75, 55, 30, 12)), (111, "edit", "", (110, 55, 30, 12)),
            (112, "ltext", "Temp", (75, 20, 22, 8)), (113, "ltext", "Time", (40, 20, 23, 8)),
            (114, "ltext", "Rate", (110, 20, 25, 8)),
            (115, "autocheckbox", "&2", (10, 70, 25, 10)), (127, "edit", "", (40, 70, 30, 12)),
            (123, "edit", "", (75, 70, 30, 12)), (119, "edit", "", (110, 70, 30, 12)),
            (116, "autocheckbox", "&3", (10, 85, 25, 10)), (128, "edit", "", (40, 85, 30, 12)),
            (124, "edit", "", (75, 85, 30, 12)), (120, "edit", "", (110, 85, 30, 12)),
            (117, "autocheckbox", "&4", (10, 100, 25, 10)), (129, "edit", "", (40, 100, 30, 12)),
            (125, "edit", "", (75, 100, 30, 12)),
            (148, "autocheckbox", "&5", (10, 115, 26, 10)), (150, "edit", "", (40, 115, 30, 12)),
            (152, "autocheckbox", "&Dump Valve", (188, 145, 56, 12)),
            (133, "ltext", "&Zone 1", (259, 158, 36, 12)), (136, "edit", "", (299, 158, 19, 13)),
            (134, "ltext", "Z&one 2", (259, 172, 33, 12)), (138, "edit", "", (299, 172, 19, 13)),
            (135, "ltext", "Zo&ne 3", (259, 188, 31, 11)), (137, "edit", "", (299, 188, 19, 13)),
            (131, "groupbox", f"Zone Temperatures ({DEG}C)", (245, 140, 90, 65)),
            (139, "ltext", f"({DEG}C/Min)", (110, 30, 32, 8)),
            (140, "ltext", f"({DEG}C)", (75, 30, 27, 8)), (141, "ltext", "(Mins)", (40, 30, 28, 8)),
            (151, "bitmap", "", (5, 145, 15, 13)),
            (103, "ownerdraw", "", (320, 40, 12, 13)), (126, "ownerdraw", "", (320, 55, 12, 13)),
            (130, "ownerdraw", "", (320, 25, 12, 13)), (105, "whiteframe", "", (145, 25, 170, 105)),
        ],
    },
    "TARM_EVENTS": {
        "style": MODAL,
        "rect": (24, 44, 197, 83),
        "font": (8, "Helv"),
        "class": "",
        "caption": "TOVREX Valve Control",
        "controls": [
            (-1, "groupbox", "Valve Times (Mins)", (5, 10, 125, 65)),
            (1003, "ltext", "&Purge", (14, 28, 32, 12)), (120, "edit", "", (78, 28, 29, 12)),
            (121, "ltext", "&Split", (14, 42, 32, 12)), (122, "edit", "", (78, 42, 29, 12)),
            (1004, "ltext", "Secondary &Cool", (14, 56, 56, 12)),
            (124, "edit", "", (78, 56, 29, 12)),
            (117, "pushbutton", "OK", (139, 13, 50, 15)),
            (118, "pushbutton", "Cancel", (139, 31, 50, 15)),
        ],
    },
    "ULVO_CONFIGURATION": {
        "style": MODAL,
        "size": (181, 53),
        "font": (8, "MS Sans Serif"),
        "class": "",
        "caption": "ULVO Configuration",
        "controls": [
            (1, "defpushbutton", "OK", (129, 10, 40, 15)),
            (2, "pushbutton", "Cancel", (129, 27, 40, 14)),
            (-1, "ltext", "&Left Channel", (9, 10, 46, 10)),
            (1010, "dropdownlist", "", (65, 10, 48, 40)),
            (1012, "ltext", "&Right Channel", (9, 26, 50, 9)),
            (1011, "dropdownlist", "", (65, 26, 48, 39)),
        ],
    },
    "ULVO_CONTROL": {
        "style": MODAL,
        "size": (397, 163),
        "font": (8, "MS Sans Serif"),
        "class": "",
        "caption": "ULVO Control",
        "controls": [
            (1, "defpushbutton", "OK", (340, 14, 50, 14)),
            (2, "pushbutton", "Cancel", (340, 31, 50, 14)),
            (104, "groupbox", "ULVO Pressure Ramp", (10, 5, 321, 150)),
            (147, "ltext", "S&B", (15, 45, 18, 8)), (149, "edit", "", (75, 45, 30, 12)),
            (148, "ltext", "&SS", (15, 60, 18, 8)), (150, "edit", "", (75, 60, 30, 12)),
        ]
        + [  # a row every 15 units: its check box, time, value and (but for the last) the
            # rate after it
            c
            for y, (check, time, value, rate, label) in zip(range(75, 150, 15), [
                (108, 110, 109, 111, "&1"), (115, 127, 123, 119, "&2"),
                (116, 128, 124, 120, "&3"), (117, 129, 125, 121, "&4"),
                (157, 158, 159, None, "&5"),
            ])
            for c in [(check, "autocheckbox", label, (15, y, 23, 8)),
                      (time, "edit", "", (40, y, 30, 12)), (value, "edit", "", (75, y, 30, 12))]
            + ([(rate, "edit", "", (110, y, 30, 12))] if rate else [])
        ]
        + [
            (113, "ltext", "Time", (45, 20, 24, 8)), (141, "ltext", "(Mins)", (45, 30, 24, 8)),
            (112, "ltext", "Press", (75, 20, 28, 8)), (140, "ltext", "(kPa)", (75, 30, 23, 8)),
            (114, "ltext", "Rate", (105, 20, 32, 10)),
            (139, "ltext", "(kPa/Min)", (105, 30, 40, 8)),
            (103, "ownerdraw", "", (315, 55, 12, 13)), (126, "ownerdraw", "", (315, 75, 12, 13)),
            (130, "ownerdraw", "", (315, 35, 12, 13)), (105, "whiteframe", "", (150, 35, 160, 105)),
        ],
    },
}

MENU_NAME = "TOVREXMenu"
MENU = [
    ("popup", "&File", [("item", 200, "&New"), ("item", 201, "&Open..."), ("item", 202, "&Save"),
                        ("item", 203, "Save &As..."), ("item", 0, ""), ("item", 204, "E&xit")]),
    ("popup", "&Valves", [("item", 205, "&Valve Timetable...")]),
    ("popup", "&ULVO", [("item", 209, "&Left Channel..."), ("item", 208, "&Right Channel..."),
                        ("item", 0, ""), ("item", 210, "&Configuration...")]),
    ("popup", "&Help", [("item", 206, "&TOVREX...")]),
]

ICON_NAME = "TOVREXIcon"
ICON_SIZE, ICON_BITS = 32, 4

# name: (width, height); all 4 bits per pixel, uncompressed.
BITMAPS = {"Graphic": (256, 100), "UpArrow": (20, 20), "RightArrow": (20, 20),
           "Default": (20, 20), "UpArrowDps": (20, 20), "RightArrowDps": (20, 20),
           "DefaultDps": (20, 20)}
BITMAP_BITS = 4
