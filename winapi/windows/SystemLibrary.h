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

// One export of a system library, bound when the library is loaded. A missing library or export is
// reported like a failed call of the function: its error becomes the thread's last error.
template <typename Function>
class SystemFunction
{
public:
    SystemFunction(const SystemLibrary& library, LPCSTR exportName)
        : m_function(library.Proc<Function>(exportName)),
          m_bindError(m_function ? ERROR_SUCCESS : ::GetLastError())
    {
    }

    // The function, or nullptr after setting the binding's error as the last error.
    Function Get() const
    {
        if (!m_function)
            ::SetLastError(m_bindError);
        return m_function;
    }

private:
    Function m_function;
    DWORD m_bindError;
};

// Restricts the process's own DLL search to the system directory, where Windows supports it.
void RestrictDllSearchToSystemDirectory();
