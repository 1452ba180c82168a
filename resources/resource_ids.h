// The numbers of the program's resources and commands.
#pragma once

// Strings.
#define IDS_APP_TITLE 103
#define IDS_EXIT 40003
#define IDS_MENU 40006
#define IDS_DONE 40010
#define IDS_CANCEL 40021

// Menus and soft-key bars (a menu and a bar record share each id).
#define IDR_MAIN_MENU 105
#define IDR_NEWGAME_MENU 111
#define IDR_DONE_MENU 117

// Dialogs.
#define IDD_ABOUT 108
#define IDD_NEW_GAME 110
#define IDD_HELP 116

// Bitmaps and the program icon.
#define IDB_ABOUT_LOGO 106
#define IDI_TALVEX_GO 115

// Controls of the New Game dialog.
#define IDC_SIDE_LIST 1000
#define IDC_SIDE_SPIN 1003

// Commands.
#define IDM_EXIT 40001
#define IDM_MENU 40004
#define IDM_ABOUT 40007
#define IDM_DONE 40014
#define IDM_PASS 40016
#define IDM_NEWGAME_DONE 40017
#define IDM_NEWGAME_CANCEL 40019
#define IDM_NEW_GAME 40022
#define IDM_HELP 40026
