// The basic types and numbers of our dialog framework. The numbers are the platform's own, so a
// template or a handler means the same on every port; each is defined only where the platform's
// header has not defined it already (a Win32 port includes that header first).
#pragma once

#include <cstdint>

namespace dlg {

using UINT = unsigned int;
using DWORD = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;
using UINT_PTR = std::uintptr_t;

// Native objects, opaque above the port: a window or control, an icon, a menu, a device context.
using HWND = void*;
using HICON = void*;
using HMENU = void*;
using HDC = void*;

// The header every control notification carries.
struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
};

// An up-down control's request to move: from iPos by iDelta.
struct NMUPDOWN {
    NMHDR hdr;
    int iPos;
    int iDelta;
};

struct CRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

}  // namespace dlg

#ifndef IDOK
#define IDOK 1
#endif
#ifndef IDCANCEL
#define IDCANCEL 2
#endif
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

#ifndef WM_PAINT
#define WM_PAINT 0x000F
#endif
#ifndef WM_ICONERASEBKGND
#define WM_ICONERASEBKGND 0x0027
#endif
#ifndef WM_QUERYDRAGICON
#define WM_QUERYDRAGICON 0x0037
#endif
#ifndef WM_SYSCOMMAND
#define WM_SYSCOMMAND 0x0112
#endif
#ifndef SC_CLOSE
#define SC_CLOSE 0xF060
#endif

#ifndef BN_CLICKED
#define BN_CLICKED 0
#endif
#ifndef BST_UNCHECKED
#define BST_UNCHECKED 0x0000
#endif
#ifndef BST_CHECKED
#define BST_CHECKED 0x0001
#endif
#ifndef UDN_DELTAPOS
#define UDN_DELTAPOS (0U - 722U)
#endif

#ifndef MF_STRING
#define MF_STRING 0x00000000L
#endif
#ifndef MF_SEPARATOR
#define MF_SEPARATOR 0x00000800L
#endif

#ifndef SM_CXICON
#define SM_CXICON 11
#endif
#ifndef SM_CYICON
#define SM_CYICON 12
#endif

#ifndef MB_OK
#define MB_OK 0x00000000L
#endif
#ifndef MB_ICONEXCLAMATION
#define MB_ICONEXCLAMATION 0x00000030L
#endif

#ifndef ICC_WIN95_CLASSES
#define ICC_WIN95_CLASSES 0x000000FF
#endif

#ifndef OFN_HIDEREADONLY
#define OFN_HIDEREADONLY 0x00000004
#endif
#ifndef OFN_FILEMUSTEXIST
#define OFN_FILEMUSTEXIST 0x00001000
#endif
#ifndef OFN_OVERWRITEPROMPT
#define OFN_OVERWRITEPROMPT 0x00000002
#endif

// The standard Help command.
#ifndef ID_HELP
#define ID_HELP 0xE146
#endif
