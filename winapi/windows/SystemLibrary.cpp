#include "SystemLibrary.h"

#include <cstring>

namespace
{
HMODULE LoadFromSystemDirectory(LPCSTR name)
{
    HMODULE module = ::LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module || ::GetLastError() != ERROR_INVALID_PARAMETER)
        return module;

    // Windows without the search flags: name the file by its full path under the system directory.
    char path[MAX_PATH];
    const UINT length = ::GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length + 1 + std::strlen(name) >= MAX_PATH)
    {
        ::SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return nullptr;
    }
    path[length] = '\\';
    std::strcpy(path + length + 1, name);
    return ::LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}
} // namespace

SystemLibrary::~SystemLibrary()
{
    if (m_module)
        ::FreeLibrary(m_module);
}

FARPROC SystemLibrary::Address(LPCSTR exportName)
{
    if (!m_loadTried)
    {
        m_loadTried = true;
        m_module = LoadFromSystemDirectory(m_name);
        m_loadError = m_module ? ERROR_SUCCESS : ::GetLastError();
    }
    if (!m_module)
    {
        ::SetLastError(m_loadError);
        return nullptr;
    }
    return ::GetProcAddress(m_module, exportName);
}

void RestrictDllSearchToSystemDirectory()
{
    using SetDefaultDllDirectoriesProc = BOOL(WINAPI*)(DWORD);
    HMODULE kernel32 = ::GetModuleHandleA("kernel32.dll");
    auto setDefaultDllDirectories = reinterpret_cast<SetDefaultDllDirectoriesProc>(
        reinterpret_cast<void*>(::GetProcAddress(kernel32, "SetDefaultDllDirectories")));
    if (setDefaultDllDirectories)
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
}
