// The names shared by IconReader.dll, which runs inside Setup.exe, and the tests that load it there.
#pragma once

#include <windows.h>

// The registered message that asks the reader for the window's icons.
constexpr char ICON_READER_MESSAGE[] = "TR417V.e2e.ReadIcons";
// The window properties that carry the answers: the big and small icon, and that both have been read.
constexpr char ICON_READER_BIG[] = "TR417V.e2e.BigIcon";
constexpr char ICON_READER_SMALL[] = "TR417V.e2e.SmallIcon";
constexpr char ICON_READER_DONE[] = "TR417V.e2e.IconsRead";
// The reader's hook procedure, exported by IconReader.dll.
constexpr char ICON_READER_HOOK[] = "ReadIconsHook";
