// The installation engine: what the wizard's steps do to the system.
#pragma once

#include <cstdint>

// How the printer is connected, as the user chose it on the first page.
enum ConnectionType : std::uint8_t
{
    CONNECTION_NONE = 0,
    CONNECTION_USB = 1,
    CONNECTION_PARALLEL = 2,
};

// The size of the wizard's page text buffer, which receives the installation summary.
constexpr int PAGE_TEXT_SIZE = 1000;
