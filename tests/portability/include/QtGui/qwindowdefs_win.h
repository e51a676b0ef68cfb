// SPDX-FileCopyrightText: 2026 Zentile developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt's Linux packages leave out its Windows window handles from Qt 6.8 on. These are the
// handles it declares there, as <windows.h> declares them, found only where the real one is
// missing.
#define Q_DECLARE_HANDLE(name) struct name##__; typedef struct name##__ *name
Q_DECLARE_HANDLE(HINSTANCE); Q_DECLARE_HANDLE(HDC); Q_DECLARE_HANDLE(HWND); Q_DECLARE_HANDLE(HFONT);
Q_DECLARE_HANDLE(HPEN); Q_DECLARE_HANDLE(HBRUSH); Q_DECLARE_HANDLE(HBITMAP); Q_DECLARE_HANDLE(HICON);
Q_DECLARE_HANDLE(HPALETTE); Q_DECLARE_HANDLE(HRGN); Q_DECLARE_HANDLE(HMONITOR); Q_DECLARE_HANDLE(HGLRC);
typedef HINSTANCE HMODULE;
typedef HICON HCURSOR;
typedef long HRESULT;
typedef struct tagMSG MSG;
