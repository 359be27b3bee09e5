// The wizard's pages as the user sees them, shared by the native tests (headless dialog, fake platform)
// and the end-to-end tests (the real Setup.exe under Wine), so that both check the same table.
#pragma once

#include <engine/Package.h>
#include <wizard/Texts.h>
#include <wizard/resource.h>

// The thirteen controls of the dialog, in template order.
constexpr int ALL_CONTROLS[13] = {IDC_WELCOME_PICTURE,
                                  IDC_SPARE_LABEL,
                                  IDC_STEP_TEXT,
                                  IDC_NEXT,
                                  IDC_BACK,
                                  IDC_EXIT,
                                  IDC_INFO,
                                  IDC_ACCEPT_LABEL,
                                  IDC_CONNECTION_GROUP,
                                  IDC_PROGRESS,
                                  IDC_USB,
                                  IDC_PARALLEL,
                                  IDC_PRINTER_PICTURE};

// A button as the page shows it; a null text is not looked at (the table gives none for hidden buttons).
struct ButtonView
{
    bool visible;
    bool enabled;
    const char* text;
};

enum class InfoBox
{
    Hidden,
    Licence,
    Summary,
};

// One page: each control as it stands once the page is shown. IDC_SPARE_LABEL is hidden on every page,
// and no control but the three buttons is ever disabled.
struct PageView
{
    const char* name;
    const char* stepText; // null: the step text is hidden
    ButtonView next;
    ButtonView back;
    ButtonView exit;
    InfoBox info;
    bool acceptLabel;
    bool connectionControls; // the group, the two radio buttons and the two pictures
    int progress;            // -1: the progress bar is hidden
};

// clang-format off
constexpr PageView CONNECTION_PAGE = {"connection", nullptr,
    {true, true, CAPTION_INSTALL}, {false, true, nullptr}, {true, true, CAPTION_QUIT_SETUP},
    InfoBox::Hidden, false, true, -1};
constexpr PageView LICENCE_PAGE = {"licence", STEP_TEXT_READ_LICENCE,
    {true, true, CAPTION_YES}, {true, true, CAPTION_BACK}, {true, true, CAPTION_NO},
    InfoBox::Licence, true, false, -1};
constexpr PageView SUMMARY_PAGE = {"summary", STEP_TEXT_READY_TO_COPY,
    {true, true, CAPTION_NEXT}, {true, true, CAPTION_BACK}, {true, true, CAPTION_CANCEL},
    InfoBox::Summary, false, false, -1};
// The hidden buttons are disabled too, so that Enter cannot press the default button, Back.
constexpr PageView DAMAGED_PAGE = {"damaged package", STEP_TEXT_PACKAGE_DAMAGED,
    {false, false, nullptr}, {false, false, nullptr}, {true, true, CAPTION_EXIT},
    InfoBox::Hidden, false, false, -1};
constexpr PageView COPY_DONE_PAGE = {"copy done", STEP_TEXT_COPY_DONE,
    {true, true, CAPTION_NEXT}, {true, false, CAPTION_BACK}, {true, true, CAPTION_CANCEL},
    InfoBox::Summary, false, false, DRIVER_PACKAGE_SIZE};
constexpr PageView INSTALLED_PAGE = {"installed", STEP_TEXT_INSTALLED,
    {true, true, CAPTION_FINISH}, {false, false, nullptr}, {true, false, CAPTION_CANCEL},
    InfoBox::Summary, false, false, -1};
constexpr PageView CABLE_PAGE = {"cable", STEP_TEXT_CABLE_NOT_CONNECTED,
    {true, true, CAPTION_NEXT}, {true, false, CAPTION_BACK}, {true, true, CAPTION_CANCEL},
    InfoBox::Summary, false, false, -1};
constexpr PageView REGISTRATION_FAILED_PAGE = {"registration failed", STEP_TEXT_INSTALL_FAILED,
    {true, false, CAPTION_NEXT}, {true, false, CAPTION_BACK}, {true, true, CAPTION_CANCEL},
    InfoBox::Summary, false, false, -1};
// clang-format on

// The copy-failed page, with the bar where the copy stopped.
constexpr PageView CopyFailedPage(int progress)
{
    return {"copy failed",
            STEP_TEXT_COPY_FAILED,
            {true, false, CAPTION_NEXT},
            {true, false, CAPTION_BACK},
            {true, true, CAPTION_CANCEL},
            InfoBox::Summary,
            false,
            false,
            progress};
}
