// Host double of GDI: devices with selected objects and colours, fonts with
// deterministic metrics, and a record of every draw call.
#include <algorithm>
#include <cstring>
#include <map>

#include "platform/host/host_win.h"

namespace {

enum class Kind { Font, Brush, Pen };

struct Object {
    Kind kind;
    bool stock;
    LOGFONTW logFont;  // fonts made by CreateFontIndirectW
    int charHeight;    // fonts
    bool bold;         // fonts
    COLORREF colour;   // pens and brushes
};

struct Device {
    std::map<int, int> caps;
    HGDIOBJ font;
    HGDIOBJ brush;
    HGDIOBJ pen;
    HGDIOBJ bitmap;
    COLORREF textColour;
    COLORREF backColour;
    int backMode;
    std::vector<HostDrawCall> calls;
    HostGdiCounters counters;
};

constexpr uintptr_t kStockBase = 0x57000000u;
constexpr int kStockCount = 20;
constexpr int kWidestClass = 14;
constexpr int kBoldWeight = 600;

std::map<HGDIOBJ, Object> objects;
std::map<HDC, Device> devices;
uintptr_t nextHandle = 0x60000000u;  // never reset: handles stay unique
int fontsCreated = 0;
bool failFonts = false;

HGDIOBJ StockHandle(int index) { return reinterpret_cast<HGDIOBJ>(kStockBase + static_cast<uintptr_t>(index)); }

void RegisterStock() {
    auto brush = [](int index, COLORREF colour) {
        objects[StockHandle(index)] = Object{Kind::Brush, true, {}, 0, false, colour};
    };
    auto pen = [](int index, COLORREF colour) {
        objects[StockHandle(index)] = Object{Kind::Pen, true, {}, 0, false, colour};
    };
    brush(WHITE_BRUSH, RGB(255, 255, 255));
    brush(LTGRAY_BRUSH, RGB(192, 192, 192));
    brush(GRAY_BRUSH, RGB(128, 128, 128));
    brush(DKGRAY_BRUSH, RGB(64, 64, 64));
    brush(BLACK_BRUSH, RGB(0, 0, 0));
    brush(NULL_BRUSH, CLR_INVALID);
    pen(WHITE_PEN, RGB(255, 255, 255));
    pen(BLACK_PEN, RGB(0, 0, 0));
    pen(NULL_PEN, CLR_INVALID);
    for (int index : {SYSTEM_FONT, DEFAULT_GUI_FONT})
        objects[StockHandle(index)] = Object{Kind::Font, true, {}, kHostDefaultCharHeight, false, 0};
}

std::map<HGDIOBJ, Object>& Objects() {
    if (objects.empty()) RegisterStock();
    return objects;
}

const Object* Find(HGDIOBJ handle, Kind kind) {
    auto found = Objects().find(handle);
    if (found == Objects().end() || found->second.kind != kind) return nullptr;
    return &found->second;
}

Device* DeviceOf(HDC dc) {
    auto found = devices.find(dc);
    return found == devices.end() ? nullptr : &found->second;
}

HGDIOBJ NewHandle() {
    nextHandle += 0x10;
    return reinterpret_cast<HGDIOBJ>(nextHandle);
}

int Width(const Object& font, WCHAR c) {
    int width = (HostCharClass(c) * font.charHeight + 8) / 16;
    if (width < 1) width = 1;
    return width + (font.bold ? 1 : 0);
}

const Object& SelectedFont(const Device& device) {
    const Object* font = Find(device.font, Kind::Font);
    return font ? *font : Objects().at(StockHandle(SYSTEM_FONT));
}

int LineHeight(const Object& font) { return font.charHeight + font.charHeight / 4; }

int Extent(const Object& font, LPCWSTR text, int count) {
    int extent = 0;
    for (int i = 0; i < count; ++i) extent += Width(font, text[i]);
    return extent;
}

HostDrawCall Call(const Device& device, HostDrawKind kind, RECT box) {
    HostDrawCall call{};
    call.kind = kind;
    call.box = box;
    call.font = device.font;
    call.textColour = device.textColour;
    call.backColour = device.backColour;
    call.backMode = device.backMode;
    return call;
}

COLORREF ColourOf(HGDIOBJ handle, Kind kind) {
    const Object* object = Find(handle, kind);
    return object ? object->colour : CLR_INVALID;
}

}  // namespace

// --- Windows calls -----------------------------------------------------------

int GetDeviceCaps(HDC dc, int index) {
    Device* device = DeviceOf(dc);
    if (!device) return 0;
    auto found = device->caps.find(index);
    return found == device->caps.end() ? 0 : found->second;
}

HFONT CreateFontIndirectW(const LOGFONTW* font) {
    if (!font || failFonts) return nullptr;
    Object object{Kind::Font, false, *font, 0, font->lfWeight >= kBoldWeight, 0};
    if (font->lfHeight < 0)
        object.charHeight = -font->lfHeight;
    else if (font->lfHeight > 0)
        object.charHeight = std::max<LONG>(1, font->lfHeight * 4 / 5);
    else
        object.charHeight = kHostDefaultCharHeight;
    HGDIOBJ handle = NewHandle();
    Objects()[handle] = object;
    ++fontsCreated;
    return static_cast<HFONT>(handle);
}

HPEN CreatePen(int, int, COLORREF colour) {
    HGDIOBJ handle = NewHandle();
    Objects()[handle] = Object{Kind::Pen, false, {}, 0, false, colour};
    return static_cast<HPEN>(handle);
}

HBRUSH CreateSolidBrush(COLORREF colour) {
    HGDIOBJ handle = NewHandle();
    Objects()[handle] = Object{Kind::Brush, false, {}, 0, false, colour};
    return static_cast<HBRUSH>(handle);
}

HGDIOBJ GetStockObject(int index) {
    if (index < 0 || index >= kStockCount) return nullptr;
    HGDIOBJ handle = StockHandle(index);
    return Objects().count(handle) ? handle : nullptr;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    Device* device = DeviceOf(dc);
    if (!device || !object) return nullptr;
    auto found = Objects().find(object);
    HGDIOBJ* slot = &device->bitmap;
    if (found != Objects().end()) {
        switch (found->second.kind) {
            case Kind::Font:
                slot = &device->font;
                ++device->counters.fontSelections;
                break;
            case Kind::Brush: slot = &device->brush; break;
            case Kind::Pen: slot = &device->pen; break;
        }
    }
    HGDIOBJ previous = *slot;
    *slot = object;
    return previous;
}

BOOL GetTextMetricsW(HDC dc, TEXTMETRICW* metrics) {
    Device* device = DeviceOf(dc);
    if (!device || !metrics) return FALSE;
    const Object& font = SelectedFont(*device);
    *metrics = TEXTMETRICW{};
    metrics->tmHeight = LineHeight(font);
    metrics->tmInternalLeading = font.charHeight / 4;
    metrics->tmAscent = metrics->tmHeight * 4 / 5;
    metrics->tmDescent = metrics->tmHeight - metrics->tmAscent;
    metrics->tmAveCharWidth = Width(font, u'x');
    metrics->tmMaxCharWidth = (kWidestClass * font.charHeight + 8) / 16 + (font.bold ? 1 : 0);
    metrics->tmWeight = font.bold ? FW_BOLD : FW_NORMAL;
    metrics->tmFirstChar = 0x20;
    metrics->tmLastChar = 0xFF;
    metrics->tmDefaultChar = 0x1F;
    metrics->tmBreakChar = 0x20;
    return TRUE;
}

BOOL GetTextExtentExPointW(HDC dc, LPCWSTR text, int count, int maxExtent, INT* fit, INT* dx,
                           SIZE* size) {
    Device* device = DeviceOf(dc);
    if (!device || !text || count < 0 || !size) return FALSE;
    ++device->counters.extentCalls;
    const Object& font = SelectedFont(*device);
    int extent = 0;
    int fitting = 0;
    for (int i = 0; i < count; ++i) {
        extent += Width(font, text[i]);
        if (extent <= maxExtent && fitting == i) fitting = i + 1;
        if (dx) dx[i] = extent;
    }
    if (fit) *fit = fitting;
    size->cx = extent;
    size->cy = LineHeight(font);
    return TRUE;
}

BOOL GetTextExtentPoint32W(HDC dc, LPCWSTR text, int count, SIZE* size) {
    Device* device = DeviceOf(dc);
    if (!device || !text || count < 0 || !size) return FALSE;
    const Object& font = SelectedFont(*device);
    size->cx = Extent(font, text, count);
    size->cy = LineHeight(font);
    return TRUE;
}

int DrawTextW(HDC dc, LPCWSTR text, int count, RECT* rect, UINT format) {
    Device* device = DeviceOf(dc);
    if (!device || !text || !rect) return 0;
    if (count < 0) count = static_cast<int>(std::char_traits<char16_t>::length(text));
    const Object& font = SelectedFont(*device);
    if (format & DT_CALCRECT) {
        rect->right = rect->left + Extent(font, text, count);
        rect->bottom = rect->top + LineHeight(font);
        return LineHeight(font);
    }
    HostDrawCall call = Call(*device, HostDrawKind::Text, *rect);
    call.text.assign(text, text + count);
    call.format = format;
    device->calls.push_back(call);
    return LineHeight(font);
}

COLORREF SetTextColor(HDC dc, COLORREF colour) {
    Device* device = DeviceOf(dc);
    if (!device) return CLR_INVALID;
    COLORREF previous = device->textColour;
    device->textColour = colour;
    return previous;
}

COLORREF GetTextColor(HDC dc) {
    Device* device = DeviceOf(dc);
    return device ? device->textColour : CLR_INVALID;
}

COLORREF SetBkColor(HDC dc, COLORREF colour) {
    Device* device = DeviceOf(dc);
    if (!device) return CLR_INVALID;
    COLORREF previous = device->backColour;
    device->backColour = colour;
    return previous;
}

COLORREF GetBkColor(HDC dc) {
    Device* device = DeviceOf(dc);
    return device ? device->backColour : CLR_INVALID;
}

int SetBkMode(HDC dc, int mode) {
    Device* device = DeviceOf(dc);
    if (!device || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    int previous = device->backMode;
    device->backMode = mode;
    return previous;
}

int GetBkMode(HDC dc) {
    Device* device = DeviceOf(dc);
    return device ? device->backMode : 0;
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
    Device* device = DeviceOf(dc);
    if (!device || !rect || !Find(brush, Kind::Brush)) return 0;
    HostDrawCall call = Call(*device, HostDrawKind::Fill, *rect);
    call.brush = brush;
    call.brushColour = ColourOf(brush, Kind::Brush);
    device->calls.push_back(call);
    return 1;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
    Device* device = DeviceOf(dc);
    if (!device) return FALSE;
    HostDrawCall call = Call(*device, HostDrawKind::Rectangle, RECT{left, top, right, bottom});
    call.brush = device->brush;
    call.brushColour = ColourOf(device->brush, Kind::Brush);
    call.penColour = ColourOf(device->pen, Kind::Pen);
    device->calls.push_back(call);
    return TRUE;
}

// --- Test control ------------------------------------------------------------

HDC HostCreateDevice() {
    HDC dc = reinterpret_cast<HDC>(NewHandle());
    Device device{};
    device.caps[LOGPIXELSX] = kHostDefaultDpi;
    device.caps[LOGPIXELSY] = kHostDefaultDpi;
    device.caps[HORZRES] = 800;
    device.caps[VERTRES] = 600;
    device.font = StockHandle(SYSTEM_FONT);
    device.brush = StockHandle(WHITE_BRUSH);
    device.pen = StockHandle(BLACK_PEN);
    device.textColour = RGB(0, 0, 0);
    device.backColour = RGB(255, 255, 255);
    device.backMode = OPAQUE;
    Objects();
    devices[dc] = device;
    return dc;
}

void HostGdiClear() {
    objects.clear();
    devices.clear();
    fontsCreated = 0;
    failFonts = false;
}

void HostSetDeviceCaps(HDC dc, int index, int value) {
    if (Device* device = DeviceOf(dc)) device->caps[index] = value;
}

void HostFailFontCreation(bool fail) { failFonts = fail; }

int HostCharClass(WCHAR c) {
    if (c == u' ') return 4;
    if (c == u'-') return 5;
    if (c != 0 && c < 0x80 && std::strchr("ilj.,'!|:;", static_cast<char>(c))) return 4;
    if (c == u'm' || c == u'w') return 12;
    if (c == u'M' || c == u'W') return kWidestClass;
    if (c >= u'A' && c <= u'Z') return 10;
    if ((c >= u'a' && c <= u'z') || (c >= u'0' && c <= u'9')) return 8;
    if (c < 0x80) return 6;
    return 9;
}

const LOGFONTW* HostFontOf(HGDIOBJ font) {
    const Object* object = Find(font, Kind::Font);
    return object && !object->stock ? &object->logFont : nullptr;
}

int HostFontsCreated() { return fontsCreated; }

bool HostObjectDeleted(HGDIOBJ object) {
    const std::vector<HGDIOBJ>& deleted = HostDeletedObjects();
    return std::find(deleted.begin(), deleted.end(), object) != deleted.end();
}

int HostCharWidth(HGDIOBJ font, WCHAR c) {
    const Object* object = Find(font, Kind::Font);
    return object ? Width(*object, c) : 0;
}

const std::vector<HostDrawCall>& HostDrawCalls(HDC dc) {
    static const std::vector<HostDrawCall> none;
    Device* device = DeviceOf(dc);
    return device ? device->calls : none;
}

void HostClearDrawCalls(HDC dc) {
    if (Device* device = DeviceOf(dc)) device->calls.clear();
}

HGDIOBJ HostSelectedFont(HDC dc) {
    Device* device = DeviceOf(dc);
    return device ? device->font : nullptr;
}

HGDIOBJ HostSelectedBrush(HDC dc) {
    Device* device = DeviceOf(dc);
    return device ? device->brush : nullptr;
}

HGDIOBJ HostSelectedPen(HDC dc) {
    Device* device = DeviceOf(dc);
    return device ? device->pen : nullptr;
}

HostGdiCounters HostCounters(HDC dc) {
    Device* device = DeviceOf(dc);
    return device ? device->counters : HostGdiCounters{};
}

void HostClearCounters(HDC dc) {
    if (Device* device = DeviceOf(dc)) device->counters = HostGdiCounters{};
}
