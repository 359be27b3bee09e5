// The two functions of the UNIDRVUI.DLL stand-in. A spooler calls into the printer interface DLL of a
// queue's driver for the queue's default DEVMODE (AddPrinter does when it is given none) and for the
// device's capabilities, and Wine's spooler calls these two without checking that the DLL exports
// them. The stand-in exports both and refuses every request, so a caller goes on without a DEVMODE or
// capabilities, as it does for a driver that fails, instead of jumping to a null address.
//
// They use nothing but their arguments: the DLL still needs no C runtime and imports nothing.
// UNIDRVUI.def exports them.
#include <windows.h>

#include <compstui.h>

// Document properties: no DEVMODE, no property sheets.
LONG WINAPI DrvDocumentPropertySheets(PPROPSHEETUI_INFO propertySheetInfo, LPARAM lParam)
{
    (void)propertySheetInfo;
    (void)lParam;
    return -1;
}

// Device capabilities: none known.
DWORD WINAPI DrvDeviceCapabilities(HANDLE printer, PWSTR deviceName, WORD capability, VOID* output,
                                   DEVMODEW* devMode)
{
    (void)printer;
    (void)deviceName;
    (void)capability;
    (void)output;
    (void)devMode;
    return GDI_ERROR;
}
