// Walks through one installation as a person would and saves a picture of the screen at every page and
// every message box, for people to look at. It also shows the two questions a user meets on the way
// (Install with no connection chosen, and the exit question, answered No), and at the end prints what
// the spooler recorded of the new printer.
//
// Usage: walkthrough.exe parallel|usb FOLDER
// The pictures are FOLDER\NN-name.bmp, in the order they were taken.
#include "Scenario.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>

namespace
{

using namespace e2e;

// The whole screen (with Wine's virtual desktop, the desktop window with its frames) as a 24-bit BMP.
bool SaveScreen(const std::string& path)
{
    HDC screen = ::GetDC(nullptr);
    const int width = ::GetDeviceCaps(screen, HORZRES);
    const int height = ::GetDeviceCaps(screen, VERTRES);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP picture = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = ::CreateCompatibleDC(screen);
    HGDIOBJ previous = ::SelectObject(memory, picture);
    ::BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    ::GdiFlush();

    const DWORD rowSize = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD imageSize = rowSize * static_cast<DWORD>(height);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + imageSize;
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(static_cast<const char*>(bits), imageSize);
    const bool written = out.good();

    ::SelectObject(memory, previous);
    ::DeleteDC(memory);
    ::DeleteObject(picture);
    ::ReleaseDC(nullptr, screen);
    return written;
}

class Walk
{
public:
    explicit Walk(std::string folder) : m_folder(std::move(folder)) {}

    void Picture(const char* name)
    {
        char file[64];
        std::snprintf(file, sizeof file, "%02d-%s.bmp", ++m_pictures, name);
        // Whatever Wine still has to draw is drawn before the picture is taken.
        ::Sleep(300);
        if (!SaveScreen(m_folder + "\\" + file))
            Fail(std::string("could not save ") + file);
        std::printf("  %s\n", file);
    }

    // The box that the last press opened: its picture, then the answer.
    void PictureOfBox(const char* name, int answer)
    {
        MessageBoxInfo box;
        Check(m_run.WaitForMessageBox(box), name);
        Picture(name);
        Check(m_run.Answer(box, answer), name);
        Check(m_run.Settle(), name);
    }

    void Press(int id, const char* what) { Check(m_run.Click(id), what); }

    // Answers the boxes an installation shows on its way (such as the USB cable notice) with a picture
    // of each, until the page with the step text is shown.
    void PageAfterBoxes(const char* stepText, const char* name)
    {
        for (int attempt = 0; attempt < 20; ++attempt)
        {
            if (m_run.WaitForStepText(stepText, 500))
                break;
            if (!m_run.OpenMessageBoxes().empty())
                PictureOfBox("message-box", IDOK);
        }
        Check(m_run.WaitForStepText(stepText), name);
        Picture(name);
    }

    void Run(int connection)
    {
        Check(ForgetInstallation(), "a clean system");
        Check(m_workFolder.AddPackage(), "the package");
        Check(m_run.Start(m_workFolder), "Setup.exe started");
        Picture("connection");

        Press(IDC_NEXT, "Install without a connection");
        PictureOfBox("no-connection-chosen", IDOK);

        Press(connection, "the connection");
        Check(m_run.Settle(), "the connection");
        Picture("connection-chosen");

        Press(IDC_NEXT, "Install");
        PageAfterBoxes(STEP_TEXT_READ_LICENCE, "licence");
        Press(IDC_EXIT, "No");
        PictureOfBox("exit-question", IDNO);

        Press(IDC_NEXT, "Yes");
        PageAfterBoxes(STEP_TEXT_READY_TO_COPY, "summary");
        Press(IDC_NEXT, "Next");
        PageAfterBoxes(STEP_TEXT_COPY_DONE, "copy-done");
        Press(IDC_NEXT, "Next");
        PageAfterBoxes(STEP_TEXT_INSTALLED, "installed");
        Press(IDC_NEXT, "Finish");
        Check(m_run.WaitForExit(), "Setup.exe ended");
    }

private:
    static void Fail(const std::string& what)
    {
        std::fprintf(stderr, "walkthrough: %s\n", what.c_str());
        std::exit(1);
    }

    void Check(const ::testing::AssertionResult& result, const char* what)
    {
        if (!result)
            Fail(std::string(what) + ": " + result.message() + "\n" + m_run.Describe());
    }

    std::string m_folder;
    int m_pictures = 0;
    WorkFolder m_workFolder;
    SetupRun m_run;
};

void PrintSpoolerRecord()
{
    const QueueRecord queue = FindQueue(PRINTER_NAME);
    if (!queue.found)
    {
        std::printf("The spooler has no printer named %s.\n", PRINTER_NAME);
        return;
    }
    std::printf("Printer queue (EnumPrinters, level 2):\n");
    std::printf("  name             %s\n  port             %s\n  driver           %s\n", queue.name.c_str(),
                queue.port.c_str(), queue.driver.c_str());
    std::printf("  print processor  %s\n  data type        %s\n", queue.printProcessor.c_str(),
                queue.dataType.c_str());
    const DriverRecord driver = DriverOfQueue(PRINTER_NAME);
    std::printf("Its driver (GetPrinterDriver, level 3):\n");
    std::printf("  name             %s\n  version          %lu\n  environment      %s\n", driver.name.c_str(),
                static_cast<unsigned long>(driver.version), driver.environment.c_str());
    std::printf(
        "  driver file      %s\n  data file        %s\n  config file      %s\n  help file        %s\n",
        driver.driverPath.c_str(), driver.dataFile.c_str(), driver.configFile.c_str(),
        driver.helpFile.c_str());
    for (const std::string& file : driver.dependentFiles)
        std::printf("  dependent file   %s\n", file.c_str());
    std::printf("  data type        %s\n", driver.defaultDataType.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || (std::string(argv[1]) != "parallel" && std::string(argv[1]) != "usb"))
    {
        std::fprintf(stderr, "usage: walkthrough parallel|usb FOLDER\n");
        return 2;
    }
    const bool parallel = std::string(argv[1]) == "parallel";
    std::printf("A %s installation; pictures in %s:\n", parallel ? "parallel-port" : "USB", argv[2]);
    Walk walk(argv[2]);
    walk.Run(parallel ? IDC_PARALLEL : IDC_USB);
    if (parallel)
        PrintSpoolerRecord();
    // Wine's virtual desktop does not pass the exit code on; the script looks for this line instead.
    std::printf("Walkthrough complete.\n");
    std::fflush(stdout);
    return 0;
}
