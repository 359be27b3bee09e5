// The seam between the program and Windows' file, spooler and device services. The Windows build makes
// the real calls; the native tests use an in-memory fake that records each call.
#pragma once

#include <WinApi.h>

class Platform
{
public:
    virtual ~Platform() = default;

    virtual void Sleep(DWORD milliseconds) = 0;
};
