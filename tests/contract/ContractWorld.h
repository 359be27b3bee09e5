// What the platform's contract tests need besides the seam itself: a scratch folder to work in. The
// native build gives them the fake platform, the Windows build the real one under Wine, so that the
// fake cannot drift from what Windows does.
#pragma once

#include <platform/Platform.h>

#include <memory>
#include <string>

class ContractWorld
{
public:
    virtual ~ContractWorld() = default;

    virtual Platform& System() = 0;
    // An empty folder of the test's own, as an absolute path.
    virtual const std::string& Root() const = 0;
    virtual void WriteFile(const std::string& path, const std::string& content) = 0;
    virtual std::string ReadFile(const std::string& path) = 0;
    // Removes a printer queue and its driver left by an earlier run, so that each run starts clean.
    virtual void ForgetPrinter(const std::string& printer, const std::string& driver) = 0;
};

std::unique_ptr<ContractWorld> MakeContractWorld();
