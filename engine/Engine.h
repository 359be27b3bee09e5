// The installation engine: what the wizard's steps do to the system. Each operation tells the user about
// its own problems in message boxes before it returns.
#pragma once

#include <platform/Platform.h>
#include <ui/Wnd.h>

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

namespace engine
{

// Tests that every package file is there; names the first missing one in a box owned by the dialog.
BOOL CheckPackage(Platform& platform, CWnd& dialog);

// Asks the spooler for the printer driver directory, keeps it in driverDir and writes the summary into
// text (PAGE_TEXT_SIZE bytes). A failed lookup leaves both with an empty directory.
void BuildSummary(Platform& platform, char* text, char (&driverDir)[MAX_PATH]);

// Copies the package into driverDir, skipping files already there, one progress step per file.
BOOL CopyDriverFiles(Platform& platform, CWnd& dialog, CProgressCtrl& progress, const char* driverDir);

// Adds the driver and the printer queue on the parallel port. TRUE when the queue exists afterwards.
BOOL InstallParallelPrinter(Platform& platform);

// Makes Windows use the copied driver for the chosen connection.
BOOL RegisterPrinter(Platform& platform, CWnd& dialog, ConnectionType connection, const char* driverDir);

} // namespace engine
