// The platform of the native tests: nothing touches the real system, and every call is recorded.
#pragma once

#include <platform/Platform.h>

#include <vector>

class FakePlatform : public Platform
{
public:
    void Sleep(DWORD milliseconds) override { sleeps.push_back(milliseconds); }

    // Pauses are recorded, not slept, so the tests stay fast.
    std::vector<DWORD> sleeps;
};
