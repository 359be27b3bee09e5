// The installation operations that the wizard's steps run, and what passes between them and the wizard.
#pragma once

#include <engine/Engine.h>

#include <WinApi.h>

#include <cstdint>

// The current step of the wizard. Next and Back move it by one without bounds; only these values
// show a page.
typedef std::int32_t WizardStep;
constexpr WizardStep STEP_CHOOSE_CONNECTION = 0;
constexpr WizardStep STEP_LICENCE = 1;
constexpr WizardStep STEP_CHECK_PACKAGE = 2;
constexpr WizardStep STEP_COPY_FILES = 3;
constexpr WizardStep STEP_REGISTER_PRINTER = 4;
constexpr WizardStep STEP_QUIT = 5;

// Why a registration failed, when there is a reason the user can mend.
typedef std::int32_t RegisterFailReason;
constexpr RegisterFailReason FAIL_REASON_NONE = 0;
constexpr RegisterFailReason FAIL_REASON_USB_NOT_CONNECTED = 1;

// Each operation tells the user about its own problems before it returns; the wizard only turns the
// result into the page's text and buttons.
class SetupEngine
{
public:
    // TRUE when every package file is present; otherwise the missing one has been named.
    virtual BOOL CheckPackage() = 0;
    // Writes the installation summary into text (PAGE_TEXT_SIZE bytes) and sets the driver directory.
    virtual void BuildSummary(char* text) = 0;
    // Copies the package into the driver directory, moving the progress bar one step per file.
    virtual BOOL CopyDriverFiles() = 0;
    // Makes Windows use the driver for the chosen connection. After FALSE, reason may say why.
    virtual BOOL RegisterPrinter(RegisterFailReason& reason) = 0;

protected:
    ~SetupEngine() = default;
};
