/* Resource and command ids, shared by the resource script and the code.
   Plain #defines: windres reads this file too. */
#ifndef MORAVEL_RESOURCE_IDS_H
#define MORAVEL_RESOURCE_IDS_H

#define IDI_MAIN 101
#define IDM_MAIN 102
#define IDA_MAIN 3
#define IDD_ABOUT 103
#define IDD_FONT 105
#define IDB_ABOUT 113
#define IDB_TOOLBAR 114
#define IDD_SEARCH 115
#define IDD_INDEX 118
#define IDB_INDEX_FIRST 201 /* marker bitmaps 201 to 203 */

#define IDC_TOOLBAR 1

#define CMD_INDEX 107
#define CMD_TODAY 108
#define CMD_NEXT 109
#define CMD_PREVIOUS 110
#define CMD_SEARCH 116
#define CMD_SEARCH_AGAIN 117
#define CMD_CHOOSE_ARTICLE 119
#define CMD_BOOKMARK 123
#define CMD_CHECK_UPDATES 129
#define CMD_ABOUT 40004
#define CMD_EXIT 40005
#define CMD_FONT 40006
#define CMD_COPY 40007
#define CMD_PRINT 40008
#define CMD_APPEND 40009

#endif
