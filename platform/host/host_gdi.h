// Host double of GDI: a recording device with deterministic text metrics.
//
// Every draw call is recorded with the font, colours and box in effect, so
// tests can assert what was drawn where.
//
// Metrics of a font made by CreateFontIndirectW, with h its character height
// (−lfHeight; a positive lfHeight is a cell height, 4/5 of which is the
// character height; 0 is the mapper's default, kHostDefaultCharHeight):
//   width of character c = (HostCharClass(c) × h + 8) / 16, at least 1,
//                          plus 1 when the weight is 600 or more;
//   tmHeight = h + h / 4 (the quarter is internal leading);
//   tmMaxCharWidth = the width of the widest class (14).
// So at h = 16 (12 points at 96 dots per inch) a lower-case letter is 8 units
// wide, a space 4, a hyphen 5, a capital 10, and a line is 20 units high.
#pragma once

#include <string>
#include <vector>

#include "platform/host/host_types.h"

// --- Structures and constants ------------------------------------------------
#define LF_FACESIZE 32
struct LOGFONTW {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    WCHAR lfFaceName[LF_FACESIZE];
};
static_assert(sizeof(LOGFONTW) == 92, "LOGFONTW is 92 bytes on Windows");

struct TEXTMETRICW {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    WCHAR tmFirstChar;
    WCHAR tmLastChar;
    WCHAR tmDefaultChar;
    WCHAR tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
};
static_assert(sizeof(TEXTMETRICW) == 60, "TEXTMETRICW is 60 bytes on Windows");

// GetDeviceCaps indices.
#define HORZRES 8
#define VERTRES 10
#define LOGPIXELSX 88
#define LOGPIXELSY 90

#define FW_NORMAL 400
#define FW_BOLD 700
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1

// Stock objects.
#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define SYSTEM_FONT 13
#define DEFAULT_GUI_FONT 17

#define PS_SOLID 0

// DrawTextW flags.
#define DT_TOP 0x0
#define DT_LEFT 0x0
#define DT_CENTER 0x1
#define DT_RIGHT 0x2
#define DT_VCENTER 0x4
#define DT_BOTTOM 0x8
#define DT_WORDBREAK 0x10
#define DT_SINGLELINE 0x20
#define DT_CALCRECT 0x400
#define DT_NOPREFIX 0x800

// Background modes.
#define TRANSPARENT 1
#define OPAQUE 2

#define CLR_INVALID 0xFFFFFFFF
#define GetRValue(c) ((BYTE)(c))
#define GetGValue(c) ((BYTE)(((WORD)(c)) >> 8))
#define GetBValue(c) ((BYTE)((c) >> 16))

// --- Windows calls -----------------------------------------------------------
int GetDeviceCaps(HDC dc, int index);
HFONT CreateFontIndirectW(const LOGFONTW* font);
HPEN CreatePen(int style, int width, COLORREF colour);
HBRUSH CreateSolidBrush(COLORREF colour);
HGDIOBJ GetStockObject(int index);
// Returns the object of the same kind that was selected before; null (and no
// change) for a null or unknown handle. Unknown non-null handles, such as the
// bitmaps of LoadBitmapW, are taken as bitmaps.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL GetTextMetricsW(HDC dc, TEXTMETRICW* metrics);
BOOL GetTextExtentExPointW(HDC dc, LPCWSTR text, int count, int maxExtent, INT* fit, INT* dx,
                           SIZE* size);
BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, SIZE* size);
// count −1 draws up to the terminator. DT_CALCRECT sets the rectangle's right
// and bottom to the extent and draws nothing.
int DrawTextW(HDC dc, LPCWSTR text, int count, RECT* rect, UINT format);
COLORREF SetTextColor(HDC dc, COLORREF colour);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF colour);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
// (DeleteObject is declared with the user-interface calls; deleted handles are
// listed by HostDeletedObjects.)

// --- Test control ------------------------------------------------------------
constexpr int kHostDefaultCharHeight = 13;
constexpr int kHostDefaultDpi = 96;

// A new device: 96 dots per inch both ways, 800 × 600 units, the stock system
// font (a default-height normal-weight font), the white brush, the black pen,
// black text on a white opaque background.
HDC HostCreateDevice();
// Forgets every device, font, pen, brush and record. Handles stay unique
// across clears.
void HostGdiClear();
void HostSetDeviceCaps(HDC dc, int index, int value);
// While set, CreateFontIndirectW returns null.
void HostFailFontCreation(bool fail);

// Width class of a character: the width in units at a character height of 16.
int HostCharClass(WCHAR c);
// The font's creation record, or null for a handle that is not a font of
// this double (stock fonts included: they have none).
const LOGFONTW* HostFontOf(HGDIOBJ font);
// Fonts made by CreateFontIndirectW since the last HostGdiClear.
int HostFontsCreated();
bool HostObjectDeleted(HGDIOBJ object);
// Width of one character in a font (stock fonts included).
int HostCharWidth(HGDIOBJ font, WCHAR c);

enum class HostDrawKind { Text, Rectangle, Fill };
struct HostDrawCall {
    HostDrawKind kind;
    std::u16string text;   // Text: the characters drawn
    RECT box;              // Text: the DrawTextW rectangle; others: the rectangle
    UINT format;           // Text: the DrawTextW flags
    HGDIOBJ font;          // the font selected when drawn
    COLORREF textColour;   // the device's colours when drawn
    COLORREF backColour;
    int backMode;
    COLORREF penColour;    // Rectangle: the selected pen's colour
    COLORREF brushColour;  // Rectangle: the selected brush's; Fill: the given brush's
    HGDIOBJ brush;         // Rectangle: the selected brush; Fill: the given brush
};
const std::vector<HostDrawCall>& HostDrawCalls(HDC dc);
void HostClearDrawCalls(HDC dc);

// What the device holds now.
HGDIOBJ HostSelectedFont(HDC dc);
HGDIOBJ HostSelectedBrush(HDC dc);
HGDIOBJ HostSelectedPen(HDC dc);

// Calls counted since the device was made or the counters were cleared:
// GetTextExtentExPointW and SelectObject with a font.
struct HostGdiCounters {
    int extentCalls;
    int fontSelections;
};
HostGdiCounters HostCounters(HDC dc);
void HostClearCounters(HDC dc);
