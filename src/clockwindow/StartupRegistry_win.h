#pragma once
// The start-with-Windows rule's registry values in the current user's hive, through the W
// functions (the program's path may hold characters no ANSI code page can spell). A refused write
// raises AppError.
#include "clock/StartupEntry.h"

class UserStartupRegistry : public StartupRegistry {
public:
    std::optional<std::wstring> ReadRun() override;
    void WriteRun(const std::wstring& command) override;
    void DeleteRun() override;
    std::optional<std::vector<std::uint8_t>> ReadApproved() override;
    void WriteApproved(const std::vector<std::uint8_t>& bytes) override;
};
