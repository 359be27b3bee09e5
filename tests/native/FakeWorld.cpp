// The contract tests' world in the native build: the fake platform.
#include <contract/ContractWorld.h>
#include <platform/fake/FakePlatform.h>

namespace
{
class FakeWorld : public ContractWorld
{
public:
    FakeWorld() { m_platform.AddDirectory(m_root); }

    Platform& System() override { return m_platform; }
    const std::string& Root() const override { return m_root; }
    void WriteFile(const std::string& path, const std::string& content) override
    {
        m_platform.AddFile(path, content);
    }
    std::string ReadFile(const std::string& path) override
    {
        const FakePlatform::Node* node = m_platform.Find(path);
        return node ? node->content : std::string();
    }
    void ForgetPrinter(const std::string& printer, const std::string& driver) override
    {
        m_platform.printers.erase(printer);
        m_platform.installedDrivers.erase(driver);
    }

private:
    FakePlatform m_platform;
    std::string m_root = "C:\\Contract";
};
} // namespace

std::unique_ptr<ContractWorld> MakeContractWorld() { return std::make_unique<FakeWorld>(); }
