// Identifiers of every resource and menu command. Plain #defines, since the resource compiler
// sees only preprocessor macros. Each group keeps to its own range.
#pragma once

// Images: the program icon, and the cursor shown over the text window's left margin.
#define IDI_KESTREL 110
#define IDI_MARGIN_CURSOR 32127

// Menus and accelerator tables.
#define IDR_MAIN_MENU 111
#define IDR_ACCELERATORS 112

// Dialogs.
#define IDD_FIND 101
#define IDD_GOTO_LINE 102
#define IDD_SPECIAL_CHAR 104
#define IDD_REPLACE 106

// Controls.
#define IDC_STATIC (-1)
#define IDC_SPECIAL_LIST 113
#define IDC_LINE_NUMBER 115
#define IDC_MATCH_CASE 120
#define IDC_FIND_TEXT 122
#define IDC_REPLACE_TEXT 123
#define IDC_REPLACE 124
#define IDC_REPLACE_ALL 125
#define IDC_DIRECTION_DOWN 126
#define IDC_DIRECTION_UP 127

// Commands that no menu item carries: the key recorder posts this one to the main window when
// its table is accepted.
#define IDM_STORE_KEY_TABLE 1011

// Menu commands.
#define IDM_SETTINGS 40001
#define IDM_OPEN 40002
#define IDM_SAVE 40003
#define IDM_SAVE_AS 40004
#define IDM_FILE_INFO 40005
#define IDM_PRINT 40006
#define IDM_PRINT_BLOCK 40007
#define IDM_EXIT 40008
#define IDM_CUT 40009
#define IDM_COPY 40010
#define IDM_PASTE 40011
#define IDM_READ_BLOCK 40012
#define IDM_WRITE_BLOCK 40014
#define IDM_DELETE_BLOCK 40015
#define IDM_RESTORE_LINE 40016
#define IDM_GET_SPECIAL 40017
#define IDM_WRITE_SPECIAL 40018
#define IDM_FIND 40019
#define IDM_FIND_NEXT 40020
#define IDM_GOTO_LINE 40021
#define IDM_TOGGLE_WINDOW_SIZE 40027
#define IDM_FONT 40028
#define IDM_PRINTER_FONT 40029
#define IDM_PAGE_SETUP 40030
#define IDM_ABOUT 40031
#define IDM_TEXT_COLOURS 40032
#define IDM_NEW 40033
#define IDM_INSERT_DATE 40038
#define IDM_KEYS 40039
#define IDM_SELECTED_COLOURS 40040
#define IDM_CHECK_UPDATES 40041
#define IDM_UNDO 40043
#define IDM_REDO 40044
#define IDM_REPLACE 40045

// Option dialogs.
#define IDD_FILE_INFO 103
#define IDD_PAGE_SETUP 105
#define IDD_SETTINGS 107
#define IDD_COLOURS 28322

// Controls of the option dialogs.
#define IDC_TAB_SIZE 114
#define IDC_WHEEL_LINES 115
#define IDC_LINE_LENGTH 116
#define IDC_TOP_MARGIN 114
#define IDC_LEFT_MARGIN 116
#define IDC_PAGE_NUMBERS 121
#define IDC_READ_ONLY 128
#define IDC_REMOVE_SPACES 129
#define IDC_AUTO_INDENT 130
#define IDC_UNIX_MODE 131
#define IDC_UPDATE_HEADER 132
#define IDC_HORIZONTAL_BAR 133
#define IDC_NO_BAK 134
#define IDC_BAK_FILE 135
#define IDC_TILDE_FILE 136
#define IDC_ISO_DATE 137
#define IDC_FOREGROUND 28323
#define IDC_BACKGROUND 28324
