// Resource ids shared by the resource script and the code that loads the templates.
#pragma once

#define IDD_CABRILLO 101

// Cabrillo header dialog controls.
#define IDC_SOAPBOX 1001
#define IDC_ADDRESS 1002
#define IDC_ADDRESS_CITY 1003
#define IDC_EMAIL 1004
#define IDC_CLUB 1005
#define IDC_OPERATORS 1006
#define IDC_NAME 1007
#define IDC_CLAIMED 1008
#define IDC_CONTEST 1009
#define IDC_CALLSIGN 1010
#define IDC_CATEGORY 1012
#define IDC_CATEGORY_BAND 1013
#define IDC_ADDRESS_COUNTRY 1014
#define IDC_CATEGORY_MODE 1017
#define IDC_CATEGORY_TIME 1018
#define IDC_CATEGORY_TRANSMITTER 1019
#define IDC_CATEGORY_OVERLAY 1020
#define IDC_ADDRESS_POSTALCODE 1021

// The type of the resource that holds a dialog's combo-box lists (see winui/dialog.cpp).
#define RT_CONTROL_LISTS 240
