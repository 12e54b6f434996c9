#include "ClockLabelsFixture.h"
#include "clock/SettingsStore.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

class RecordingTarget : public SettingsTarget {
public:
    std::optional<int> left, top;
    std::optional<bool> stayOnTop;
    std::string calls;
    void SetWindowLeft(int value) override {
        left = value;
        calls += "L";
    }
    void SetWindowTop(int value) override {
        top = value;
        calls += "T";
    }
    void SetStayOnTop(bool value) override {
        stayOnTop = value;
        calls += "S";
    }
    std::pair<std::optional<int>, std::optional<int>> stored;
    void SetStoredSize(std::optional<int> width, std::optional<int> height) override {
        stored = {width, height};
    }
};

// T = 768 - 740 - 18 = 10 pixels of task bar.
constexpr ScreenMetrics kScreen{1024, 768, 1024, 740, 18};

// One screen, with the window where it stands before loading.
DesktopLayout OneScreen(const ScreenMetrics& screen) {
    return DesktopLayout{{PrimaryMonitor(screen)}, 198, 103};
}

// The clock as its window starts it, before LoadSettings.
struct Clock : ClockLabelsFixture {
    RecordingTarget target;

    Clock() : ClockLabelsFixture(24) {}
    std::vector<std::string> Load(const std::string& file,
                                  const DesktopLayout& desktop = OneScreen(kScreen)) {
        return LoadSettingsFrom(IniDocument::Parse(file), desktop, settings, target, face);
    }
    std::string Save(IniDocument doc = {}, WindowBounds bounds = {198, 103, 320, 160}) {
        SaveSettingsTo(doc, settings, bounds, face);
        return doc.Serialize();
    }
};

std::optional<int> LoadedLeft(const std::string& form) {
    Clock clock;
    clock.Load("[Form]\r\n" + form);
    return clock.target.left;
}

std::optional<int> LoadedTop(const std::string& form, const ScreenMetrics& screen = kScreen) {
    Clock clock;
    clock.Load("[Form]\r\n" + form, OneScreen(screen));
    return clock.target.top;
}

} // namespace

TEST(SettingsStore, WithoutAFileEverythingHasItsDefault) {
    Clock clock;
    const LabelFont startFont = clock.date.Font();
    EXPECT_TRUE(clock.Load("").empty());

    const ClockSettings& s = clock.settings;
    for (bool flag :
         {s.Movable, s.ShowYear, s.StayOnTop, s.AlarmOn, s.ShowSeconds, s.AlarmByDialog, s.Use24Hour,
          s.EnglishWeekday, s.WallpaperMode, s.ChimeOn, s.ChimeHalfHour, s.ChimeHour, s.ShadowOn})
        EXPECT_TRUE(flag);
    EXPECT_EQ(s.PropPage, 0);
    EXPECT_EQ(s.SoundFile + s.AlarmHour + s.AlarmMinute + s.DialogText, "");
    // The window stays where it starts; only the window level is applied.
    EXPECT_EQ(clock.target.calls, "S");
    EXPECT_EQ(clock.target.stayOnTop, true);

    EXPECT_EQ(clock.date.Font(), startFont);
    EXPECT_EQ(clock.date.Font().name, "ＭＳ Ｐゴシック");
    EXPECT_EQ(clock.week.Font().color, clRed);
    EXPECT_EQ(clock.time.Font().color, clWhite);
    for (TShadowLabel* l : {&clock.date, &clock.week, &clock.time}) {
        EXPECT_EQ(l->Font().SizePoints(), 24);
        EXPECT_EQ(l->Shadow().Color(), clBlack);
        EXPECT_EQ(l->Shadow().OffsetLeft(), 3);
        EXPECT_EQ(l->Shadow().OffsetTop(), 3);
        EXPECT_TRUE(l->Shadow().Visible());
    }
}

TEST(SettingsStore, MinusOneEdgesCountAsMissing) {
    Clock clock;
    clock.Load("[Form]\r\nLeft=-1\r\nTop=-1\r\nWidth=300\r\nHeight=100\r\n");
    EXPECT_EQ(clock.target.left, std::nullopt);
    EXPECT_EQ(clock.target.top, std::nullopt);
}

TEST(SettingsStore, LeftEdgeClampsToTheScreen) {
    EXPECT_EQ(LoadedLeft("Left=724\r\nWidth=300\r\n"), 724);
    EXPECT_EQ(LoadedLeft("Left=725\r\nWidth=300\r\n"), 722); // 2 pixels of margin
    EXPECT_EQ(LoadedLeft("Left=-5\r\nWidth=300\r\n"), 0);
    EXPECT_EQ(LoadedLeft("Left=0\r\nWidth=300\r\n"), 0);
    // Without a width only an edge beyond screen width + 1 moves, to screen width - 1.
    EXPECT_EQ(LoadedLeft("Left=1025\r\n"), 1025);
    EXPECT_EQ(LoadedLeft("Left=1026\r\n"), 1023);
    // A window wider than the screen goes to a negative edge and stays there.
    EXPECT_EQ(LoadedLeft("Left=0\r\nWidth=2000\r\n"), -978);
    EXPECT_EQ(LoadedLeft("Left=-5\r\nWidth=2000\r\n"), -978);
    EXPECT_EQ(LoadedLeft("Left=-980\r\nWidth=2000\r\n"), 0);
    // Absurd widths neither overflow nor wrap.
    EXPECT_EQ(LoadedLeft("Left=5\r\nWidth=-2147483647\r\n"), 5);
    EXPECT_EQ(LoadedLeft("Left=2147483647\r\nWidth=-2147483647\r\n"), 2147483647);
    EXPECT_EQ(LoadedLeft("Left=0\r\nWidth=2147483647\r\n"), -2147482625);
}

TEST(SettingsStore, TopEdgeClampsAboveTheTaskBar) {
    EXPECT_EQ(LoadedTop("Top=658\r\nHeight=100\r\n"), 658); // 768 - 100 - 10
    EXPECT_EQ(LoadedTop("Top=659\r\nHeight=100\r\n"), 658); // no extra margin
    EXPECT_EQ(LoadedTop("Top=-3\r\nHeight=100\r\n"), 0);
    EXPECT_EQ(LoadedTop("Top=0\r\nHeight=1000\r\n"), -242);
    // Wine reports a full-screen height above the screen's: the allowance is 0, not negative.
    EXPECT_EQ(LoadedTop("Top=668\r\nHeight=100\r\n", ScreenMetrics{1024, 768, 1024, 779, 18}), 668);
    EXPECT_EQ(LoadedTop("Top=700\r\nHeight=100\r\n", ScreenMetrics{1024, 768, 1024, 779, 18}), 668);
    // Height is read only with Top, Width only with Left.
    Clock clock;
    clock.Load("[Form]\r\nTop=5\r\nWidth=5000\r\nHeight=40\r\n");
    EXPECT_EQ(clock.target.calls, "TS");
    EXPECT_EQ(clock.target.top, 5);
    EXPECT_EQ(clock.target.stored, std::make_pair(std::optional<int>(), std::optional<int>(40)));
}

// Primary 1920x1080 with T = 40; a second monitor left of it (side by side, reaching above it) or
// above it, each with a work area 30 or 40 rows short of its height.
const MonitorArea kPrimary = PrimaryMonitor(ScreenMetrics{1920, 1080, 1920, 1022, 18});
const DesktopLayout kSideBySide{
    {kPrimary, MonitorWithWorkArea({-1280, -224, 0, 800}, {-1280, -224, 0, 770})}, 198, 103};
const DesktopLayout kStacked{
    {kPrimary, MonitorWithWorkArea({0, -1080, 1920, 0}, {0, -1040, 1920, 0})}, 198, 103};
const DesktopLayout kPrimaryAlone{{kPrimary}, 198, 103};

TEST(SettingsStore, PositionIsKeptOnTheMonitorNearestTheStoredRectangle) {
    struct Row {
        const char* what;
        const DesktopLayout& desktop;
        const char* form;
        std::optional<int> left, top;
    };
    const Row rows[] = {
        {"on the left monitor", kSideBySide, "Left=-1000\r\nTop=100\r\n", -1000, 100},
        {"past its left edge", kSideBySide, "Left=-1400\r\nTop=100\r\n", -1280, 100},
        {"mostly on the left monitor, past its right", kSideBySide, "Left=-250\r\nTop=100\r\n", -302, 100},
        {"mostly on the primary", kSideBySide, "Left=-100\r\nTop=100\r\n", 0, 100},
        {"above the taller monitor's task bar", kSideBySide, "Left=-1000\r\nTop=750\r\n", -1000, 710},
        {"above the taller monitor", kSideBySide, "Left=-1000\r\nTop=-300\r\n", -1000, -224},
        {"Top missing: the window's top decides", kSideBySide, "Left=-1000\r\n", -1000, std::nullopt},
        {"on the upper monitor", kStacked, "Left=100\r\nTop=-500\r\n", 100, -500},
        {"above the upper monitor", kStacked, "Left=100\r\nTop=-1100\r\n", 100, -1080},
        {"mostly on the upper monitor, over its task bar", kStacked, "Left=100\r\nTop=-50\r\n", 100, -100},
        {"below the primary", kStacked, "Left=100\r\nTop=1500\r\n", 100, 980},
        {"on a removed monitor to the right", kSideBySide, "Left=2500\r\nTop=300\r\n", 1618, 300},
        {"on a removed monitor far left", kSideBySide, "Left=-3000\r\nTop=100\r\n", -1280, 100},
        {"on a removed monitor below left", kSideBySide, "Left=-2000\r\nTop=2000\r\n", -1280, 710},
        {"on the removed left monitor", kPrimaryAlone, "Left=-1000\r\nTop=-300\r\n", 0, 0},
    };
    for (const Row& row : rows) {
        Clock clock;
        clock.Load(std::string("[Form]\r\nWidth=300\r\nHeight=60\r\n") + row.form, row.desktop);
        EXPECT_EQ(clock.target.left, row.left) << row.what;
        EXPECT_EQ(clock.target.top, row.top) << row.what;
    }
}

TEST(SettingsStore, OnceTheSizeIsKnownTheClockIsKeptOnItsMonitorsWorkArea) {
    const struct {
        const char* what;
        const DesktopLayout& desktop;
        ScreenRect before;            // where it stood, with the size it had
        int width, height, left, top; // its size now, and where it goes
    } rows[] = {
        {"lower right, grown", kSideBySide, {1620, 1010, 1920, 1040}, 450, 45, 1470, 995},
        {"lower right, shrunk", kSideBySide, {1470, 995, 1920, 1040}, 300, 30, 1620, 1010},
        {"clear of the edges, grown past the right", kSideBySide, {1600, 500, 1900, 530}, 450, 45, 1470, 500},
        {"clear of the edges, shrunk", kSideBySide, {1500, 500, 1800, 530}, 200, 20, 1500, 500},
        {"lower right of the left monitor, grown", kSideBySide, {-300, 740, 0, 770}, 450, 45, -450, 725},
        {"over the left monitor's task bar", kSideBySide, {-1000, 760, -700, 790}, 300, 30, -1000, 740},
        {"wider than the work area", kSideBySide, {100, 100, 400, 130}, 2000, 30, 0, 100},
        {"under the upper monitor's top task bar", kStacked, {100, -1080, 400, -1050}, 300, 30, 100, -1040},
    };
    for (const auto& row : rows)
        EXPECT_EQ(KeepOnWorkArea(row.desktop, row.before, row.width, row.height),
                  (ScreenRect{row.left, row.top, row.left + row.width, row.top + row.height}))
            << row.what;
}

TEST(SettingsStore, TaskBarAllowanceIsNeverNegative) {
    EXPECT_EQ(PrimaryMonitor(ScreenMetrics{1024, 768, 1024, 740, 18}).taskBar, 10);
    EXPECT_EQ(PrimaryMonitor(ScreenMetrics{1024, 768, 1024, 779, 18}).taskBar, 0);
    EXPECT_EQ(MonitorWithWorkArea({0, 0, 800, 600}, {0, 0, 800, 600}).taskBar, 0);
    EXPECT_EQ(MonitorWithWorkArea({0, 0, 800, 600}, {0, -10, 800, 600}).taskBar, 0);
    EXPECT_EQ(MonitorWithWorkArea({0, 0, 800, 600}, {0, 28, 800, 600}).taskBar, 28);
}

TEST(SettingsStore, TextsEqualToATextAreIgnored) {
    Clock clock;
    clock.Load("[Font]\r\nName=A\r\n[Timer]\r\nSound=A\r\nTime=A\r\nMinutes=A\r\nDialogText=A\r\n");
    EXPECT_EQ(clock.date.Font().name, "ＭＳ Ｐゴシック");
    EXPECT_EQ(clock.settings.SoundFile + clock.settings.AlarmHour + clock.settings.AlarmMinute +
                  clock.settings.DialogText,
              "");

    clock.Load("[Font]\r\nName=a\r\n[Timer]\r\nSound=a\r\nTime=a\r\nMinutes=a\r\nDialogText=a\r\n");
    for (TShadowLabel* l : {&clock.date, &clock.week, &clock.time})
        EXPECT_EQ(l->Font().name, "a");
    EXPECT_EQ(clock.settings.SoundFile + clock.settings.AlarmHour + clock.settings.AlarmMinute +
                  clock.settings.DialogText,
              "aaaa");
}

TEST(SettingsStore, EmptyValuesLoadAsEmptyTextsButNotAsAFace) {
    Clock clock;
    clock.settings.SoundFile = "old.wav";
    clock.settings.DialogText = "old";
    clock.Load("[Font]\r\nName=\r\n[Timer]\r\nSound=\r\nDialogText=\r\n");
    EXPECT_EQ(clock.settings.SoundFile, "");
    EXPECT_EQ(clock.settings.DialogText, "");
    EXPECT_EQ(clock.date.Font().name, "ＭＳ Ｐゴシック");
}

TEST(SettingsStore, FaceNamesAreCutAt31BytesBetweenCharacters) {
    Clock clock;
    clock.Load("[Font]\r\nName=" + std::string(40, 'x') + "\r\n");
    EXPECT_EQ(clock.time.Font().name, std::string(31, 'x'));
    // 30 single bytes then a double-byte character at bytes 31-32: cut before it.
    clock.Load("[Font]\r\nName=" + std::string(30, 'x') + "明朝\r\n");
    EXPECT_EQ(clock.week.Font().name, std::string(30, 'x'));
    clock.Load("[Font]\r\nName=ＭＳ 明朝\r\n");
    EXPECT_EQ(clock.date.Font().name, "ＭＳ 明朝");
    // A cut right after a blank drops it: the name must read back as it is saved.
    clock.Load("[Font]\r\nName=" + std::string(29, 'x') + " \tBold\r\n");
    EXPECT_EQ(clock.date.Font().name, std::string(29, 'x'));
}

TEST(SettingsStore, BooleansAreAnyNonZeroInteger) {
    for (const char* value : {"1", "2", "-1", "$10", "0x10", "yes", "", "0x", "1 2"}) {
        Clock clock;
        clock.Load(std::string("[Prop]\r\nMove=") + value + "\r\n");
        EXPECT_TRUE(clock.settings.Movable) << value;
    }
    for (const char* value : {"0", "$0", "-0", "0x0"}) {
        Clock clock;
        clock.Load(std::string("[Prop]\r\nMove=") + value + "\r\n");
        EXPECT_FALSE(clock.settings.Movable) << value;
    }
}

TEST(SettingsStore, EachFlagHasItsKey) {
    Clock clock;
    clock.Load(
        "[Prop]\r\nMove=0\r\nYear=0\r\nFront=0\r\nSecond=0\r\n24ON=0\r\nEnglish=0\r\nBack=0\r\nJihou=0\r\n"
        "30=0\r\n60=0\r\nShadow=0\r\nPage=2\r\n[Timer]\r\nON/OFF=0\r\nDialog=0\r\n"
        "[Option]\r\nHideFullScreen=0\r\nClickThrough=0\r\n");
    ClockSettings expected;
    expected.PropPage = 2;
    EXPECT_EQ(clock.settings, expected);
    EXPECT_EQ(clock.target.stayOnTop, false);
    for (TShadowLabel* l : {&clock.date, &clock.week, &clock.time})
        EXPECT_FALSE(l->Shadow().Visible());
}

TEST(SettingsStore, PageKeepsAnyValueButMinusOne) {
    Clock clock;
    clock.Load("[Prop]\r\nPage=7\r\n");
    EXPECT_EQ(clock.settings.PropPage, 7);
    clock.Load("[Prop]\r\nPage=-1\r\n");
    EXPECT_EQ(clock.settings.PropPage, 0);
}

TEST(SettingsStore, ChimeFlagsReadTheKeysThatAreWritten) {
    const auto load = [](const std::string& prop) {
        Clock clock;
        clock.Load("[Prop]\r\n" + prop);
        return std::pair{clock.settings.ChimeHalfHour, clock.settings.ChimeHour};
    };
    EXPECT_EQ(load("30=0\r\n60=1\r\n"), std::pair(false, true));
    EXPECT_EQ(load("30=1\r\n60=0\r\n"), std::pair(true, false));
    // Older files: "Time30" / "Time60" when the written keys are missing.
    EXPECT_EQ(load("Time30=0\r\nTime60=0\r\n"), std::pair(false, false));
    EXPECT_EQ(load("Time30=0\r\n30=1\r\n"), std::pair(true, true));
    EXPECT_EQ(load("Time60=0\r\n60=yes\r\n"), std::pair(true, false)); // unreadable "60" falls back
    EXPECT_EQ(load(""), std::pair(true, true));
}

TEST(SettingsStore, HexTextsInIntegerKeysAndLowStyleBits) {
    Clock clock;
    clock.Load("[Font]\r\nXInt=0x1F\r\nYInt=$1F\r\nSize=0X10\r\nStyle=258\r\nPitch=$102\r\n");
    for (TShadowLabel* l : {&clock.date, &clock.week, &clock.time}) {
        EXPECT_EQ(l->Shadow().OffsetLeft(), 31);
        EXPECT_EQ(l->Shadow().OffsetTop(), 31);
        EXPECT_EQ(l->Font().SizePoints(), 16);
        EXPECT_EQ(l->Font().style, fsItalic);
        EXPECT_EQ(l->Font().pitch, FontPitch::Fixed);
    }
    clock.Load("[Font]\r\nXInt=-1\r\nYInt=0\r\nSize=-1\r\nStyle=5\r\nPitch=1\r\n");
    EXPECT_EQ(clock.time.Shadow().OffsetLeft(), 3);
    EXPECT_EQ(clock.time.Shadow().OffsetTop(), 0);
    EXPECT_EQ(clock.time.Font().SizePoints(), 16); // -1 leaves the size
    EXPECT_EQ(clock.time.Font().style, fsBold | fsUnderline);
    EXPECT_EQ(clock.time.Font().pitch, FontPitch::Variable);
}

TEST(SettingsStore, AbsurdFontSizesStayWithinRange) {
    Clock clock;
    clock.Load("[Font]\r\nSize=1610612736\r\n"); // 4/3 of it is exactly 2^31 pixels
    EXPECT_GT(clock.date.Font().SizePoints(), 1600000000);
    clock.Load("[Font]\r\nSize=-2147483647\r\n");
    EXPECT_LT(clock.date.Font().SizePoints(), -1600000000);
}

TEST(SettingsStore, ColourKeysGoToTheirLabels) {
    Clock clock;
    EXPECT_TRUE(clock
                    .Load("[Font]\r\nDColor=clred\r\nWColor=$80000005\r\nTColor=-1\r\nShadowDColor=255\r\n"
                          "ShadowWColor=clNone\r\nShadowTColor=$00C08040\r\n")
                    .empty());
    EXPECT_EQ(clock.date.Font().color, 0x000000FFu);
    EXPECT_EQ(clock.week.Font().color, 0x80000005u);
    EXPECT_EQ(clock.time.Font().color, 0xFFFFFFFFu);
    EXPECT_EQ(clock.date.Shadow().Color(), 0x000000FFu);
    EXPECT_EQ(clock.week.Shadow().Color(), 0x1FFFFFFFu);
    EXPECT_EQ(clock.time.Shadow().Color(), 0x00C08040u);
}

TEST(SettingsStore, BadColoursAreReportedAndTheRestStillLoads) {
    Clock clock;
    const auto errors =
        clock.Load("[Font]\r\nDColor=0xFF\r\nWColor=clLime\r\nTColor=\r\nShadowDColor=red\r\n"
                   "ShadowTColor=clGray\r\nSize=30\r\n[Timer]\r\nSound=a.wav\r\n[Prop]\r\nSecond=0\r\n");
    EXPECT_EQ(errors, (std::vector<std::string>{"'0xFF' は整数ではありません", "'' は整数ではありません",
                                                "'red' は整数ではありません"}));
    EXPECT_EQ(clock.date.Font().color, clRed); // kept
    EXPECT_EQ(clock.week.Font().color, 0x0000FF00u);
    EXPECT_EQ(clock.time.Font().color, clWhite); // kept
    EXPECT_EQ(clock.date.Shadow().Color(), clBlack);
    EXPECT_EQ(clock.time.Shadow().Color(), clGray);
    EXPECT_EQ(clock.time.Font().SizePoints(), 30);
    EXPECT_EQ(clock.settings.SoundFile, "a.wav");
    EXPECT_FALSE(clock.settings.ShowSeconds);
}

TEST(SettingsStore, ANewFileHoldsEveryKeyInTableOrder) {
    Clock clock;
    clock.Load("");
    clock.settings.PropPage = 1;
    clock.settings.ChimeHour = false;
    clock.settings.SoundFile = "C:\\音\\ding.wav";
    clock.settings.AlarmHour = "7";
    clock.settings.AlarmMinute = "05";
    clock.settings.DialogText = "起きて";
    clock.week.Shadow().SetColor(0x80000019);
    clock.date.SetFontStyle(fsBold | fsItalic);
    clock.date.SetFontPitch(FontPitch::Fixed);
    EXPECT_EQ(
        clock.Save(IniDocument{}, WindowBounds{-5, 700, 320, 160}),
        "[Form]\r\nLeft=-5\r\nTop=700\r\nWidth=320\r\nHeight=160\r\n"
        "[Prop]\r\nPage=1\r\nMove=1\r\nYear=1\r\nFront=1\r\nSecond=1\r\n24ON=1\r\nEnglish=1\r\nBack=1\r\n"
        "Jihou=1\r\n30=1\r\n60=0\r\nShadow=1\r\n"
        "[Font]\r\nName=ＭＳ Ｐゴシック\r\nDColor=clRed\r\nWColor=clRed\r\nTColor=clWhite\r\n"
        "ShadowDColor=clBlack\r\nShadowWColor=$80000019\r\nShadowTColor=clBlack\r\nXInt=3\r\nYInt=3\r\n"
        "Size=24\r\nStyle=3\r\nPitch=2\r\n"
        "[Timer]\r\nON/OFF=1\r\nSound=C:\\音\\ding.wav\r\nTime=7\r\nMinutes=05\r\nDialog=1\r\n"
        "DialogText=起きて\r\n"
        "[Option]\r\nHideFullScreen=1\r\nClickThrough=0\r\n");
}

TEST(SettingsStore, SavingKeepsUnknownKeysAndReplacesInPlace) {
    Clock clock;
    clock.Load("");
    clock.settings.Movable = false;
    const std::string saved = clock.Save(
        IniDocument::Parse("; my clock\r\n[Prop]\r\nMine=1\r\nMOVE=1\r\nTime30=1\r\n\r\n[Extra]\r\nx=y\r\n"));
    EXPECT_EQ(
        saved.substr(0, saved.find("[Form]")),
        "; my clock\r\n[Prop]\r\nMine=1\r\nMOVE=0\r\nTime30=1\r\nPage=0\r\nYear=1\r\nFront=1\r\nSecond=1\r\n"
        "24ON=1\r\nEnglish=1\r\nBack=1\r\nJihou=1\r\n30=1\r\n60=1\r\nShadow=1\r\n\r\n[Extra]\r\nx=y\r\n");
}

TEST(SettingsStore, SaveLoadSaveGivesTheSameBytes) {
    Clock first;
    first.Load("");
    first.settings = ClockSettings{.Movable = true,
                                   .ShowYear = false,
                                   .StayOnTop = true,
                                   .AlarmOn = false,
                                   .ShowSeconds = true,
                                   .AlarmByDialog = false,
                                   .Use24Hour = false,
                                   .EnglishWeekday = true,
                                   .WallpaperMode = false,
                                   .ChimeOn = true,
                                   .ChimeHalfHour = false,
                                   .ChimeHour = true,
                                   .ShadowOn = false,
                                   .PropPage = 2,
                                   .SoundFile = "D:\\表\\a b.wav",
                                   .AlarmHour = "",
                                   .AlarmMinute = "30",
                                   .DialogText = "\"%s\" 時間です",
                                   .ClickThrough = true};
    for (TShadowLabel* l : {&first.date, &first.week, &first.time}) {
        l->SetFontName("ＭＳ 明朝");
        l->SetFontSizePoints(37);
        l->SetFontStyle(fsItalic | fsStrikeOut);
        l->SetFontPitch(FontPitch::Variable);
        l->Shadow().SetOffsetLeft(-4);
        l->Shadow().SetOffsetTop(0);
        l->Shadow().SetVisible(false);
    }
    first.date.SetFontColor(0x00123456);
    first.week.SetFontColor(0x80000008);
    first.time.Shadow().SetColor(clNone);
    const WindowBounds bounds{100, 200, 300, 120};
    const std::string bytes = first.Save(IniDocument{}, bounds);

    Clock second;
    EXPECT_TRUE(second.Load(bytes).empty());
    EXPECT_EQ(second.settings, first.settings);
    EXPECT_EQ(second.target.left, 100);
    EXPECT_EQ(second.target.top, 200);
    for (auto [a, b] :
         {std::pair{&first.date, &second.date}, {&first.week, &second.week}, {&first.time, &second.time}}) {
        EXPECT_EQ(b->Font(), a->Font());
        EXPECT_EQ(b->Shadow().Color(), a->Shadow().Color());
        EXPECT_EQ(b->Shadow().OffsetLeft(), -4);
        EXPECT_EQ(b->Shadow().OffsetTop(), 0);
        EXPECT_FALSE(b->Shadow().Visible());
    }
    EXPECT_EQ(second.Save(IniDocument::Parse(bytes), bounds), bytes);
    EXPECT_EQ(second.Save(IniDocument{}, bounds), bytes);
}
