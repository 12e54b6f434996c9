// The settings file: any bytes load without harm, the document reads back as it was written,
// and settings saved by the clock read back exactly as they were.
#include "../tests/unit/ClockLabelsFixture.h"
#include "FuzzInput.h"
#include "clock/SettingsStore.h"

#include <string>

namespace {

class WindowTarget : public SettingsTarget {
public:
    int left = 198, top = 103;
    void SetWindowLeft(int value) override { left = value; }
    void SetWindowTop(int value) override { top = value; }
    void SetStayOnTop(bool) override {}
};

// The clock as its window starts it, before the settings file.
struct Clock : ClockLabelsFixture {
    WindowTarget window;

    Clock() : ClockLabelsFixture(20) {}
    void Load(const IniDocument& document, const ScreenMetrics& screen) {
        LoadSettingsFrom(document, DesktopLayout{{PrimaryMonitor(screen)}, 0, 0}, settings, window, face);
    }
    bool SameAs(const Clock& other) const {
        const TShadowLabel* mine[] = {&date, &week, &time};
        const TShadowLabel* theirs[] = {&other.date, &other.week, &other.time};
        for (int i = 0; i < 3; ++i) {
            const TShadow& a = mine[i]->Shadow();
            const TShadow& b = theirs[i]->Shadow();
            if (!(mine[i]->Font() == theirs[i]->Font()) || a.Color() != b.Color() ||
                a.OffsetLeft() != b.OffsetLeft() || a.OffsetTop() != b.OffsetTop())
                return false;
        }
        return settings == other.settings;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    ScreenMetrics screen{};
    screen.width = 640 + input.Number<std::uint16_t>() % 4000;
    screen.height = 480 + input.Number<std::uint16_t>() % 3000;
    screen.cyFullScreen = screen.height - input.Number<std::uint8_t>();
    screen.cyCaption = input.Number<std::uint8_t>() % 64;
    const std::string_view bytes = input.Rest();

    // The document: what it writes reads back as the same document.
    IniDocument document = IniDocument::Parse(bytes);
    const std::string written = document.Serialize();
    FUZZ_CHECK(IniDocument::Parse(written).Serialize() == written);

    // The clock: what it saves over this file reads back as the settings it had.
    Clock first;
    first.Load(document, screen);
    SaveSettingsTo(document, first.settings, WindowBounds{first.window.left, first.window.top, 300, 40},
                   first.face);
    const std::string saved = document.Serialize();
    Clock second;
    second.Load(IniDocument::Parse(saved), screen);
    FUZZ_CHECK(second.SameAs(first));

    // Saving again changes nothing.
    IniDocument again = IniDocument::Parse(saved);
    SaveSettingsTo(again, second.settings, WindowBounds{first.window.left, first.window.top, 300, 40},
                   second.face);
    FUZZ_CHECK(again.Serialize() == saved);
    return 0;
}
