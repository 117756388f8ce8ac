// Identifiers of the program's resources, commands and controls.
#pragma once

// ---- Shared by the document template: menu, icon, toolbar, document string
#define IDR_MAINFRAME 128
// The English texts and ids of the main menu's commands
#define IDR_ENGLISH_MENU 129

// ---- Dialogs
#define IDD_ABOUTBOX 100
#define IDD_OPTIONS 130
#define IDD_PICTURE_MESSAGE 136
#define IDD_VERBS_LIST 144
#define IDD_PICTURE_THEME 179
#define IDD_USED_GROUPS 180
#define IDD_INPUT_STRING 181
#define IDD_GROUP_VERBS 182
#define IDD_LEARNING_OPTIONS 183
#define IDD_MISTAKES_REVIEW 184
#define IDD_STATISTICS 300

// ---- Bitmaps and cursors
#define IDB_SPLASH 102
#define IDB_BACKGROUND 133
#define IDB_READY 134
#define IDB_WRONG 137
#define IDB_CORRECT 142
#define IDB_NO_ATTEMPTS 143
#define IDB_ABOUT 152
#define IDB_TIME_OVER 162
#define IDB_SKIP 185
#define IDC_HAND_LINK 178
// The same pictures drawn at twice the size, for screens scaled above 100 %
#define IDB_TOOLBAR_LARGE 240
#define IDB_READY_LARGE 241
#define IDB_SKIP_LARGE 242
#define IDC_HAND_LINK_LARGE 243

// ---- Verb table resource (custom type "VRB") and the forms also accepted
// as answers (custom type "VRA")
#define IDR_VERB_TABLE 154
#define IDR_ALSO_ACCEPTED 155

// ---- Strings: bilingual pairs (Russian first unless noted)
#define IDS_TIME_OVER 129            // 129 ru / 130 en
#define IDS_READY 131                // 131 ru / 132 en
#define IDS_INFINITIVE 133           // 133 ru / 134 en
#define IDS_TRANSLATION 135          // 135 ru / 136 en
#define IDS_PAST_TENSE 137           // 137 ru / 138 en
#define IDS_PAST_PARTICIPLE 139      // 139 ru / 140 en
#define IDS_TITLE_RU_MESSAGE 141     // Russian caption of the picture message box
#define IDS_TEST_FINISHED 142        // 142 ru / 143 en
#define IDS_CORRECT_ANSWER 144       // 144 ru / 145 en
#define IDS_WRONG_ANSWER 146         // 146 ru / 147 en
#define IDS_NO_ATTEMPTS 148          // 148 ru / 149 en
#define IDS_TIME_LEFT 151            // 151 ru / 152 en
#define IDS_CURRENT_ATTEMPT 153      // 153 ru / 154 en
#define IDS_MAIN_TITLE 155           // 155 ru / 156 en
#define IDS_LIST_TITLE 157           // 157 ru / 158 en
#define IDS_RIGHT_ANSWER_CAPTION 160 // 160 ru / 161 en
#define IDS_ALL_VERBS 162            // 162 ru / 163 en
#define IDS_DELETE_GROUP 164         // 164 ru / 165 en
#define IDS_FORBIDDEN_CHARS_EN 166   // English; Russian is 173
#define IDS_GROUP_NAME 167           // 167 en / 168 ru
#define IDS_GROUP_EXISTS 169         // 169 en / 170 ru
#define IDS_STRING_TRIMMED 171       // 171 en / 172 ru
#define IDS_FORBIDDEN_CHARS_RU 173
#define IDS_TOO_FEW_VERBS 174        // 174 ru / 175 en
#define IDS_CANNOT_CREATE_FILE 181   // 181 en / 182 ru
#define IDS_FILE_CREATED 183         // 183 en / 184 ru
#define IDS_CANNOT_OPEN_FILE 185     // 185 en / 186 ru
#define IDS_SKIP 187                 // 187 ru / 188 en
#define IDS_FONT_NOT_SAVED 192       // 192 ru / 193 en
// Names a screen reader speaks for controls that show no text of their own
#define IDS_PICTURE_NAME 240         // 240 ru / 241 en: tiles uncovered of all
#define IDS_PROGRESS_NAME 242        // 242 ru / 243 en: questions finished of all
// The end of a test, its review of mistakes and the keyboard layout tip
#define IDS_TEST_RESULT 250          // 250 ru / 251 en: %1 right first time, %2 right later, %3 not right, %4 time
#define IDS_REVIEW_BUTTON 252        // 252 ru / 253 en
#define IDS_LAYOUT_TIP_TITLE 254     // 254 ru / 255 en
#define IDS_LAYOUT_TIP 256           // 256 ru / 257 en: %1 the text in the English layout
#define IDS_START_HINT 258           // 258 ru / 259 en: the empty main window
#define IDS_REVIEW_COLUMNS 260       // 260 ru / 261 en: the review's column titles, "|" between them
#define IDS_REVIEW_SKIPPED 262       // 262 ru / 263 en
#define IDS_REVIEW_MINUTES 264       // 264 ru / 265 en: %1 minutes %2 seconds
#define IDS_REVIEW_UNFINISHED 266    // 266 ru / 267 en: a question the test was stopped on
// The answer history and its statistics
#define IDS_HISTORY_WRITE_FAILED 300 // 300 ru / 301 en: %1 the file
#define IDS_HISTORY_DAMAGED 302      // 302 ru / 303 en: %1 lines skipped, %2 the file
#define IDS_HISTORY_UNREADABLE 304   // 304 ru / 305 en: %1 the file
#define IDS_STATS_EMPTY 306          // 306 ru / 307 en
#define IDS_STATS_TOTALS 308         // 308 ru / 309 en: %1 answers, %2 right
#define IDS_STATS_STREAK 310         // 310 ru / 311 en: %1 days
#define IDS_STATS_CHART_EMPTY 312    // 312 ru / 313 en: no answers in the chart's days
// Both languages in one text (shown before the language setting is read)
#define IDS_OLD_SETTINGS_UNREADABLE 190
#define IDS_OLD_SETTINGS_NOT_DELETED 191

// ---- Predefined verb groups (member lists)
#define IDS_GROUP_111 176
#define IDS_GROUP_112 177
#define IDS_GROUP_121 178
#define IDS_GROUP_122 179
#define IDS_GROUP_123 180

// ---- Commands: Russian and English identifier of each command (menu.rc
// pairs them). A command's handlers are mapped under its Russian id.
#define ID_OPTIONS_RU 32771
#define ID_TEST_START_RU 32772
#define ID_TEST_STOP_RU 32773
#define ID_OPTIONS_EN 32774
#define ID_TEST_START_EN 32775
#define ID_HELP_CONTENTS_RU 32778
#define ID_VERBS_LIST_RU 32779
#define ID_TEST_READY_RU 32780
#define ID_TEST_STOP_EN 32781
#define ID_HELP_LEARN_RU 32784
#define ID_HELP_TEST_RU 32785
#define ID_HELP_OPTIONS_RU 32786
#define ID_HELP_CONTENTS_EN 32787
#define ID_VERBS_LIST_EN 32788
#define ID_TEST_READY_EN 32789
#define ID_HELP_LEARN_EN 32790
#define ID_HELP_TEST_EN 32791
#define ID_HELP_OPTIONS_EN 32792
#define ID_FONT_RU 32793
#define ID_FONT_EN 32794
#define ID_THEME_RU 32795
#define ID_THEME_EN 32796
#define ID_USED_GROUPS_RU 32797
#define ID_USED_GROUPS_EN 32798
#define ID_TEST_SKIP_EN 32799
#define ID_TEST_SKIP_RU 32801
#define ID_LEARNING_OPTIONS_RU 32802
#define ID_LEARNING_OPTIONS_EN 32803
#define ID_TEST_DRILL_RU 32804
#define ID_TEST_DRILL_EN 32805
// Opens the review of the last test's mistakes (a button, no menu item)
#define ID_TEST_REVIEW 32806
// The statistics of the answer history
#define ID_STATISTICS_RU 32810
#define ID_STATISTICS_EN 32811
#define ID_APP_ABOUT_RU 57664
#define ID_APP_EXIT_RU 57665
#define ID_APP_ABOUT_EN 57666
#define ID_APP_EXIT_EN 57667

// ---- Framework strings
#define IDS_APP_TITLE 57344          // application title, caption of message boxes
#define IDS_IDLE_MESSAGE 57345       // status bar idle text
#define IDS_FAILED_TO_CREATE_DOC 61700 // the main window could not be made
#define ID_INDICATOR_CAPS 59137
#define ID_INDICATOR_NUM 59138
#define ID_INDICATOR_SCRL 59139

// ---- Controls of the options dialog (130)
#define IDC_SHOW_TRANSLATE 1000
#define IDC_MUST_LIMIT_TIME 1001
#define IDC_LIMIT_TIME 1002
#define IDC_LIMIT_TIME_SPIN 1003
#define IDC_SHOW_RIGHT_ANSWER 1004
#define IDC_LANGUAGE_RUSSIAN 1005
#define IDC_LANGUAGE_ENGLISH 1006
#define IDC_MINUTES_LABEL 1007
#define IDC_LANGUAGE_BOX 1008
#define IDC_NUM_WORDS_LABEL 1009
#define IDC_NUM_WORDS 1010
#define IDC_NUM_WORDS_SPIN 1011
#define IDC_ONLY_ONE_FORM 1012
#define IDC_FORM_PAST 1013
#define IDC_FORM_BOX 1014
#define IDC_FORM_PARTICIPLE 1015
#define IDC_FORM_RANDOM 1016
#define IDC_MAX_ATTEMPT 1017
#define IDC_MAX_ATTEMPT_SPIN 1018
#define IDC_GENERAL_BOX 1023
#define IDC_LIMIT_BOX 1024
#define IDC_MAX_ATTEMPT_LABEL 1025

// ---- Controls of the learning options dialog (183)
#define IDC_CYRILLIC_AS_ENGLISH 1050
#define IDC_WEAK_VERBS_FIRST 1051
#define IDC_CYRILLIC_AS_ENGLISH_NOTE 1055
#define IDC_WEAK_VERBS_FIRST_NOTE 1056

// ---- Controls of the review of mistakes (184)
#define IDC_REVIEW_LIST 1052
#define IDC_REVIEW_SUMMARY 1053
#define IDC_DRILL 1054

// ---- Controls of the group dialogs (180, 181, 182)
#define IDC_INPUT_TEXT 182
#define IDC_INPUT_PROMPT 183
#define IDC_CHECK_LIST 1035
#define IDC_NEW_GROUP 1036
#define IDC_EDIT_GROUP 1037
#define IDC_DELETE_GROUP 1038
#define IDC_TOTAL_LABEL 1039
#define IDC_TOTAL 1040
#define IDC_CHECK_ALL 1041
#define IDC_UNCHECK_ALL 1042
#define IDC_GROUP_LABEL 1043

// ---- Controls of the about box (100)
#define IDC_ABOUT_LINK 1031
#define IDC_ABOUT_DESCRIPTION 1044
#define IDC_ABOUT_VERSION 1045
#define IDC_ABOUT_NEWEST 1046

// ---- Controls of the result message box (136)
#define IDC_MESSAGE_TEXT 1016
#define IDC_MESSAGE_PICTURE 1017

// ---- Controls of the verbs list (144)
#define IDC_EXPORT 145
#define IDC_VERB_LIST 1019
#define IDC_GROUP_TABS 1047

// ---- Controls of the picture theme dialog (179)
#define IDC_THEME_LIST 1034

// ---- Controls of the statistics dialog (300)
#define IDC_STATS_SUMMARY 1200
#define IDC_STATS_CHART 1201
#define IDC_STATS_30_DAYS 1202
#define IDC_STATS_90_DAYS 1203
#define IDC_STATS_GROUPS 1204
#define IDC_STATS_WEAKEST 1205
#define IDC_STATS_EXPORT_HISTORY 1206
#define IDC_STATS_EXPORT_SUMMARY 1207
#define IDC_STATS_CHART_BOX 1208
#define IDC_STATS_GROUPS_LABEL 1209
#define IDC_STATS_WEAKEST_LABEL 1210
