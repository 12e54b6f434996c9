// The real program on a 144-dpi desktop. Wine takes its system DPI from the prefix's LogPixels when
// a process starts, so the test sets it for one start and puts it back after.
#include "support/ClockProcess.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <optional>

using namespace testsupport;

namespace {

// The prefix's LogPixels while the object lives: the DPI of the processes started meanwhile.
class SystemDpi {
public:
    explicit SystemDpi(DWORD dpi) {
        DWORD size = sizeof(previous_);
        ::RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", RRF_RT_REG_DWORD, nullptr,
                       &previous_, &size);
        Set(dpi);
    }
    ~SystemDpi() { Set(previous_); }
    SystemDpi(const SystemDpi&) = delete;
    SystemDpi& operator=(const SystemDpi&) = delete;

private:
    static void Set(DWORD dpi) {
        ::RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "LogPixels", REG_DWORD, &dpi,
                          sizeof(dpi));
    }
    DWORD previous_ = 96;
};

template <class F> F User32(const char* name) {
    return reinterpret_cast<F>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), name)));
}

// The DPI the platform gives a window (0 before Windows 10 1607).
UINT DpiOf(HWND hwnd) {
    static const auto dpi = User32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    return dpi ? dpi(hwnd) : 0;
}

struct Started {
    SIZE size;
    bool icon;
    UINT dpi;
};

// The clock window's size once its first layout has shrink-wrapped it (it is made 250 x 204),
// whether its tray icon is registered then, and the DPI the platform gives the window.
Started StartAndQuit() {
    ClockFolder folder;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForWindow();
    EXPECT_TRUE(hwnd && WaitForFirstLayout(hwnd)) << "waited for the clock's first layout";
    const RECT r = WindowRectOf(hwnd);
    const Started started{SIZE{r.right - r.left, r.bottom - r.top}, TrayIconPresent(hwnd), DpiOf(hwnd)};
    EXPECT_TRUE(clock.Quit());
    return started;
}

TEST(Dpi, At144DpiTheClockIsHalfAgainAsLargeAndHasItsTrayIcon) {
    const Started at96 = StartAndQuit();
    const Started at144 = [] {
        SystemDpi dpi(144);
        return StartAndQuit();
    }();
    // Wine 10 gives the monitor its DPI when the session starts (scripts/run-tests): the platform
    // reports both windows at one DPI, and the clock is the same size at both.
    if (at96.dpi == at144.dpi && at96.size.cx == at144.size.cx && at96.size.cy == at144.size.cy)
        GTEST_SKIP() << "both clocks were given " << at96.dpi
                     << " dpi: a new LogPixels reaches no window until the session starts again";
    ASSERT_GT(at96.size.cx, 0);
    EXPECT_NEAR(static_cast<double>(at144.size.cx) / at96.size.cx, 1.5, 0.08);
    EXPECT_NEAR(static_cast<double>(at144.size.cy) / at96.size.cy, 1.5, 0.08);
    EXPECT_TRUE(at144.icon) << "no tray icon at 144 dpi";
}

// What the platform says of a window of the clock: its DPI awareness (a DPI_AWARENESS value), the
// DPI it is laid out for, and its size on the screen in physical pixels.
struct DpiView {
    int awareness;
    UINT dpi;
    SIZE size;
};

// Starts the program of `folder` and reads its clock window once laid out; nothing where the
// platform lacks the functions (before Windows 10 1607).
std::optional<DpiView> StartAndView(const ClockFolder& folder) {
    const auto context = User32<DPI_AWARENESS_CONTEXT(WINAPI*)(HWND)>("GetWindowDpiAwarenessContext");
    const auto awareness =
        User32<DPI_AWARENESS(WINAPI*)(DPI_AWARENESS_CONTEXT)>("GetAwarenessFromDpiAwarenessContext");
    if (!context || !awareness || !User32<UINT(WINAPI*)(HWND)>("GetDpiForWindow"))
        return std::nullopt;
    ClockProcess clock(folder);
    HWND hwnd = clock.StartAndWaitForWindow();
    const bool laidOut =
        hwnd && WaitUntil([&] { return WindowRectOf(hwnd).bottom - WindowRectOf(hwnd).top != 204; }, 5000);
    EXPECT_TRUE(laidOut) << "waited for the clock's first layout";
    if (!laidOut)
        return DpiView{DPI_AWARENESS_INVALID, 0, {}};
    const RECT r = WindowRectOf(hwnd);
    const DpiView view{awareness(context(hwnd)), DpiOf(hwnd), SIZE{r.right - r.left, r.bottom - r.top}};
    EXPECT_TRUE(clock.Quit());
    return view;
}

// Makes the DPI declarations of the program's manifest unreadable, in place and at the same
// length: the elements dpiAware and dpiAwareness become xpiAware and xpiAwareness, names no
// system knows, so the program declares no DPI awareness. The number of names changed.
int HideDpiDeclarations(const std::string& exe) {
    std::string bytes;
    {
        std::ifstream in(exe, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    const size_t begin = bytes.find("<assembly "), end = bytes.find("</assembly>", begin);
    int renamed = 0;
    for (size_t at = bytes.find("dpiAware", begin); at != std::string::npos && at < end;
         at = bytes.find("dpiAware", at + 1)) {
        const bool tag = bytes[at - 1] == '<' || (bytes[at - 1] == '/' && bytes[at - 2] == '<');
        if (tag) {
            bytes[at] = 'x';
            ++renamed;
        }
    }
    std::ofstream(exe, std::ios::binary | std::ios::trunc) << bytes;
    return renamed;
}

// At 144 dpi the manifest makes the clock per-monitor aware, laid out at 144 dpi; a copy whose
// manifest declares nothing is DPI-unaware, laid out at 96 dpi and stretched by the system.
TEST(Dpi, TheManifestMakesTheClockPerMonitorAwareWhereAnUndeclaredCopyIsStretched) {
    ClockFolder declared, undeclared;
    ASSERT_EQ(HideDpiDeclarations(undeclared.ExePath()), 4) << "dpiAware and dpiAwareness, opened and closed";
    std::optional<DpiView> aware, unaware;
    {
        SystemDpi dpi(144);
        aware = StartAndView(declared);
        unaware = StartAndView(undeclared);
    }
    if (!aware || !unaware)
        GTEST_SKIP() << "no window DPI awareness to read here (Windows 10 1607 and later)";
    EXPECT_EQ(aware->awareness, DPI_AWARENESS_PER_MONITOR_AWARE);
    if (unaware->awareness > DPI_AWARENESS_UNAWARE)
        GTEST_SKIP() << "the platform ignores DPI declarations: the copy that declares none is aware too ("
                     << unaware->awareness << ")";
    EXPECT_EQ(unaware->awareness, DPI_AWARENESS_UNAWARE);
    EXPECT_EQ(unaware->dpi, 96u);
    const char* session = std::getenv("MOROVIN_LOGPIXELS"); // a session started at that DPI
    if (aware->dpi == 96 && !(session && std::string(session) == "144"))
        GTEST_SKIP() << "the monitor is at 96 dpi: a new LogPixels reaches it when the session starts "
                        "(scripts/run-tests runs this test again in a session at 144 dpi)";
    EXPECT_EQ(aware->dpi, 144u);
    // The system stretches the unaware clock's 96-dpi picture to the screen's scale: on the screen
    // it is as large as the aware one, which lays itself out at 144 dpi.
    EXPECT_NEAR(static_cast<double>(unaware->size.cx) / aware->size.cx, 1.0, 0.08);
    EXPECT_NEAR(static_cast<double>(unaware->size.cy) / aware->size.cy, 1.0, 0.08);
}

} // namespace
