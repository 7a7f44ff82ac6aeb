// The one header through which the reader reaches the Windows API.
//
// Under MinGW it is the real Windows headers. On the host it is our own small
// test double (platform/host/), declaring exactly the calls that the logic
// makes: an in-memory registry, the book's resources, a settable clock,
// scripted message boxes, a recording shell, clipboard, menu and GDI device.
// Code outside platform/ includes this header and never <windows.h>.
//
// UTF-16 literals are written WTXT("...") so that they are wchar_t on Windows
// and char16_t on the host, where wchar_t is 32 bits wide.
#pragma once

#ifdef _WIN32
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#define WTXT_(s) L##s
#else
#include "platform/host/host_win.h"
#define WTXT_(s) u##s
#endif
#define WTXT(s) WTXT_(s)
