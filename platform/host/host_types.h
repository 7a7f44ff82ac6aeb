// Windows types, handles and constants as the host test double needs them.
//
// Widths follow Windows (LLP64): LONG and DWORD are 32 bits, WCHAR is a
// 16-bit unit (char16_t here). Handles are distinct pointer types so that the
// compiler catches a handle passed where another kind is expected.
#pragma once

#include <cstddef>
#include <cstdint>

typedef int32_t LONG;
typedef uint32_t ULONG;
typedef uint32_t DWORD;
typedef uint16_t WORD;
typedef uint8_t BYTE;
typedef int BOOL;
typedef unsigned int UINT;
typedef int INT;
typedef char CHAR;
typedef char16_t WCHAR;
typedef WCHAR* LPWSTR;
typedef const WCHAR* LPCWSTR;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef void* LPVOID;
typedef const void* LPCVOID;
typedef BYTE* LPBYTE;
typedef const BYTE* LPCBYTE;
typedef DWORD* LPDWORD;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef intptr_t INT_PTR;
typedef uintptr_t UINT_PTR;
typedef uintptr_t ULONG_PTR;
typedef size_t SIZE_T;
typedef LONG LSTATUS;
typedef DWORD COLORREF;
typedef DWORD REGSAM;

#define HOST_DECLARE_HANDLE(name) \
    struct name##__ {             \
        int unused;               \
    };                            \
    typedef struct name##__* name

HOST_DECLARE_HANDLE(HWND);
HOST_DECLARE_HANDLE(HINSTANCE);
HOST_DECLARE_HANDLE(HKEY);
HOST_DECLARE_HANDLE(HMENU);
HOST_DECLARE_HANDLE(HDC);
HOST_DECLARE_HANDLE(HRSRC);
HOST_DECLARE_HANDLE(HBITMAP);
HOST_DECLARE_HANDLE(HFONT);
HOST_DECLARE_HANDLE(HBRUSH);
HOST_DECLARE_HANDLE(HPEN);
HOST_DECLARE_HANDLE(HICON);
HOST_DECLARE_HANDLE(HCURSOR);
HOST_DECLARE_HANDLE(HACCEL);
typedef void* HANDLE;
typedef void* HGDIOBJ;
typedef void* HGLOBAL;
typedef HINSTANCE HMODULE;

#define TRUE 1
#define FALSE 0

#define LOWORD(l) ((WORD)(((DWORD_PTR_HOST)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((DWORD_PTR_HOST)(l)) >> 16) & 0xffff))
typedef uintptr_t DWORD_PTR_HOST;
#define MAKELONG(a, b) ((LONG)(((WORD)(a)) | ((DWORD)((WORD)(b))) << 16))
#define MAKEINTRESOURCEW(i) ((LPCWSTR)(ULONG_PTR)((WORD)(i)))
#define IS_INTRESOURCE(r) ((((ULONG_PTR)(r)) >> 16) == 0)
#define RGB(r, g, b) ((COLORREF)(((BYTE)(r) | ((WORD)((BYTE)(g)) << 8)) | (((DWORD)(BYTE)(b)) << 16)))

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
typedef RECT* LPRECT;

struct POINT {
    LONG x;
    LONG y;
};

struct SIZE {
    LONG cx;
    LONG cy;
};

// Version query.
#define VER_PLATFORM_WIN32s 0
#define VER_PLATFORM_WIN32_WINDOWS 1
#define VER_PLATFORM_WIN32_NT 2
struct OSVERSIONINFOA {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    CHAR szCSDVersion[128];
};
static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA is 148 bytes on Windows");

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

// Errors.
#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_OUTOFMEMORY 14L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_MORE_DATA 234L

// Message boxes.
#define MB_OK 0x00000000L
#define MB_OKCANCEL 0x00000001L
#define MB_YESNOCANCEL 0x00000003L
#define MB_YESNO 0x00000004L
#define MB_ICONERROR 0x00000010L
#define MB_ICONQUESTION 0x00000020L
#define MB_ICONWARNING 0x00000030L
#define MB_ICONINFORMATION 0x00000040L
#define IDOK 1
#define IDCANCEL 2
#define IDABORT 3
#define IDRETRY 4
#define IDIGNORE 5
#define IDYES 6
#define IDNO 7

// Resources.
#define RT_BITMAP MAKEINTRESOURCEW(2)
#define RT_RCDATA MAKEINTRESOURCEW(10)
