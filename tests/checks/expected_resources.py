"""What the plug-in's resource section must hold: the four dialog templates with their
controls in tab order, the editor's menu, its icon and the seven bitmaps.

Control kinds name the control as the dialog manager sees it (class plus type bits):
groupbox, ltext, autocheckbox, edit, pushbutton, defpushbutton, ownerdraw, whiteframe,
bitmap, dropdownlist.
"""

DEG = "\u00b0"

WS_POPUP = 0x80000000
WS_VISIBLE = 0x10000000
WS_CAPTION = 0x00C00000
WS_SYSMENU = 0x00080000
WS_MINIMIZEBOX = 0x00020000
DS_MODALFRAME = 0x80

MODAL = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME

DIALOGS = {
    "TOVREX": {
        "style": WS_VISIBLE | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
        "rect": (3, 29, 341, 223),
        "font": (8, "Helv"),
        "class": "TOVREXWClass",
        "caption": "",
        "controls": [
            (104, "groupbox", "Oven Temperature Ramp"),
            (147, "autocheckbox", "&SB"),
            (149, "edit", ""),
            (108, "autocheckbox", "&1"),
            (110, "edit", ""),
            (109, "edit", ""),
            (111, "edit", ""),
            (112, "ltext", "Temp"),
            (113, "ltext", "Time"),
            (114, "ltext", "Rate"),
            (115, "autocheckbox", "&2"),
            (127, "edit", ""),
            (123, "edit", ""),
            (119, "edit", ""),
            (116, "autocheckbox", "&3"),
            (128, "edit", ""),
            (124, "edit", ""),
            (120, "edit", ""),
            (117, "autocheckbox", "&4"),
            (129, "edit", ""),
            (125, "edit", ""),
            (148, "autocheckbox", "&5"),
            (150, "edit", ""),
            (152, "autocheckbox", "&Dump Valve"),
            (133, "ltext", "&Zone 1"),
            (136, "edit", ""),
            (134, "ltext", "Z&one 2"),
            (138, "edit", ""),
            (135, "ltext", "Zo&ne 3"),
            (137, "edit", ""),
            (131, "groupbox", f"Zone Temperatures ({DEG}C)"),
            (139, "ltext", f"({DEG}C/Min)"),
            (140, "ltext", f"({DEG}C)"),
            (141, "ltext", "(Mins)"),
            (151, "bitmap", ""),
            (103, "ownerdraw", ""),
            (126, "ownerdraw", ""),
            (130, "ownerdraw", ""),
            (105, "whiteframe", ""),
        ],
    },
    "TARM_EVENTS": {
        "style": MODAL,
        "rect": (24, 44, 197, 83),
        "font": (8, "Helv"),
        "class": "",
        "caption": "TOVREX Valve Control",
        "controls": [
            (-1, "groupbox", "Valve Times (Mins)"),
            (1003, "ltext", "&Purge"),
            (120, "edit", ""),
            (121, "ltext", "&Split"),
            (122, "edit", ""),
            (1004, "ltext", "Secondary &Cool"),
            (124, "edit", ""),
            (117, "pushbutton", "OK"),
            (118, "pushbutton", "Cancel"),
        ],
    },
    "ULVO_CONFIGURATION": {
        "style": MODAL,
        "size": (181, 53),
        "font": (8, "MS Sans Serif"),
        "class": "",
        "caption": "ULVO Configuration",
        "controls": [
            (1, "defpushbutton", "OK"),
            (2, "pushbutton", "Cancel"),
            (-1, "ltext", "&Left Channel"),
            (1010, "dropdownlist", ""),
            (1012, "ltext", "&Right Channel"),
            (1011, "dropdownlist", ""),
        ],
    },
    "ULVO_CONTROL": {
        "style": MODAL,
        "size": (397, 163),
        "font": (8, "MS Sans Serif"),
        "class": "",
        "caption": "ULVO Control",
        "controls": [
            (1, "defpushbutton", "OK"),
            (2, "pushbutton", "Cancel"),
            (104, "groupbox", "ULVO Pressure Ramp"),
            (147, "ltext", "S&B"),
            (149, "edit", ""),
            (148, "ltext", "&SS"),
            (150, "edit", ""),
        ]
        + [
            c
            for check, time, value, rate, label in [
                (108, 110, 109, 111, "&1"),
                (115, 127, 123, 119, "&2"),
                (116, 128, 124, 120, "&3"),
                (117, 129, 125, 121, "&4"),
                (157, 158, 159, None, "&5"),
            ]
            for c in [(check, "autocheckbox", label), (time, "edit", ""), (value, "edit", "")]
            + ([(rate, "edit", "")] if rate else [])
        ]
        + [
            (113, "ltext", "Time"),
            (141, "ltext", "(Mins)"),
            (112, "ltext", "Press"),
            (140, "ltext", "(kPa)"),
            (114, "ltext", "Rate"),
            (139, "ltext", "(kPa/Min)"),
            (103, "ownerdraw", ""),
            (126, "ownerdraw", ""),
            (130, "ownerdraw", ""),
            (105, "whiteframe", ""),
        ],
    },
}

MENU_NAME = "TOVREXMenu"
MENU = [
    ("popup", "&File", [
        ("item", 200, "&New"),
        ("item", 201, "&Open..."),
        ("item", 202, "&Save"),
        ("item", 203, "Save &As..."),
        ("item", 0, ""),
        ("item", 204, "E&xit"),
    ]),
    ("popup", "&Valves", [
        ("item", 205, "&Valve Timetable..."),
    ]),
    ("popup", "&ULVO", [
        ("item", 209, "&Left Channel..."),
        ("item", 208, "&Right Channel..."),
        ("item", 0, ""),
        ("item", 210, "&Configuration..."),
    ]),
    ("popup", "&Help", [
        ("item", 206, "&TOVREX..."),
    ]),
]

ICON_NAME = "TOVREXIcon"
ICON_SIZE, ICON_BITS = 32, 4

# name: (width, height); all 4 bits per pixel.
BITMAPS = {
    "Graphic": (256, 100),
    "UpArrow": (20, 20),
    "RightArrow": (20, 20),
    "Default": (20, 20),
    "UpArrowDps": (20, 20),
    "RightArrowDps": (20, 20),
    "DefaultDps": (20, 20),
}
BITMAP_BITS = 4
