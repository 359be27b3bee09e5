// The Windows vocabulary of the native (Linux) build: the types, constants and structures the program
// uses, with the values Windows gives them, and the window and drawing functions that the headless
// backend of the class layer provides in memory. File, spooler and device functions are deliberately
// absent: the engine reaches them only through the platform seam.
#pragma once

#include <cstdarg>
#include <cstdint>

#define CALLBACK
#define WINAPI

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef std::uint32_t ULONG;
typedef unsigned int UINT;
typedef unsigned short COLOR16;
typedef DWORD COLORREF;
typedef std::intptr_t INT_PTR;
typedef std::intptr_t LONG_PTR;
typedef std::uintptr_t UINT_PTR;
typedef UINT_PTR WPARAM;
typedef LONG_PTR LPARAM;
typedef LONG_PTR LRESULT;

typedef char CHAR;
typedef char* LPSTR;
typedef char* PSTR;
typedef const char* LPCSTR;
typedef const char* PCSTR;
typedef BYTE* LPBYTE;
typedef DWORD* LPDWORD;
typedef DWORD* PDWORD;
typedef BOOL* PBOOL;
typedef void* LPVOID;
typedef const void* LPCVOID;

typedef void* HANDLE;
typedef void* HGDIOBJ;
typedef HANDLE HLOCAL;
struct HWND__;
struct HDC__;
struct HINSTANCE__;
struct HICON__;
struct HBITMAP__;
struct HBRUSH__;
struct HFONT__;
typedef HWND__* HWND;
typedef HDC__* HDC;
typedef HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef HICON__* HICON;
typedef HICON HCURSOR;
typedef HBITMAP__* HBITMAP;
typedef HBRUSH__* HBRUSH;
typedef HFONT__* HFONT;

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;
constexpr DWORD MAX_PATH = 260;

constexpr WORD LOWORD(std::uintptr_t value) { return static_cast<WORD>(value & 0xFFFF); }
constexpr WORD HIWORD(std::uintptr_t value) { return static_cast<WORD>((value >> 16) & 0xFFFF); }
constexpr WPARAM MAKEWPARAM(WORD low, WORD high)
{
    return static_cast<WPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}
constexpr LPARAM MAKELPARAM(WORD low, WORD high)
{
    return static_cast<LPARAM>(static_cast<DWORD>(low) | (static_cast<DWORD>(high) << 16));
}
constexpr COLORREF RGB(BYTE red, BYTE green, BYTE blue)
{
    return red | (green << 8) | (static_cast<DWORD>(blue) << 16);
}
inline LPSTR MAKEINTRESOURCEA(UINT id)
{
    return reinterpret_cast<LPSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(id)));
}

// Window messages, notifications and commands.
constexpr UINT WM_DESTROY = 0x0002;
constexpr UINT WM_PAINT = 0x000F;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_ICONERASEBKGND = 0x0027;
constexpr UINT WM_SETFONT = 0x0030;
constexpr UINT WM_QUERYDRAGICON = 0x0037;
constexpr UINT WM_SETICON = 0x0080;
constexpr UINT WM_NCDESTROY = 0x0082;
constexpr UINT WM_INITDIALOG = 0x0110;
constexpr UINT WM_COMMAND = 0x0111;
constexpr UINT WM_CTLCOLORMSGBOX = 0x0132;
constexpr UINT WM_CTLCOLOREDIT = 0x0133;
constexpr UINT WM_CTLCOLORLISTBOX = 0x0134;
constexpr UINT WM_CTLCOLORBTN = 0x0135;
constexpr UINT WM_CTLCOLORDLG = 0x0136;
constexpr UINT WM_CTLCOLORSCROLLBAR = 0x0137;
constexpr UINT WM_CTLCOLORSTATIC = 0x0138;
constexpr UINT WM_USER = 0x0400;
constexpr UINT STM_SETIMAGE = 0x0172;
constexpr UINT PBM_SETRANGE = WM_USER + 1;
constexpr UINT PBM_SETPOS = WM_USER + 2;
constexpr UINT PBM_GETPOS = WM_USER + 8;
constexpr WORD BN_CLICKED = 0;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr WPARAM ICON_SMALL = 0;
constexpr WPARAM ICON_BIG = 1;
constexpr WPARAM IMAGE_BITMAP = 0;
constexpr int DWLP_USER = 2 * sizeof(void*);

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr UINT SWP_NOSIZE = 0x0001;
constexpr UINT SWP_NOZORDER = 0x0004;
constexpr UINT SWP_NOACTIVATE = 0x0010;
constexpr UINT SPI_GETWORKAREA = 0x0030;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;

// Message boxes.
constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_YESNOCANCEL = 0x00000003;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_TYPEMASK = 0x0000000F;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
constexpr UINT MB_ICONMASK = 0x000000F0;

// Drawing.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;
constexpr ULONG GRADIENT_FILL_RECT_H = 0x00000000;
constexpr int FW_DONTCARE = 0;
constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE OUT_DEFAULT_PRECIS = 0;
constexpr BYTE CLIP_DEFAULT_PRECIS = 0;
constexpr BYTE DEFAULT_QUALITY = 0;
constexpr BYTE DEFAULT_PITCH = 0;
constexpr BYTE FF_SWISS = 2 << 4;

// Error codes.
constexpr DWORD ERROR_SUCCESS = 0;
constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_INVALID_HANDLE = 6;
constexpr DWORD ERROR_INVALID_PARAMETER = 87;
constexpr DWORD ERROR_DISK_FULL = 112;
constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
constexpr DWORD ERROR_MOD_NOT_FOUND = 126;
constexpr DWORD ERROR_PROC_NOT_FOUND = 127;
constexpr DWORD ERROR_ALREADY_EXISTS = 183;
constexpr DWORD ERROR_FILENAME_EXCED_RANGE = 206;
constexpr DWORD ERROR_NO_MORE_ITEMS = 259;
constexpr DWORD ERROR_MR_MID_NOT_FOUND = 317;
constexpr DWORD ERROR_INVALID_FLAGS = 1004;
constexpr DWORD ERROR_UNKNOWN_PRINTER_DRIVER = 1797;
constexpr DWORD ERROR_PRINTER_ALREADY_EXISTS = 1802;
constexpr DWORD ERROR_NO_SUCH_DEVINST = 0xE000020B;

// Files.
constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x00000001;
constexpr DWORD FILE_ATTRIBUTE_HIDDEN = 0x00000002;
constexpr DWORD FILE_ATTRIBUTE_SYSTEM = 0x00000004;
constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x00000010;
constexpr DWORD FILE_ATTRIBUTE_ARCHIVE = 0x00000020;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x00000080;
constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;

// Error texts.
constexpr DWORD FORMAT_MESSAGE_ALLOCATE_BUFFER = 0x00000100;
constexpr DWORD FORMAT_MESSAGE_IGNORE_INSERTS = 0x00000200;
constexpr DWORD FORMAT_MESSAGE_FROM_SYSTEM = 0x00001000;

// Spooler and device installation.
constexpr DWORD APD_COPY_ALL_FILES = 0x00000004;
constexpr DWORD INSTALLFLAG_FORCE = 0x00000001;
constexpr DWORD SPOST_PATH = 1;
constexpr DWORD SP_COPY_NEWER = 0x00000004;

struct RECT
{
    LONG left, top, right, bottom;
};

struct PAINTSTRUCT
{
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
};

struct TRIVERTEX
{
    LONG x, y;
    COLOR16 Red, Green, Blue, Alpha;
};

struct GRADIENT_RECT
{
    ULONG UpperLeft, LowerRight;
};

struct SECURITY_ATTRIBUTES;
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;
struct DEVMODEA;
typedef void* PSECURITY_DESCRIPTOR;

struct DRIVER_INFO_3A
{
    DWORD cVersion;
    LPSTR pName;
    LPSTR pEnvironment;
    LPSTR pDriverPath;
    LPSTR pDataFile;
    LPSTR pConfigFile;
    LPSTR pHelpFile;
    LPSTR pDependentFiles;
    LPSTR pMonitorName;
    LPSTR pDefaultDataType;
};

struct PRINTER_INFO_2A
{
    LPSTR pServerName;
    LPSTR pPrinterName;
    LPSTR pShareName;
    LPSTR pPortName;
    LPSTR pDriverName;
    LPSTR pComment;
    LPSTR pLocation;
    DEVMODEA* pDevMode;
    LPSTR pSepFile;
    LPSTR pPrintProcessor;
    LPSTR pDatatype;
    LPSTR pParameters;
    PSECURITY_DESCRIPTOR pSecurityDescriptor;
    DWORD Attributes;
    DWORD Priority;
    DWORD DefaultPriority;
    DWORD StartTime;
    DWORD UntilTime;
    DWORD Status;
    DWORD cJobs;
    DWORD AveragePPM;
};

typedef INT_PTR(CALLBACK* DLGPROC)(HWND, UINT, WPARAM, LPARAM);

// Provided in memory by the headless backend of the class layer.
DWORD GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size);
HMODULE GetModuleHandleA(LPCSTR moduleName);
HWND CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND owner, DLGPROC dialogProc,
                        LPARAM initParam);
BOOL DestroyWindow(HWND window);
BOOL ShowWindow(HWND window, int command);
BOOL EnableWindow(HWND window, BOOL enable);
BOOL SetDlgItemTextA(HWND dialog, int id, LPCSTR text);
HWND GetDlgItem(HWND dialog, int id);
int GetDlgCtrlID(HWND window);
int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LONG_PTR SetWindowLongPtrA(HWND window, int index, LONG_PTR value);
LONG_PTR GetWindowLongPtrA(HWND window, int index);
BOOL GetWindowRect(HWND window, RECT* rect);
BOOL GetClientRect(HWND window, RECT* rect);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
BOOL SystemParametersInfoA(UINT action, UINT param, void* value, UINT winIni);
BOOL IsIconic(HWND window);
int GetSystemMetrics(int index);
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
HICON LoadIconA(HINSTANCE instance, LPCSTR name);
HBITMAP LoadBitmapA(HINSTANCE instance, LPCSTR name);
HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                  DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                  DWORD quality, DWORD pitchAndFamily, LPCSTR faceName);
HBRUSH CreateSolidBrush(COLORREF color);
BOOL DeleteObject(HGDIOBJ object);
COLORREF SetTextColor(HDC dc, COLORREF color);
int SetBkMode(HDC dc, int mode);
