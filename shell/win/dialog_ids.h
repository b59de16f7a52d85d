// The control ids of the project dialog (resource 102) and the parameter
// dialog (resource 103), shared by voktavir.rc and the dialog procedures.
// Plain #defines: the resource compiler reads this file too.
#ifndef VOK_SHELL_WIN_DIALOG_IDS_H
#define VOK_SHELL_WIN_DIALOG_IDS_H

#define PROJECT_DLG 102
#define PARAM_DLG 103

// Project dialog.
#define PD_NAME 1055        // project name combo box
#define PD_NAME_LABEL 1007
#define PD_DEF_LABEL 1032   // over the definition lines
#define PD_MODE_LABEL 1069  // over the folder-mode and kind buttons
#define PD_PAGE_LABEL 1012  // the slots of the page shown
#define PD_DEF0 1025        // definition lines 0-6: 1025-1031, line 7: 1057
#define PD_DEF1 1026
#define PD_DEF2 1027
#define PD_DEF3 1028
#define PD_DEF4 1029
#define PD_DEF5 1030
#define PD_DEF6 1031
#define PD_DEF7 1057
#define PD_SLOT0 1013       // slot row fields, rows 0-9
#define PD_SLOT1 1002
#define PD_SLOT2 1005
#define PD_SLOT3 1016
#define PD_SLOT4 1017
#define PD_SLOT5 1018
#define PD_SLOT6 1019
#define PD_SLOT7 1020
#define PD_SLOT8 1021
#define PD_SLOT9 1022
#define PD_BROWSE0 1023     // slot row browse buttons, rows 0-9
#define PD_BROWSE1 1054
#define PD_BROWSE2 1037
#define PD_BROWSE3 1039
#define PD_BROWSE4 1041
#define PD_BROWSE5 1043
#define PD_BROWSE6 1045
#define PD_BROWSE7 1047
#define PD_BROWSE8 1049
#define PD_BROWSE9 1051
#define PD_DELSLOT0 1024    // slot row delete-slot buttons, rows 0-9
#define PD_DELSLOT1 1036
#define PD_DELSLOT2 1038
#define PD_DELSLOT3 1040
#define PD_DELSLOT4 1042
#define PD_DELSLOT5 1044
#define PD_DELSLOT6 1046
#define PD_DELSLOT7 1048
#define PD_DELSLOT8 1050
#define PD_DELSLOT9 1052
#define PD_INSSLOT0 1059    // slot row insert-slot buttons, rows 0-9: 1059-1068
#define PD_INSSLOT1 1060
#define PD_INSSLOT2 1061
#define PD_INSSLOT3 1062
#define PD_INSSLOT4 1063
#define PD_INSSLOT5 1064
#define PD_INSSLOT6 1065
#define PD_INSSLOT7 1066
#define PD_INSSLOT8 1067
#define PD_INSSLOT9 1068
#define PD_PAGE_FIRST 1088
#define PD_PAGE_NEXT 1089
#define PD_PAGE_PREV 1090
#define PD_MODE_PLAIN 1077  // folder mode off
#define PD_MODE_FOLDER 1078
#define PD_KIND_C 1079
#define PD_KIND_PROC 1080
#define PD_KIND_JAVA 1081
#define PD_KIND_NONE 1083
#define PD_DELETE 1058
#define PD_OPEN 1056
#define PD_SAVE 1053
#define PD_CANCEL 2
#define PD_CLOSE 1
#define PD_CREATE 1011

// Parameter dialog: each row's label and field.
#define PM_CATEGORY_WIDE_LABEL 1007
#define PM_CATEGORY_WIDE 1002
#define PM_OBJECT_WIDE_LABEL 1000
#define PM_OBJECT_WIDE 1005
#define PM_CATEGORY_FONT_LABEL 1001
#define PM_CATEGORY_FONT 1016
#define PM_EDITOR_LABEL 1003
#define PM_EDITOR 1017
#define PM_OPTION_LABEL 1004
#define PM_OPTION 1018
#define PM_OPTION2_LABEL 1094
#define PM_OPTION2 1022
#define PM_EXPLORER_LABEL 1085
#define PM_EXPLORER 1019
#define PM_EXCEL_LABEL 1092
#define PM_EXCEL 1021
#define PM_FOLDER_LABEL 1075
#define PM_FOLDER 1020
#define PM_EDITOR_BROWSE 1070
#define PM_EXPLORER_BROWSE 1087
#define PM_EXCEL_BROWSE 1093
#define PM_FOLDER_BROWSE 1076
#define PM_PRESET_OPTION 1098     // option: the line
#define PM_PRESET_LINE 1095       // option2: the line
#define PM_PRESET_FILE 1096       // option2: the file
#define PM_PRESET_FILE_LINE 1097  // option2: the file and the line
#define PM_RESTORE 1072           // the fields as they were at the start
#define PM_SET_A 1074
#define PM_SET_B 1071
#define PM_FIND_EDITOR 1084
#define PM_NOTE 1073              // the note drawn in blue
#define PM_OK 1
#define PM_CANCEL 2

#endif
