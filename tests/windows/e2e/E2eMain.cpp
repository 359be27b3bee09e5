// The end-to-end tests' entry point: a failing check prints what Setup.exe showed at that moment.
#include "SystemState.h"
#include "WizardDriver.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
// The tests run on a display without a window manager: Wine manages Setup.exe's windows itself for the
// run, so that closed message boxes and the ended dialog go at once.
class SetupWindowsManagedByWine : public ::testing::Environment
{
public:
    void SetUp() override
    {
        if (e2e::RunningUnderWine())
            m_managed = std::make_unique<e2e::ManagedByWine>("Setup.exe");
    }
    void TearDown() override { m_managed.reset(); }

private:
    std::unique_ptr<e2e::ManagedByWine> m_managed;
};
} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(e2e::NewFailureDescriber());
    ::testing::AddGlobalTestEnvironment(new SetupWindowsManagedByWine);
    return RUN_ALL_TESTS();
}
