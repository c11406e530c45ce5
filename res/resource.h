// Resource identifiers of Tav, shared by the program's C++ code and tav.rc.
// Plain numbers only: the resource compiler reads this file too.
#ifndef TAV_RES_RESOURCE_H
#define TAV_RES_RESOURCE_H

// Main frame: menu, accelerators, frame icon and toolbar share this id, and
// the document template and the frame are created with it.
#define IDR_MAINFRAME 130
// Notification-area icon menu; also the icon's id with the shell.
#define IDR_TRAYMENU 132

// Resource type of a toolbar button layout (WORD version, width, height,
// count, then one command id per button, 0 for a separator).
#define TOOLBAR_RESOURCE_TYPE 241

// Dialog templates.
#define IDD_ABOUT_APPLICATION 102
#define IDD_WORDBAR 103
#define IDD_ADDMOD 141
#define IDD_ABOUT_SYSTEM 142

// Icons. The frame and the notification area use IDR_MAINFRAME.
#define IDI_ABOUT 135
#define IDI_WORD 136
// Notification-icon animation frames, loaded as the range first..last.
#define IDI_ANIM_FIRST 190
#define IDI_ANIM0 190
#define IDI_ANIM1 191
#define IDI_ANIM2 192
#define IDI_ANIM3 193
#define IDI_ANIM4 194
#define IDI_ANIM5 195
#define IDI_ANIM6 196
#define IDI_ANIM7 197
#define IDI_ANIM_LAST 197

// Toolbar images: 18 x 18 each, normal and disabled state.
#define IDB_TOOLBAR 137
#define IDB_TOOLBAR_DISABLED 138

// Pointing hand shown over link controls (winuser.h owns the name IDC_HAND).
#define IDC_LINK_HAND 147

// Controls. Labels that are never addressed use IDC_STATIC.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
// Word bar (IDD_WORDBAR).
#define IDC_WORDBOX 1000
// Add/modify word dialog (IDD_ADDMOD).
#define IDC_WORD 1001
#define IDC_WORD_LABEL 1002
#define IDC_TRANSLATIONS_LABEL 1003
#define IDC_TRANSLATIONS 1004
// About sheet, Application page (IDD_ABOUT_APPLICATION).
#define IDC_VERSION 1003
#define IDC_CONTACT_LINK 1005
#define IDC_WEBSITE_LINK 1006
// About sheet, System page (IDD_ABOUT_SYSTEM).
#define IDC_ADVANCED 1004
#define IDC_USER_NAME 1007
#define IDC_CPU_SPEED 1008
#define IDC_PHYSICAL_MEMORY 1009
#define IDC_CPU_IDENTIFIER 1010
#define IDC_CPU_NAME 1011

// The program's own commands.
#define ID_UNLOCK_DELETE 32771
#define ID_ENGLISH_ROMANIAN 32772
#define ID_ROMANIAN_ENGLISH 32773
#define ID_WORD_ADD 32774
#define ID_WORD_MODIFY 32775
#define ID_WORD_DELETE 32776
#define ID_VIEW_BOX_WORD 32777
#define ID_VIEW_ALWAYS_ON_TOP 32778
#define ID_OPTIONS_HIDE_WHEN_MINIMIZED 32779
#define ID_OPTIONS_HIDE_WHEN_CLOSE 32780
#define ID_ESCAPE_RESET_WORD 32781
#define ID_ESCAPE_MINIMIZE 32782
#define ID_ESCAPE_CLOSE 32783
#define ID_OPTIONS_START_WITH_WINDOWS 32784
#define ID_HELP_CONTENTS 32785
#define ID_ABOUT_APPLICATION 32786
#define ID_ABOUT_SYSTEM 32787
#define ID_HELP_UPDATE 32788
#define ID_ESCAPE 32789
#define ID_OPTIONS_LOOKUP_KEY 32800
#define ID_FILE_IMPORT 32801
// The text's size and the look (View menu).
#define ID_VIEW_TEXT_LARGER 32840
#define ID_VIEW_TEXT_SMALLER 32841
#define ID_VIEW_TEXT_NORMAL 32842
#define ID_VIEW_LOOK_LIGHT 32843
#define ID_VIEW_LOOK_DARK 32844
#define ID_VIEW_LOOK_WINDOWS 32845
#define ID_HISTORY_BACK 32820
#define ID_HISTORY_FORWARD 32821
#define ID_OPTIONS_CLEAR_HISTORY 32822

// The framework's standard ids that the program uses. framework/AfxRes.h
// names some of them too: each is defined only once, and spelled exactly as
// there, so the two headers can be included together in either order.
#ifndef ID_FILE_NEW
#define ID_FILE_NEW 0xE100  // 57600
#endif
#ifndef ID_FILE_OPEN
#define ID_FILE_OPEN 0xE101  // 57601
#endif
#ifndef ID_FILE_SAVE
#define ID_FILE_SAVE 0xE103  // 57603
#endif
#ifndef ID_EDIT_COPY
#define ID_EDIT_COPY 0xE122  // 57634
#endif
#ifndef ID_EDIT_CUT
#define ID_EDIT_CUT 0xE123  // 57635
#endif
#ifndef ID_EDIT_PASTE
#define ID_EDIT_PASTE 0xE125  // 57637
#endif
#ifndef ID_EDIT_SELECT_ALL
#define ID_EDIT_SELECT_ALL 0xE12A  // 57642
#endif
#ifndef ID_EDIT_UNDO
#define ID_EDIT_UNDO 0xE12B  // 57643
#endif
#ifndef ID_APP_EXIT
#define ID_APP_EXIT 0xE141  // 57665
#endif
#ifndef ID_NEXT_PANE
#define ID_NEXT_PANE 0xE150  // 57680
#endif
#ifndef ID_PREV_PANE
#define ID_PREV_PANE 0xE151  // 57681
#endif
#ifndef ID_VIEW_TOOLBAR
#define ID_VIEW_TOOLBAR 0xE800  // 59392
#endif
#ifndef ID_VIEW_STATUS_BAR
#define ID_VIEW_STATUS_BAR 0xE801  // 59393
#endif

// Status-bar indicators; their strings are the texts shown in the panes.
#ifndef ID_INDICATOR_CAPS
#define ID_INDICATOR_CAPS 0xE701  // 59137
#endif
#ifndef ID_INDICATOR_NUM
#define ID_INDICATOR_NUM 0xE702  // 59138
#endif
#ifndef ID_INDICATOR_SCRL
#define ID_INDICATOR_SCRL 0xE703  // 59139
#endif

// The framework's application title and idle status-bar text.
#ifndef AFX_IDS_APP_TITLE
#define AFX_IDS_APP_TITLE 0xE000  // 57344
#endif
#ifndef AFX_IDS_IDLEMESSAGE
#define AFX_IDS_IDLEMESSAGE 0xE001  // 57345
#endif

// The system menu's restore command (SC_RESTORE), which the tray icon sends.
#define ID_RESTORE 61202

// The program's own strings.
#define IDS_ENGLISH_UPDATED 61446
#define IDS_ROMANIAN_UPDATED 61447

#endif  // TAV_RES_RESOURCE_H
