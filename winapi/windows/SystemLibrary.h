// DLLs that are not among Windows' Known DLLs are bound at run time from the system directory only:
// an installer runs elevated from a download folder, where anyone can leave a DLL of the same name.
#pragma once

#include <WinApi.h>

class SystemLibrary
{
public:
    explicit SystemLibrary(LPCSTR name);
    ~SystemLibrary();
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // The export, or nullptr with the thread's last error set, also when the DLL could not be loaded.
    template <typename Function>
    Function Proc(LPCSTR exportName) const
    {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(Address(exportName)));
    }

private:
    FARPROC Address(LPCSTR exportName) const;

    HMODULE m_module;
    DWORD m_loadError;
};

// Restricts the process's own DLL search to the system directory, where Windows supports it.
void RestrictDllSearchToSystemDirectory();
