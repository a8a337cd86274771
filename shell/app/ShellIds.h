#pragma once
// Identifiers shared by the screens and the programs' resources: dialogs, controls, commands,
// bitmaps and icons that are the same in every edition.

enum : int {
    // Dialogs.
    IDD_ABOUT = 129,
    IDD_MAIN_SCREEN = 102,
    IDD_PHRASE_BROWSER = 131,
    IDD_SEARCH = 137,
    IDD_TIP = 138,
    IDD_RELATED = 140,

    // Commands.
    ID_ABOUT = 32772,
    ID_SEARCH = 32773,
    ID_ADD_FAVORITE = 32774,
    ID_DELETE_FAVORITE = 32776,
    ID_TIP = 32781,
    ID_RELATED = 32783,
    ID_HELP = 57670,

    // Toolbars (each shows the bitmap of the same number).
    IDR_MAIN_TOOLBAR = 129,
    IDR_NORMAL_TOOLBAR = 133,
    IDR_FAVORITES_TOOLBAR = 135,

    // Bitmaps and icons.
    IDB_SPEAKER = 143,
    IDB_CATEGORY_PORTRAIT = 145,
    IDB_LOGO = 147,
    IDB_CATEGORY_SQUARE = 171,
    IDB_CATEGORY_LANDSCAPE = 172,
    IDI_PROGRAM = 128,
    IDI_TIP = 139,

    // Controls.
    IDC_SEARCH_TEXT = 1000,
    IDC_EXACT_MATCH = 1001,
    IDC_TIP_PICTURE = 1002,
    IDC_SUB_CATEGORY = 1003,
    IDC_TIP_TEXT = 1003,
    IDC_PHRASE_LIST = 1004,
    IDC_PHONETIC_LINE = 1006,
    IDC_RELATED_SOURCE_TEXT = 1008,
    IDC_TRANSLATION_BOX = 1012,
    IDC_SCRIPT_TOGGLE = 1014,
    IDC_ABOUT_LOGO = 1015,
    IDC_CATEGORY_PICTURE = 1016,
    IDC_SUB_CATEGORY_LABEL = 1017,
    IDC_FRAME_OR_GROUP_A = 1018,   // browser frame; related frame or (Korean) group box
    IDC_RELATED_LABEL = 1019,
    IDC_FRAME_OR_GROUP_B = 1020,   // Korean browser frame; related group box or (Korean) frame
    IDC_VALUE_PICKER = 6767,
    IDC_HTML_VIEWER = 12321,
};

// Command bars are created with the standard toolbar id.
enum : int { kCommandBarId = 59392 };
