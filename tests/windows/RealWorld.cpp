// The contract tests' world in the Windows build: the real platform and a scratch folder under TEMP.
#include "FileTree.h"

#include <contract/ContractWorld.h>
#include <platform/win32/Win32Platform.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace
{
class RealWorld : public ContractWorld
{
public:
    RealWorld()
    {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        static int serial = 0;
        m_root = std::string(temp) + "tr417v-contract-" + std::to_string(::GetCurrentProcessId()) + "-" +
                 std::to_string(++serial);
        RemoveTree(m_root);
        ::CreateDirectoryA(m_root.c_str(), nullptr);
    }
    ~RealWorld() override { RemoveTree(m_root); }

    Platform& System() override { return m_platform; }
    const std::string& Root() const override { return m_root; }
    void WriteFile(const std::string& path, const std::string& content) override
    {
        std::ofstream(path, std::ios::binary) << content;
    }
    std::string ReadFile(const std::string& path) override
    {
        std::ostringstream content;
        content << std::ifstream(path, std::ios::binary).rdbuf();
        return content.str();
    }
    void ForgetPrinter(const std::string& printer, const std::string& driver) override
    {
        HANDLE handle = nullptr;
        PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
        if (::OpenPrinterA(const_cast<LPSTR>(printer.c_str()), &handle, &access))
        {
            ::DeletePrinter(handle);
            ::ClosePrinter(handle);
        }
        ::DeletePrinterDriverA(nullptr, nullptr, const_cast<LPSTR>(driver.c_str()));
    }

private:
    Win32Platform m_platform;
    std::string m_root;
};
} // namespace

std::unique_ptr<ContractWorld> MakeContractWorld() { return std::make_unique<RealWorld>(); }
