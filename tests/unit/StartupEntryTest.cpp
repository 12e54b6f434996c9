// The start-with-Windows item over a registry in memory: its check mark, and choosing it twice.
#include "clock/StartupEntry.h"

#include <gtest/gtest.h>

using Bytes = std::vector<std::uint8_t>;
using Text = std::optional<std::wstring>;

struct MemoryRegistry : StartupRegistry {
    Text run;
    std::optional<Bytes> approved;
    Text ReadRun() override { return run; }
    void WriteRun(const std::wstring& command) override { run = command; }
    void DeleteRun() override { run.reset(); }
    std::optional<Bytes> ReadApproved() override { return approved; }
    void WriteApproved(const Bytes& bytes) override { approved = bytes; }
};

TEST(StartupEntry, CheckMarkAndChoosingOnceAndAgain) {
    const std::wstring path = L"C:\\Tools\\時計\\Morovin.exe", ours = L"\"" + path + L"\"";
    const Text other = L"\"D:\\Old\\Morovin.exe\"", none;
    const Bytes off{3, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8}, on{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    // Run value, startup entry; checked; Run value after one choice and after two; entry after one.
    using Row = std::tuple<Text, std::optional<Bytes>, bool, Text, Text, std::optional<Bytes>>;
    const Row rows[] = {{none, {}, false, ours, none, {}},
                        {ours, {}, true, none, ours, {}},
                        {L"c:\\tools\\時計\\MOROVIN.EXE", {}, true, none, ours, {}}, // no quotes, other case
                        {other, {}, false, ours, none, {}},
                        {other, off, false, ours, none, on}}; // disabled by the user
    for (const auto& [run, approved, checked, runAfter, runAfterAgain, approvedAfter] : rows) {
        MemoryRegistry r;
        r.run = run;
        r.approved = approved;
        EXPECT_EQ(StartsWithWindows(r, path), checked);
        EXPECT_EQ(r.approved, approved) << "enabled again without being chosen";
        ChooseStartWithWindows(r, path);
        EXPECT_EQ(r.run, runAfter);
        EXPECT_EQ(r.approved, approvedAfter);
        EXPECT_EQ(StartsWithWindows(r, path), !checked);
        ChooseStartWithWindows(r, path);
        EXPECT_EQ(r.run, runAfterAgain);
    }
}
