// Measures Setup.exe as the end-to-end tests run it, and prints one table (scripts/benchmark.sh):
// - start-up: from just before CreateProcess to the first paint of the dialog, against BareDialog.exe;
// - a parallel-port installation: the copy and registration steps, from the click to the next page;
// - the peak working set, and the live GDI objects at the first page, at the installed page and after
//   many repaints of the information box;
// - the size of Setup.exe, and of the same program built without its bitmaps.
//
// The driver of the end-to-end tests starts, clicks and settles; the timed waits are this file's own.
// They look about every millisecond at what the system keeps for the windows (visibility, text, enabled
// state, update regions), which needs no answer from the program, busy as it is in a click's handler.
// The driver's own waits would add their resolution to the figures: WaitForStepText looks every 20 ms,
// each look may wait up to 200 ms for a busy program's answer, and Settle then needs two readings
// 100 ms apart that agree.
#include "e2e/SystemState.h"
#include "e2e/WizardDriver.h"

#include <wizard/Texts.h>
#include <wizard/resource.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{

using namespace e2e;

constexpr int REPAINTS = 200;
constexpr int TIMEOUT_S = 15;
// The copy step's fixed pauses: 100 ms after each of the eight files, then 1000 ms on the full bar.
constexpr double COPY_PAUSES_MS = 8 * 100 + 1000;

double NowMs()
{
    static const double ticksPerMs = [] {
        LARGE_INTEGER frequency;
        ::QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / ticksPerMs;
}

void Check(const ::testing::AssertionResult& result, const std::string& what, const SetupRun* run = nullptr)
{
    if (!result)
        throw std::runtime_error(what + ": " + result.message() + "\n" + (run ? run->Describe() : ""));
}

std::string Folder(const std::string& path) { return path.substr(0, path.find_last_of('\\')); }

std::string OwnFolder()
{
    char exe[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, exe, MAX_PATH);
    return Folder(exe);
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// How finely the waits below see a change: it happened between the look that saw it and the one before,
// so the gap between those two looks bounds how late a figure can be.
struct PollRecord
{
    long looks = 0;
    double gapTotal = 0;
    double longestFinalGap = 0;

    double MeanGap() const { return looks ? gapTotal / static_cast<double>(looks) : 0; }
};

// Looks about every millisecond until the condition holds; returns the time of the look that saw it.
template <typename Condition>
double PollUntil(Condition condition, const std::string& what, PollRecord& record)
{
    const double start = NowMs();
    double previous = start;
    for (;;)
    {
        const double now = NowMs();
        ++record.looks;
        record.gapTotal += now - previous;
        if (condition())
        {
            record.longestFinalGap = std::max(record.longestFinalGap, now - previous);
            return now;
        }
        if (now - start > TIMEOUT_S * 1000.0)
            throw std::runtime_error(what + ": not within " + std::to_string(TIMEOUT_S) + " s");
        previous = now;
        ::Sleep(1);
    }
}

BOOL CALLBACK FindUpdateRegion(HWND child, LPARAM found)
{
    RECT rect;
    if (::GetUpdateRect(child, &rect, FALSE))
    {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

// Painted: neither the window nor any child of it has an update region left.
bool Painted(HWND window)
{
    RECT rect;
    if (::GetUpdateRect(window, &rect, FALSE))
        return false;
    bool found = false;
    ::EnumChildWindows(window, FindUpdateRegion, reinterpret_cast<LPARAM>(&found));
    return !found;
}

SIZE_T PeakWorkingSet(HANDLE process)
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!::GetProcessMemoryInfo(process, &counters, sizeof counters))
        throw std::runtime_error("GetProcessMemoryInfo failed: error " + std::to_string(::GetLastError()));
    return counters.PeakWorkingSetSize;
}

DWORD GdiObjects(HANDLE process)
{
    DWORD count = 0;
    Check(CountGdiObjects(process, count), "counting GDI objects");
    return count;
}

// -1 where the system does not count them (Wine's GetGuiResources is a stub).
long UserObjects(HANDLE process)
{
    const DWORD count = ::GetGuiResources(process, GR_USEROBJECTS);
    return count == 0 && RunningUnderWine() ? -1 : static_cast<long>(count);
}

// The visible dialog window (class #32770) among a thread's top-level windows. Both programs make their
// dialog on the main thread; asking for that thread's windows alone keeps each look light.
BOOL CALLBACK FindVisibleDialog(HWND window, LPARAM found)
{
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (std::strcmp(className, "#32770") != 0 || !::IsWindowVisible(window))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// One start of a program, ended by its handle when the object goes.
class Launch
{
public:
    // Starts the program as SetupRun::Start does, in the folder, and waits for the first paint of its
    // dialog: visible, and it and all its children without an update region.
    Launch(const std::string& exe, const WorkFolder& folder, PollRecord& record)
    {
        std::string commandLine = "\"" + exe + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        const double start = NowMs();
        if (!::CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                              folder.Path().c_str(), &startup, &m_process))
            throw std::runtime_error("could not start " + exe + ": error " +
                                     std::to_string(::GetLastError()));
        HWND dialog = nullptr;
        const double painted = PollUntil(
            [&] {
                if (::WaitForSingleObject(m_process.hProcess, 0) == WAIT_OBJECT_0)
                    throw std::runtime_error(exe + " ended before its dialog was painted");
                if (!dialog)
                {
                    m_shownMs = NowMs() - start;
                    ::EnumThreadWindows(m_process.dwThreadId, FindVisibleDialog,
                                        reinterpret_cast<LPARAM>(&dialog));
                }
                return dialog && Painted(dialog);
            },
            "the first paint of " + exe, record);
        m_paintedMs = painted - start;
        m_peak = PeakWorkingSet(m_process.hProcess);
    }

    ~Launch()
    {
        ::TerminateProcess(m_process.hProcess, 1);
        ::WaitForSingleObject(m_process.hProcess, 5000);
        ::CloseHandle(m_process.hProcess);
        ::CloseHandle(m_process.hThread);
        // Time for Wine to take the windows down before the next start.
        ::Sleep(300);
    }

    Launch(const Launch&) = delete;
    Launch& operator=(const Launch&) = delete;

    double ShownMs() const { return m_shownMs; }
    double PaintedMs() const { return m_paintedMs; }
    double Peak() const { return static_cast<double>(m_peak); }

private:
    PROCESS_INFORMATION m_process = {};
    double m_shownMs = 0;
    double m_paintedMs = 0;
    SIZE_T m_peak = 0;
};

struct StartSample
{
    double shownMs, paintedMs, peak;
};

// One start of the program, ended before the next begins.
StartSample StartOnce(const std::string& exe, const WorkFolder& folder, PollRecord& record)
{
    const Launch launch(exe, folder, record);
    return {launch.ShownMs(), launch.PaintedMs(), launch.Peak()};
}

struct Startup
{
    std::vector<StartSample> setup, bare;
    PollRecord polls;
};

double MedianOf(const std::vector<StartSample>& samples, double StartSample::*field)
{
    std::vector<double> values;
    for (const StartSample& sample : samples)
        values.push_back(sample.*field);
    return Median(values);
}

Startup MeasureStartup(const WorkFolder& folder, int runs)
{
    const std::string setup = DistFolder() + "\\Setup.exe";
    const std::string bare = OwnFolder() + "\\BareDialog.exe";
    Startup result;
    std::printf("Start-up, from process start to dialog shown / first paint (one warm-up of each, then %d "
                "runs, interleaved):\n",
                runs);
    for (int run = 0; run <= runs; ++run)
    {
        const StartSample setupSample = StartOnce(setup, folder, result.polls);
        const StartSample bareSample = StartOnce(bare, folder, result.polls);
        std::printf("  %-7s Setup.exe %6.1f / %6.1f ms   BareDialog.exe %6.1f / %6.1f ms\n",
                    run ? ("run " + std::to_string(run)).c_str() : "warm-up", setupSample.shownMs,
                    setupSample.paintedMs, bareSample.shownMs, bareSample.paintedMs);
        if (run > 0)
        {
            result.setup.push_back(setupSample);
            result.bare.push_back(bareSample);
        }
    }
    return result;
}

struct Installation
{
    double copyMs = 0, registerMs = 0;
    SIZE_T peak = 0;
    DWORD gdiFirstPage = 0, gdiInstalled = 0, gdiRepainted = 0;
    long userFirstPage = 0, userInstalled = 0, userRepainted = 0;
    PollRecord polls;
};

// Clicks Next and returns the time until the page with the step text is there and painted, with Next
// enabled. Only what the system keeps is read: the program is busy in the click's handler.
double TimeNextTo(SetupRun& run, const char* stepText, PollRecord& record)
{
    HWND dialog = run.Dialog();
    HWND step = ::GetDlgItem(dialog, IDC_STEP_TEXT);
    HWND next = ::GetDlgItem(dialog, IDC_NEXT);
    const double start = NowMs();
    Check(run.Click(IDC_NEXT), "Next", &run);
    const double shown = PollUntil(
        [&] {
            char text[512] = {};
            ::GetWindowTextA(step, text, sizeof text);
            return std::strcmp(text, stepText) == 0 && ::IsWindowEnabled(next) && Painted(dialog);
        },
        "the page after Next", record);
    Check(run.Settle(), "the page after Next", &run);
    return shown - start;
}

// Scrolls the information box a line down or up and has it redrawn, each time waiting for the paint.
// The installed page's text fits the box, so the redraw is what makes every turn paint.
void RepaintInformationBox(SetupRun& run)
{
    HWND info = ::GetDlgItem(run.Dialog(), IDC_INFO);
    if (!::IsWindowVisible(info))
        throw std::runtime_error("the information box is hidden on the installed page");
    PollRecord record;
    for (int turn = 0; turn < REPAINTS; ++turn)
    {
        DWORD_PTR result = 0;
        ::SendMessageTimeoutA(info, WM_VSCROLL, turn % 2 ? SB_LINEUP : SB_LINEDOWN, 0, SMTO_ABORTIFHUNG, 1000,
                              &result);
        ::RedrawWindow(info, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
        PollUntil([&] { return Painted(run.Dialog()); }, "the information box's repaint", record);
    }
}

Installation MeasureInstallation(const WorkFolder& folder)
{
    Installation result;
    Check(ForgetInstallation(), "a clean system");
    SetupRun run;
    Check(run.Start(folder), "Setup.exe started", &run);
    result.gdiFirstPage = GdiObjects(run.Process());
    result.userFirstPage = UserObjects(run.Process());

    Check(run.Click(IDC_PARALLEL), "the parallel port", &run);
    Check(run.Settle(), "the parallel port", &run);
    Check(run.Click(IDC_NEXT), "Install", &run);
    Check(run.WaitForStepText(STEP_TEXT_READ_LICENCE), "the licence page", &run);
    Check(run.Click(IDC_NEXT), "Yes", &run);
    Check(run.WaitForStepText(STEP_TEXT_READY_TO_COPY), "the summary page", &run);
    result.copyMs = TimeNextTo(run, STEP_TEXT_COPY_DONE, result.polls);
    result.registerMs = TimeNextTo(run, STEP_TEXT_INSTALLED, result.polls);
    std::printf("Installation: copy %.1f ms, registration %.1f ms\n", result.copyMs, result.registerMs);

    result.peak = PeakWorkingSet(run.Process());
    result.gdiInstalled = GdiObjects(run.Process());
    result.userInstalled = UserObjects(run.Process());
    RepaintInformationBox(run);
    Check(run.Settle(), "after the repaints", &run);
    result.gdiRepainted = GdiObjects(run.Process());
    result.userRepainted = UserObjects(run.Process());

    Check(run.Click(IDC_NEXT), "Finish", &run);
    Check(run.WaitForExit(), "Setup.exe ended", &run);
    return result;
}

ULONGLONG FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        throw std::runtime_error(path + " is missing");
    return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

BOOL CALLBACK AddBitmapSize(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR total)
{
    if (HRSRC resource = ::FindResourceA(module, name, type))
        *reinterpret_cast<ULONGLONG*>(total) += ::SizeofResource(module, resource);
    return TRUE;
}

// The bytes of the program's RT_BITMAP resources.
ULONGLONG BitmapBytes(const std::string& path)
{
    HMODULE module = ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        throw std::runtime_error("could not read the resources of " + path);
    ULONGLONG total = 0;
    ::EnumResourceNamesA(module, RT_BITMAP, AddBitmapSize, reinterpret_cast<LONG_PTR>(&total));
    ::FreeLibrary(module);
    return total;
}

std::string Format(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Pair(const char* format, double first, double second)
{
    return Format(format, first) + " / " + Format(format, second);
}

std::string Count(long count) { return count < 0 ? "n/a" : std::to_string(count); }

std::string Growth(long from, long to) { return from < 0 || to < 0 ? "n/a" : Format("%+.0f", to - from); }

void Row(const std::string& label, const std::string& value, const char* unit, const char* target = "")
{
    std::printf("| %-60s | %17s | %-5s | %-6s |\n", label.c_str(), value.c_str(), unit, target);
}

void PrintTable(const Startup& startup, const Installation& install)
{
    const std::string setup = DistFolder() + "\\Setup.exe";
    const std::string withoutBitmaps = OwnFolder() + "\\SetupWithoutBitmaps.exe";
    const double setupPainted = MedianOf(startup.setup, &StartSample::paintedMs);
    const double barePainted = MedianOf(startup.bare, &StartSample::paintedMs);
    const double copyOverhead = install.copyMs - COPY_PAUSES_MS;
    const double KiB = 1024.0;

    std::printf("\n");
    Row("Measure", "Value", "Unit", "Target");
    std::printf("|%s|%s|%s|%s|\n", std::string(62, '-').c_str(), std::string(19, '-').c_str(),
                std::string(7, '-').c_str(), std::string(8, '-').c_str());
    Row("Start-up to first paint, Setup.exe (median)", Format("%.1f", setupPainted), "ms");
    Row("Start-up to first paint, BareDialog.exe (median)", Format("%.1f", barePainted), "ms");
    Row("Start-up ratio Setup.exe / BareDialog.exe", Format("%.2f", setupPainted / barePainted), "",
        "<= 1.2");
    Row("Start-up to dialog shown, Setup.exe / BareDialog.exe (med.)",
        Pair("%.1f", MedianOf(startup.setup, &StartSample::shownMs),
             MedianOf(startup.bare, &StartSample::shownMs)),
        "ms");
    Row("Start-up looks: mean gap / longest gap before a paint",
        Pair("%.2f", startup.polls.MeanGap(), startup.polls.longestFinalGap), "ms");
    Row("Copy step: click to copy-done page", Format("%.1f", install.copyMs), "ms");
    Row("Registration: click to installed page", Format("%.1f", install.registerMs), "ms");
    Row("Installation total (copy + registration)", Format("%.1f", install.copyMs + install.registerMs),
        "ms");
    Row("Fixed pauses (8 x 100 ms + 1000 ms, all in the copy step)", Format("%.0f", COPY_PAUSES_MS), "ms");
    Row("Overhead, copy step / registration", Pair("%.1f", copyOverhead, install.registerMs), "ms");
    Row("Overhead, total - pauses", Format("%.1f", copyOverhead + install.registerMs), "ms", "< 100");
    Row("Installation looks: mean gap / longest gap before a page",
        Pair("%.2f", install.polls.MeanGap(), install.polls.longestFinalGap), "ms");
    Row("Peak working set, Setup.exe at the installed page", Format("%.0f", install.peak / KiB), "KiB");
    Row("Peak working set at first paint, Setup.exe / BareDialog.exe",
        Pair("%.0f", MedianOf(startup.setup, &StartSample::peak) / KiB,
             MedianOf(startup.bare, &StartSample::peak) / KiB),
        "KiB");
    Row("GDI objects: first page / installed page / after repaints",
        std::to_string(install.gdiFirstPage) + " / " + std::to_string(install.gdiInstalled) + " / " +
            std::to_string(install.gdiRepainted),
        "");
    // Made once, as each page's controls first draw (the information box's brush among them), not a leak.
    Row("GDI objects made as the pages first draw",
        Growth(static_cast<long>(install.gdiFirstPage), static_cast<long>(install.gdiInstalled)), "");
    Row("GDI object growth over " + std::to_string(REPAINTS) + " repaints of IDC_INFO",
        Growth(static_cast<long>(install.gdiInstalled), static_cast<long>(install.gdiRepainted)), "", "0");
    Row("USER objects: first page / installed page / after repaints",
        Count(install.userFirstPage) + " / " + Count(install.userInstalled) + " / " +
            Count(install.userRepainted),
        "");
    Row("Size of Setup.exe", std::to_string(FileSize(setup)), "bytes");
    Row("Size of Setup.exe built without its bitmaps", std::to_string(FileSize(withoutBitmaps)), "bytes");
    Row("Sum of Setup.exe's RT_BITMAP resources", std::to_string(BitmapBytes(setup)), "bytes");
    Row("Size of BareDialog.exe", std::to_string(FileSize(OwnFolder() + "\\BareDialog.exe")), "bytes");
    if (install.userFirstPage < 0)
        std::printf("USER objects cannot be read here: Wine's GetGuiResources is a stub that returns 0.\n");
}

} // namespace

// Usage: benchmark.exe [RUNS], RUNS start-ups of each program after the warm-up (7 when not given).
int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    const auto wineVersion = reinterpret_cast<const char* (*)()>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version")));
    std::printf("Setup.exe benchmark%s%s\n", wineVersion ? " under Wine " : "",
                wineVersion ? wineVersion() : "");
    try
    {
        const ManagedByWine setupManaged("Setup.exe");
        const ManagedByWine bareManaged("BareDialog.exe");
        WorkFolder folder;
        Check(folder.AddPackage(), "the package");
        // Wine starts its services (explorer, plugplay, rpcss and others) with the first program of a
        // session; they are left to finish before anything is timed.
        ::Sleep(3000);
        const Startup startup = MeasureStartup(folder, runs);
        const Installation install = MeasureInstallation(folder);
        Check(ForgetInstallation(), "a clean system afterwards");
        PrintTable(startup, install);
    }
    catch (const std::exception& failure)
    {
        std::fprintf(stderr, "benchmark: %s\n", failure.what());
        ForgetInstallation();
        return 1;
    }
    return 0;
}
