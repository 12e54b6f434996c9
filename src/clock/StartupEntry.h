#pragma once
// "Windows起動時に実行": the clock starts with Windows through the current user's Run key, value
// "Morovin", whose data is the program's full path in double quotes. Windows' own startup list
// can disable that entry without removing it (Explorer's StartupApproved\Run, first byte 03):
// such an entry shows unchecked and stays as the user left it until the user chooses the item,
// which is an explicit wish to start with Windows and so enables it again.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The registry values the item reads and writes, each the value "Morovin" of its key. Paths are
// UTF-16, as the registry holds them: a path Shift-JIS cannot spell still names the program.
class StartupRegistry {
public:
    virtual ~StartupRegistry() = default;
    // HKCU\Software\Microsoft\Windows\CurrentVersion\Run; nullopt when there is no such value.
    virtual std::optional<std::wstring> ReadRun() = 0;
    virtual void WriteRun(const std::wstring& command) = 0;
    virtual void DeleteRun() = 0;
    // HKCU\...\Explorer\StartupApproved\Run, a binary value; nullopt when there is none.
    virtual std::optional<std::vector<std::uint8_t>> ReadApproved() = 0;
    virtual void WriteApproved(const std::vector<std::uint8_t>& bytes) = 0;
};

// The Run value's data for the program at `programPath`.
std::wstring RunCommandFor(const std::wstring& programPath);

// Whether the item shows its check mark: the Run value names this program and the user has not
// disabled it in Windows' startup list.
bool StartsWithWindows(StartupRegistry& registry, const std::wstring& programPath);

// Choosing the item: a checked entry is removed; otherwise the Run value is made to name this
// program and a disabled entry is enabled again.
void ChooseStartWithWindows(StartupRegistry& registry, const std::wstring& programPath);
