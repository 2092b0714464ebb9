// Identifiers of the program's resources, menu commands and child controls.
// Shared by the resource script and the C++ code, so plain #defines only.
#ifndef CORVANTA_RESOURCE_H
#define CORVANTA_RESOURCE_H

// Resources
#define IDS_APP_TITLE 103
#define IDI_CORVANTA 107
#define IDI_SMALL 108
// The main window's resources: the string of its class name and its menu
// (and the accelerator table the message loop asks for) share the number,
// each a resource of another type.
#define IDR_MAIN_WINDOW 109
#define IDR_VERSION 1

// Menu commands
#define IDM_EXIT 32772
#define IDM_MAIN_PAGE 32774
#define IDM_CHANGE_GEARS_PAGE 32775
#define IDM_PRINT 32779
#define IDM_ABOUT_CHECK_ACCURACY 32785
#define IDM_ABOUT_DESIGNED_FOR 32787
#define IDM_ABOUT_IDLER_INFO 32788
#define IDM_ABOUT_EMAIL 32789
#define IDM_ABOUT_OWN_RISK 32790
#define IDM_ABOUT_OTHER_BRANDS 32791
#define IDM_ABOUT_MACHINE_SIZES 32792
#define IDM_SAVE_SETTINGS 32795
#define IDM_ABOUT_VERSION 32796
#define IDM_RESULTS_PAGE 32797
#define IDM_GEAR_ADVICE_PAGE 32798
#define IDM_SAVE_RESULTS_AS 32799
#define IDM_SAVE_AS_MACHINE 32800
#define IDM_DELETE_MACHINE 32801
// The "Machines" popup's items of the saved machines, one per machine.
#define IDM_MACHINE_FIRST 33000
#define IDM_MACHINE_LIMIT 33032
// The "Save As Machine ..." dialog
#define IDD_MACHINE_NAME 120
#define IDC_MACHINE_NAME 3120

// Buttons, spinners and captions of the result area
#define IDC_SOLVE_BUTTON 1001
#define IDC_EXIT_BUTTON 1002
#define IDC_RESULT_SELECTOR 1003
#define IDC_HOB_THREADS_SPINNER 1011
#define IDC_INDEX_CAPTION 1012
#define IDC_RESULT_CAPTION 1020
#define IDC_FEED_CAPTION 1021

// The seven inputs
#define IDC_INDEX_CONST 2001
#define IDC_FEED_CONST 2002
#define IDC_NUMBER_OF_TEETH 2003
#define IDC_HELIX_ANGLE 2004
// The HandCutChooser: the machine set-up (MachineSetup) chosen as a row,
// the setupRow 0 to 7 (corvanta-solve's --setup).
#define IDC_HAND_CUT_CHOOSER 2005
#define IDC_NORMAL_DIAMETRAL_PITCH 2006
#define IDC_FEED_RATE 2007

// Labels, column heads and display lines
#define IDC_INDEX_CONST_LABEL 3000
#define IDC_HOB_THREADS_LABEL 3001
#define IDC_HOB_THREADS 3002
#define IDC_INDEX_UPPER_LEFT 3003
#define IDC_INDEX_LOWER_LEFT 3004
#define IDC_INDEX_UPPER_RIGHT 3005
#define IDC_INDEX_LOWER_RIGHT 3006
#define IDC_INDEX_ERROR_LINE 3008
#define IDC_PITCH_DIAMETER_LINE 3009
#define IDC_OUTSIDE_DIAMETER_LINE 3010
#define IDC_C_LINE 3011  // also the status line during a search
#define IDC_FEED_ERROR_LINE 3012
#define IDC_ACTUAL_FEED_TEXT 3013
#define IDC_LEAD_LINE 3014
#define IDC_WHOLE_C_ONLY 3015
#define IDC_FEED_RATE_LABEL 3016
#define IDC_HELIX_ANGLE_LABEL 3017
#define IDC_FEED_CONST_LABEL 3019
#define IDC_NUMBER_OF_TEETH_LABEL 3021
#define IDC_NORMAL_DIAMETRAL_PITCH_LABEL 3022
#define IDC_FEED_UPPER_LEFT 3024
#define IDC_FEED_LOWER_LEFT 3025
#define IDC_FEED_UPPER_RIGHT 3026
#define IDC_FEED_LOWER_RIGHT 3027
#define IDC_HOB_HEAD 3028
#define IDC_GEAR_HEAD 3029
#define IDC_TYPE_OF_CUT_HEAD 3030
#define IDC_SIGN_HEAD 3031
#define IDC_WORK_HEAD 3032
#define IDC_INDEX_STUDS_HEAD 3033
#define IDC_FEED_STUDS_HEAD 3034
#define IDC_INTERMEDIATE_STUDS_HEAD 3035

// The results page
#define IDC_RESULT_LIST 3100
#define IDC_RESULT_LIST_COPY 3101

// The gear-advice page
#define IDC_ADVICE_LIST 3110
#define IDC_ADVISE_BUTTON 3111
#define IDC_PAIRS_TOO 3112
#define IDC_ADVICE_COPY 3113
#define IDC_ADVICE_STATUS 3114

// Gear-stock cells: cell k (0..153) stands for the change gear with 16 + k teeth.
#define IDC_GEAR_STOCK_CELL_FIRST 5000
#define IDC_GEAR_STOCK_SPINNER_FIRST 5200
#define IDC_GEAR_STOCK_CAPTION_FIRST 5400
#define GEAR_STOCK_CELL_COUNT 154
#define GEAR_STOCK_FIRST_TOOTH_COUNT 16

#endif
