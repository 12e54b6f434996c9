#include "clockwindow/StartupRegistry_win.h"

#include "base/AppError.h"
#include "ui/WideText.h"

#include <windows.h>

#include <algorithm>

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kApprovedKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";
constexpr wchar_t kValueName[] = L"Morovin";

// A refused write (a policy, a locked-down profile) is reported, or the check mark would merely
// stay as it was.
void ExpectWritten(LSTATUS status, const wchar_t* path) {
    if (status != ERROR_SUCCESS)
        throw AppError(InsertText("HKEY_CURRENT_USER\\%s に書き込めません", ui::Narrow(path)));
}

class UserKey {
public:
    // Opens `path` for `access`; with `create` the key is made when missing.
    UserKey(const wchar_t* path, REGSAM access, bool create = false) {
        status_ = create ? ::RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, access, nullptr, &key_,
                                             nullptr)
                         : ::RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, access, &key_);
        if (status_ != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~UserKey() {
        if (key_)
            ::RegCloseKey(key_);
    }
    UserKey(const UserKey&) = delete;
    UserKey& operator=(const UserKey&) = delete;
    HKEY get() const { return key_; }
    LSTATUS Status() const { return status_; }

    // The value's bytes and type; nullopt when it cannot be read.
    std::optional<std::vector<BYTE>> Read(DWORD& type) const {
        DWORD size = 0;
        if (!key_ || ::RegQueryValueExW(key_, kValueName, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        std::vector<BYTE> bytes(size);
        if (::RegQueryValueExW(key_, kValueName, nullptr, &type, bytes.data(), &size) != ERROR_SUCCESS)
            return std::nullopt;
        bytes.resize(size);
        return bytes;
    }

    void Write(DWORD type, const void* data, std::size_t size, const wchar_t* path) const {
        ExpectWritten(status_, path);
        ExpectWritten(::RegSetValueExW(key_, kValueName, 0, type, static_cast<const BYTE*>(data),
                                       static_cast<DWORD>(size)),
                      path);
    }

private:
    HKEY key_ = nullptr;
    LSTATUS status_ = ERROR_SUCCESS;
};

} // namespace

std::optional<std::wstring> UserStartupRegistry::ReadRun() {
    DWORD type = 0;
    const auto bytes = UserKey(kRunKey, KEY_QUERY_VALUE).Read(type);
    if (!bytes || (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    std::wstring text(bytes->size() / sizeof(wchar_t), L'\0');
    std::copy(bytes->begin(), bytes->begin() + text.size() * sizeof(wchar_t),
              reinterpret_cast<BYTE*>(text.data()));
    while (!text.empty() && text.back() == L'\0')
        text.pop_back();
    return text;
}

void UserStartupRegistry::WriteRun(const std::wstring& command) {
    UserKey(kRunKey, KEY_SET_VALUE, true)
        .Write(REG_SZ, command.c_str(), (command.size() + 1) * sizeof(wchar_t), kRunKey);
}

void UserStartupRegistry::DeleteRun() {
    const UserKey key(kRunKey, KEY_SET_VALUE);
    const LSTATUS status = key.get() ? ::RegDeleteValueW(key.get(), kValueName) : key.Status();
    ExpectWritten(status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status, kRunKey); // gone already
}

std::optional<std::vector<std::uint8_t>> UserStartupRegistry::ReadApproved() {
    DWORD type = 0;
    return UserKey(kApprovedKey, KEY_QUERY_VALUE).Read(type);
}

void UserStartupRegistry::WriteApproved(const std::vector<std::uint8_t>& bytes) {
    UserKey(kApprovedKey, KEY_SET_VALUE, true).Write(REG_BINARY, bytes.data(), bytes.size(), kApprovedKey);
}
