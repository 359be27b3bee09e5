// Identifiers of the dialog, its controls and the program's other resources. Included by the resource
// script and by the C++ code, so that the two always agree.
#pragma once

#define IDD_SETUP_DIALOG 102
#define IDR_MAINFRAME 128
#define IDB_WELCOME 132
#define IDB_PRINTER 135
#define IDB_BLANK 142

#define IDC_STEP_TEXT 1000
#define IDC_NEXT 1001
#define IDC_BACK 1002
#define IDC_EXIT 1003
#define IDC_INFO 1006
#define IDC_ACCEPT_LABEL 1007
#define IDC_WELCOME_PICTURE 1014
#define IDC_CONNECTION_GROUP 1019
#define IDC_PROGRESS 1021
#define IDC_USB 1022
#define IDC_PARALLEL 1023
#define IDC_PRINTER_PICTURE 1024
#define IDC_SPARE_LABEL 1025
