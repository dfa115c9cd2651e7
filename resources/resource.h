// Resource identifiers shared by the .rc scripts and the code. Each dialog has its own number
// range for its controls, so that an ID tells where it lives.
#pragma once

#define IDI_VISTREL 1
#define IDI_TRAY 2
// The screen saver manager's icon: in Nappo.exe, and in the clock for the About window.
#define IDI_NAPPO 3

// The About window (controls 1100-1199).
#define IDD_ABOUT 100
#define IDC_ABOUT_ICON 1101
#define IDC_ABOUT_VERSION 1102
#define IDC_ABOUT_NAPPO_ICON 1103
#define IDC_ABOUT_NAPPO 1104
#define IDC_ABOUT_HOMEPAGE 1105
#define IDC_ABOUT_LINK 1106

// The style picker (controls 1200-1299). Its help button is IDCANCEL: Escape presses it.
#define IDD_LOAD_STYLE 200
#define IDC_LOAD_STYLE_PLACE 1201
#define IDC_LOAD_STYLE_PATH 1202
#define IDC_LOAD_STYLE_LIST 1203
#define IDC_LOAD_STYLE_FOLDER 1204
#define IDC_LOAD_STYLE_CANCEL 1205

// The options dialog: the frame and its eleven pages, page p being IDD_OPTION_PAGE0 + p. The
// controls' numbers are in clock/options/option_ids.h (the templates read them as
// option_ids.rh, written from that header by the build).
#define IDD_OPTION 300
#define IDD_OPTION_PAGE0 310
#define IDD_OPTION_PAGE1 311
#define IDD_OPTION_PAGE2 312
#define IDD_OPTION_PAGE3 313
#define IDD_OPTION_PAGE4 314
#define IDD_OPTION_PAGE5 315
#define IDD_OPTION_PAGE6 316
#define IDD_OPTION_PAGE7 317
#define IDD_OPTION_PAGE8 318
#define IDD_OPTION_PAGE9 319
#define IDD_OPTION_PAGE10 320

// The alarm list editor (controls 1400-1499; a spin edit's up-down is its edit + 50).
#define IDD_ALARM_VIEW 400
