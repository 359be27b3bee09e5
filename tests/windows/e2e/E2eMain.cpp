// The end-to-end tests' entry point: a failing check prints what Setup.exe showed at that moment.
#include "SystemState.h"
#include "WizardDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
// The tests run on a display without a window manager. Wine then waits two seconds for every hidden
// window of Setup.exe to be withdrawn (each closed message box, and the dialog at the end); windows that
// Wine manages itself hide at once. The setting applies to Setup.exe alone and is put back afterwards.
class SetupWindowsManagedByWine : public ::testing::Environment
{
public:
    void SetUp() override
    {
        if (!e2e::RunningUnderWine())
            return;
        // The keys that are not there yet are made here, and taken away afterwards, deepest first.
        for (const char* path : KEY_PATHS)
        {
            HKEY existing = nullptr;
            if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &existing) == ERROR_SUCCESS)
                ::RegCloseKey(existing);
            else
                m_createdKeys.insert(m_createdKeys.begin(), path);
        }
        if (::RegCreateKeyExA(HKEY_CURRENT_USER, KEY_PATH, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                              &m_key, nullptr) != ERROR_SUCCESS)
        {
            m_key = nullptr;
            return;
        }
        char value[16] = {};
        DWORD size = sizeof value - 1;
        DWORD type = 0;
        m_hadValue = ::RegQueryValueExA(m_key, VALUE_NAME, nullptr, &type, reinterpret_cast<BYTE*>(value),
                                        &size) == ERROR_SUCCESS &&
                     type == REG_SZ;
        m_previous = m_hadValue ? value : "";
        ::RegSetValueExA(m_key, VALUE_NAME, 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
    }

    void TearDown() override
    {
        if (!m_key)
            return;
        if (m_hadValue)
        {
            ::RegSetValueExA(m_key, VALUE_NAME, 0, REG_SZ, reinterpret_cast<const BYTE*>(m_previous.c_str()),
                             static_cast<DWORD>(m_previous.size() + 1));
        }
        else
        {
            ::RegDeleteValueA(m_key, VALUE_NAME);
        }
        ::RegCloseKey(m_key);
        m_key = nullptr;
        for (const char* path : m_createdKeys)
            ::RegDeleteKeyA(HKEY_CURRENT_USER, path);
        m_createdKeys.clear();
    }

private:
    static constexpr const char* KEY_PATHS[] = {"Software\\Wine\\AppDefaults",
                                                "Software\\Wine\\AppDefaults\\Setup.exe",
                                                "Software\\Wine\\AppDefaults\\Setup.exe\\X11 Driver"};
    static constexpr const char* KEY_PATH = KEY_PATHS[2];
    static constexpr const char* VALUE_NAME = "Managed";
    HKEY m_key = nullptr;
    std::vector<const char*> m_createdKeys;
    bool m_hadValue = false;
    std::string m_previous;
};
} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(e2e::NewFailureDescriber());
    ::testing::AddGlobalTestEnvironment(new SetupWindowsManagedByWine);
    return RUN_ALL_TESTS();
}
