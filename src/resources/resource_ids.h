/* Resource names and the fixed numeric ids of the plug-in's dialogs and menu.
   Included by the resource script and by C++; #defines only, so windres reads it too.
   The ids are the instrument software's own; several dialogs reuse a number for
   different controls, so every name says which dialog it belongs to. */
#pragma once

/* ---- Named resources ------------------------------------------------------- */
#define TOVREX_DIALOG "TOVREX"
#define TOVREX_MENU "TOVREXMenu"
#define TOVREX_ICON "TOVREXIcon"
#define TOVREX_CLASS "TOVREXWClass"
#define VALVE_DIALOG "TARM_EVENTS"
#define ULVO_CONFIG_DIALOG "ULVO_CONFIGURATION"
#define ULVO_CONTROL_DIALOG "ULVO_CONTROL"
#define BMP_GRAPHIC "Graphic"
#define BMP_UP_ARROW "UpArrow"
#define BMP_RIGHT_ARROW "RightArrow"
#define BMP_DEFAULT "Default"
#define BMP_UP_ARROW_DPS "UpArrowDps"
#define BMP_RIGHT_ARROW_DPS "RightArrowDps"
#define BMP_DEFAULT_DPS "DefaultDps"

/* ---- Dialog manager commands ------------------------------------------------ */
#define CMD_ENTER 1  /* the dialog manager's command for the Enter key */
#define CMD_ESCAPE 2 /* and for Escape */

/* ---- Menu commands (TOVREXMenu) -------------------------------------------- */
#define IDM_FILE_NEW 200
#define IDM_FILE_OPEN 201
#define IDM_FILE_SAVE 202
#define IDM_FILE_SAVE_AS 203
#define IDM_FILE_EXIT 204
#define IDM_VALVE_TIMETABLE 205
#define IDM_HELP_TOVREX 206
#define IDM_ULVO_RIGHT 208
#define IDM_ULVO_LEFT 209
#define IDM_ULVO_CONFIGURATION 210
#define MENU_POS_ULVO 2 /* position of the "&ULVO" pop-up on the menu bar */

/* ---- Editor dialog "TOVREX" ------------------------------------------------- */
#define IDC_OVEN_GROUP 104
#define IDC_OVEN_TIME_HEAD 113
#define IDC_OVEN_TIME_UNIT 141
#define IDC_OVEN_TEMP_HEAD 112
#define IDC_OVEN_TEMP_UNIT 140
#define IDC_OVEN_RATE_HEAD 114
#define IDC_OVEN_RATE_UNIT 139
#define IDC_STANDBY_CHECK 147
#define IDC_STANDBY_TIME 149
#define IDC_ROW1_CHECK 108
#define IDC_ROW1_TIME 110
#define IDC_ROW1_TEMP 109
#define IDC_ROW1_RATE 111
#define IDC_ROW2_CHECK 115
#define IDC_ROW2_TIME 127
#define IDC_ROW2_TEMP 123
#define IDC_ROW2_RATE 119
#define IDC_ROW3_CHECK 116
#define IDC_ROW3_TIME 128
#define IDC_ROW3_TEMP 124
#define IDC_ROW3_RATE 120
#define IDC_ROW4_CHECK 117
#define IDC_ROW4_TIME 129
#define IDC_ROW4_TEMP 125
#define IDC_TIME5_CHECK 148
#define IDC_TIME5 150
#define IDC_GRAPH_FRAME 105
#define IDC_BUTTON_DEFAULT 130
#define IDC_BUTTON_UP 103
#define IDC_BUTTON_RIGHT 126
#define IDC_LEGEND 151
#define IDC_DUMP_VALVE 152
#define IDC_ZONE_GROUP 131
#define IDC_ZONE1_LABEL 133
#define IDC_ZONE1_TEMP 136
#define IDC_ZONE2_LABEL 134
#define IDC_ZONE2_TEMP 138
#define IDC_ZONE3_LABEL 135
#define IDC_ZONE3_TEMP 137

/* ---- Valve timetable "TARM_EVENTS" ------------------------------------------ */
#define IDC_VALVE_PURGE_LABEL 1003
#define IDC_VALVE_PURGE 120
#define IDC_VALVE_SPLIT_LABEL 121
#define IDC_VALVE_SPLIT 122
#define IDC_VALVE_COOL_LABEL 1004
#define IDC_VALVE_COOL 124
#define IDC_VALVE_OK 117
#define IDC_VALVE_CANCEL 118

/* ---- ULVO configuration "ULVO_CONFIGURATION" ---------------------------------- */
#define IDC_ULVO_LEFT_MODE 1010
#define IDC_ULVO_RIGHT_MODE 1011
#define IDC_ULVO_RIGHT_LABEL 1012

/* ---- ULVO channel control "ULVO_CONTROL" ------------------------------------- */
#define IDC_ULVO_GROUP 104
#define IDC_ULVO_STANDBY_LABEL 147
#define IDC_ULVO_STANDBY 149
#define IDC_ULVO_SAMPLE_LABEL 148
#define IDC_ULVO_SAMPLE 150
#define IDC_ULVO_ROW1_CHECK 108
#define IDC_ULVO_ROW1_TIME 110
#define IDC_ULVO_ROW1_VALUE 109
#define IDC_ULVO_ROW1_RATE 111
#define IDC_ULVO_ROW2_CHECK 115
#define IDC_ULVO_ROW2_TIME 127
#define IDC_ULVO_ROW2_VALUE 123
#define IDC_ULVO_ROW2_RATE 119
#define IDC_ULVO_ROW3_CHECK 116
#define IDC_ULVO_ROW3_TIME 128
#define IDC_ULVO_ROW3_VALUE 124
#define IDC_ULVO_ROW3_RATE 120
#define IDC_ULVO_ROW4_CHECK 117
#define IDC_ULVO_ROW4_TIME 129
#define IDC_ULVO_ROW4_VALUE 125
#define IDC_ULVO_ROW4_RATE 121
#define IDC_ULVO_ROW5_CHECK 157
#define IDC_ULVO_ROW5_TIME 158
#define IDC_ULVO_ROW5_VALUE 159
#define IDC_ULVO_TIME_HEAD 113
#define IDC_ULVO_TIME_UNIT 141
#define IDC_ULVO_VALUE_HEAD 112
#define IDC_ULVO_VALUE_UNIT 140
#define IDC_ULVO_RATE_HEAD 114
#define IDC_ULVO_RATE_UNIT 139
#define IDC_ULVO_BUTTON_UP 103
#define IDC_ULVO_BUTTON_RIGHT 126
#define IDC_ULVO_BUTTON_DEFAULT 130
#define IDC_ULVO_GRAPH_FRAME 105
