// The start-with-Windows item's rule over a registry in memory: what the check mark shows and what
// choosing it (once, then again) leaves in the Run value and in Windows' startup list.
#include "clock/StartupEntry.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;
const std::wstring kPath = L"C:\\Tools\\時計\\Morovin.exe";
const Bytes kDisabled{3, 0, 0, 0, 0x10, 0x20, 0x30, 0x40, 0x50, 0x60, 0x70, 0x01};
const Bytes kEnabled{2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

struct MemoryRegistry : StartupRegistry {
    std::optional<std::wstring> run;
    std::optional<Bytes> approved;
    std::optional<std::wstring> ReadRun() override { return run; }
    void WriteRun(const std::wstring& command) override { run = command; }
    void DeleteRun() override { run.reset(); }
    std::optional<Bytes> ReadApproved() override { return approved; }
    void WriteApproved(const Bytes& bytes) override { approved = bytes; }
};

struct Row {
    const char* name;
    std::optional<std::wstring> run;
    std::optional<Bytes> approved;
    bool checked;
    // After one choice, and after a second.
    std::optional<std::wstring> runAfterChoice, runAfterSecond;
    std::optional<Bytes> approvedAfterChoice;
};

TEST(StartupEntry, CheckMarkAndChoosingOnceAndAgain) {
    const std::wstring ours = L"\"" + kPath + L"\"";
    const Row rows[] = {
        {"absent", std::nullopt, std::nullopt, false, ours, std::nullopt, std::nullopt},
        {"ours", ours, std::nullopt, true, std::nullopt, ours, std::nullopt},
        {"ours, other case, no quotes", L"c:\\tools\\時計\\MOROVIN.EXE", std::nullopt, true, std::nullopt,
         ours, std::nullopt},
        {"ours, enabled in the list", ours, kEnabled, true, std::nullopt, ours, kEnabled},
        {"another copy", L"\"D:\\Old\\Morovin.exe\"", std::nullopt, false, ours, std::nullopt, std::nullopt},
        {"ours, disabled by the user", ours, kDisabled, false, ours, std::nullopt, kEnabled},
        {"another copy, disabled", L"\"D:\\Old\\Morovin.exe\"", kDisabled, false, ours, std::nullopt,
         kEnabled},
        {"only a stale disabled entry", std::nullopt, kDisabled, false, ours, std::nullopt, kEnabled},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        MemoryRegistry registry;
        registry.run = row.run;
        registry.approved = row.approved;
        EXPECT_EQ(StartsWithWindows(registry, kPath), row.checked);
        EXPECT_EQ(registry.run, row.run) << "reading changed the registry";
        EXPECT_EQ(registry.approved, row.approved) << "the program enabled the entry by itself";

        ChooseStartWithWindows(registry, kPath);
        EXPECT_EQ(registry.run, row.runAfterChoice);
        EXPECT_EQ(registry.approved, row.approvedAfterChoice);
        EXPECT_EQ(StartsWithWindows(registry, kPath), !row.checked);

        ChooseStartWithWindows(registry, kPath);
        EXPECT_EQ(registry.run, row.runAfterSecond);
        EXPECT_EQ(StartsWithWindows(registry, kPath), row.runAfterSecond.has_value());
    }
}

} // namespace
