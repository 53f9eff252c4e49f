// Identifiers of the program's resources and of the dialogs' controls.
#pragma once

#define IDR_MAINFRAME 128
#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_KELVANE_DIALOG 102

#define IDM_ABOUTBOX 0x0010

#define IDC_PATH 1000
#define IDC_SELECT 1001
#define IDC_WHOLE_4 1002
#define IDC_WHOLE_6 1003
#define IDC_WHOLE_8 1004
#define IDC_WHOLE_12 1005
#define IDC_WHOLE_16 1006
#define IDC_CUSTOM 1007
#define IDC_SPIN 1008
#define IDC_CHANGE_TO 1009
#define IDC_STATUS 1010
#define IDC_WHOLE_20 1011
#define IDC_WHOLE_24 1012
#define IDC_DUMP 1013
#define IDC_WHOLE_32 1014
#define IDC_WHOLE_64 1015
#define IDC_TENTHS_0 1016  // to 1025 for 9
#define IDC_VALUE 1026
#define IDC_HUNDREDTHS_0 1027  // to 1036 for 9
