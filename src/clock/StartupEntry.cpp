#include "clock/StartupEntry.h"

namespace {

// Explorer's StartupApproved values: 12 bytes, the first 02 for enabled and 03 for disabled.
constexpr std::uint8_t kApprovedEnabled = 0x02;
constexpr std::uint8_t kApprovedDisabled = 0x03;
constexpr std::size_t kApprovedSize = 12;

wchar_t FoldAscii(wchar_t c) {
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

// Windows paths ignore case; a command someone wrote without quotes names the same program.
bool NamesProgram(std::wstring command, const std::wstring& programPath) {
    if (command.size() >= 2 && command.front() == L'"' && command.back() == L'"')
        command = command.substr(1, command.size() - 2);
    if (command.size() != programPath.size())
        return false;
    for (std::size_t i = 0; i < command.size(); ++i)
        if (FoldAscii(command[i]) != FoldAscii(programPath[i]))
            return false;
    return true;
}

bool DisabledByUser(StartupRegistry& registry) {
    const auto approved = registry.ReadApproved();
    return approved && !approved->empty() && approved->front() == kApprovedDisabled;
}

} // namespace

std::wstring RunCommandFor(const std::wstring& programPath) {
    return L"\"" + programPath + L"\"";
}

bool StartsWithWindows(StartupRegistry& registry, const std::wstring& programPath) {
    const auto command = registry.ReadRun();
    return command && NamesProgram(*command, programPath) && !DisabledByUser(registry);
}

void ChooseStartWithWindows(StartupRegistry& registry, const std::wstring& programPath) {
    if (StartsWithWindows(registry, programPath)) {
        registry.DeleteRun();
        return;
    }
    registry.WriteRun(RunCommandFor(programPath));
    if (DisabledByUser(registry)) {
        std::vector<std::uint8_t> enabled(kApprovedSize, 0);
        enabled.front() = kApprovedEnabled;
        registry.WriteApproved(enabled);
    }
}
