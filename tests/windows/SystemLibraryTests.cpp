// System DLLs are loaded from the system directory only: a DLL of the same name beside the program or in
// the current directory, where anyone can leave one in a download folder, is never loaded.
#include <SystemLibrary.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

std::string FolderOfThisProgram()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\'));
}

// Our own DLL under the name of a system DLL, beside the program and in the current directory. The test
// process prefers native DLLs to Wine's builtin ones for this name, so a loader that searched those
// folders would take it.
class PlantedDll : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const std::string& folder : {FolderOfThisProgram(), CurrentDirectory()})
        {
            const std::string planted = folder + "\\newdev.dll";
            const std::string source = FolderOfThisProgram() + "\\planted.dll";
            ASSERT_TRUE(::CopyFileA(source.c_str(), planted.c_str(), FALSE)) << planted;
            m_planted.push_back(planted);
        }
    }
    void TearDown() override
    {
        for (const std::string& planted : m_planted)
            ::DeleteFileA(planted.c_str());
    }

    static std::string CurrentDirectory()
    {
        char directory[MAX_PATH] = {};
        ::GetCurrentDirectoryA(MAX_PATH, directory);
        return directory;
    }

    std::vector<std::string> m_planted;
};

TEST_F(PlantedDll, IsNeverLoadedInPlaceOfTheSystemsOwn)
{
    SystemLibrary newdev("newdev.dll");
    EXPECT_NE(newdev.Proc<FARPROC>("UpdateDriverForPlugAndPlayDevicesA"), nullptr);
    EXPECT_EQ(newdev.Proc<FARPROC>("Planted"), nullptr);
}

TEST(SystemLibrary, AMissingLibraryOrExportIsReportedLikeAFailedCall)
{
    SystemLibrary missing("tr417v-no-such-library.dll");
    ::SetLastError(0xDEADBEEF);
    SystemFunction<FARPROC> fromMissingLibrary(missing, "Anything");
    EXPECT_EQ(fromMissingLibrary.Get(), nullptr);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));

    SystemLibrary winspool("winspool.drv");
    SystemFunction<FARPROC> missingExport(winspool, "TR417VNoSuchExport");
    ::SetLastError(0xDEADBEEF);
    EXPECT_EQ(missingExport.Get(), nullptr);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
}

} // namespace
