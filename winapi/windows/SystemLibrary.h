// DLLs that are not among Windows' Known DLLs are bound at run time from the system directory only:
// an installer runs elevated from a download folder, where anyone can leave a DLL of the same name.
#pragma once

#include <WinApi.h>

// The DLL is loaded when the first of its exports is asked for, so that a program starts without the
// DLLs it needs only later.
class SystemLibrary
{
public:
    explicit SystemLibrary(LPCSTR name) : m_name(name) {}
    ~SystemLibrary();
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // The export, or nullptr with the thread's last error set, also when the DLL could not be loaded.
    template <typename Function>
    Function Proc(LPCSTR exportName)
    {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(Address(exportName)));
    }

private:
    FARPROC Address(LPCSTR exportName);

    LPCSTR m_name;
    bool m_loadTried = false;
    HMODULE m_module = nullptr;
    DWORD m_loadError = ERROR_SUCCESS;
};

// One export of a system library, bound when it is first called. A missing library or export is
// reported like a failed call of the function: its error becomes the thread's last error.
template <typename Function>
class SystemFunction
{
public:
    SystemFunction(SystemLibrary& library, LPCSTR exportName) : m_library(library), m_exportName(exportName)
    {
    }

    // The function, or nullptr after setting the binding's error as the last error.
    Function Get()
    {
        if (!m_bound)
        {
            m_function = m_library.Proc<Function>(m_exportName);
            m_bindError = m_function ? ERROR_SUCCESS : ::GetLastError();
            m_bound = true;
        }
        if (!m_function)
            ::SetLastError(m_bindError);
        return m_function;
    }

private:
    SystemLibrary& m_library;
    LPCSTR m_exportName;
    bool m_bound = false;
    Function m_function = nullptr;
    DWORD m_bindError = ERROR_SUCCESS;
};

// Restricts the process's own DLL search to the system directory, where Windows supports it.
void RestrictDllSearchToSystemDirectory();
