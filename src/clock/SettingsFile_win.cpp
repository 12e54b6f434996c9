#include "clock/SettingsFile_win.h"

#include "base/AppError.h"
#include "base/Sjis.h"
#include "ui/WidePath.h"
#include "ui/WideText.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// Owns a kernel file handle (not a GDI/USER one, so not counted with those).
class FileHandle {
public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    ~FileHandle() {
        if (valid())
            ::CloseHandle(h_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
    HANDLE get() const { return h_; }
    // Closes now and reports whether the close succeeded (the last chance to see a write fail).
    bool close() { return ::CloseHandle(std::exchange(h_, INVALID_HANDLE_VALUE)) != FALSE; }

private:
    HANDLE h_;
};

// Removes the temporary file unless it has been moved into place or must be kept.
class TemporaryFile {
public:
    TemporaryFile(std::string path, const SettingsFileOperations& operations)
        : path_(std::move(path)), operations_(operations) {}
    ~TemporaryFile() {
        if (!path_.empty())
            operations_.remove(path_);
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& path() const { return path_; }
    void release() { path_.clear(); }

private:
    std::string path_;
    const SettingsFileOperations& operations_;
};

[[noreturn]] void RefuseWrite(const std::string& path) {
    throw AppError(InsertText("%s に書き込めません", path));
}

// The folder part of a path, up to and including its last "\" or ":" (second bytes of
// double-byte characters do not count), or "." for a bare file name.
std::string FolderOf(const std::string& path) {
    std::size_t end = 0;
    for (std::size_t i = 0; i < path.size(); i += SjisCharLength(path, i))
        if (path[i] == '\\' || path[i] == '/' || path[i] == ':')
            end = i + 1;
    return end == 0 ? std::string(".") : path.substr(0, end);
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

std::string SettingsFile() {
    // Shift-JIS, as the error report shows it; the file calls turn its folder back into the
    // program's wide one (ui::WidePath).
    return SettingsPathFor(ui::NarrowProgramPath());
}

namespace {

bool Exists(const std::string& path) {
    return ::GetFileAttributesW(ui::WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WriteWhole(HANDLE file, const std::string& bytes) {
    return WriteAll(file, bytes) && ::SetEndOfFile(file) && ::FlushFileBuffers(file);
}

// Used only when no temporary file can be made beside the settings file (a folder the user may
// not write to, holding a file they may): the file keeps its identity, attributes and rights.
void WriteInPlace(const std::string& path, const std::string& bytes) {
    FileHandle file(
        ::CreateFileW(ui::WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.valid())
        RefuseWrite(path);
    const bool written = WriteWhole(file.get(), bytes);
    if (!file.close() || !written)
        RefuseWrite(path);
}

// The error of the call just failed; never 0, so a failure is never taken for success.
DWORD LastError() {
    const DWORD error = ::GetLastError();
    return error != 0 ? error : ERROR_GEN_FAILURE;
}

DWORD SystemRead(const std::string& path, std::string& bytes) {
    bytes.clear();
    FileHandle file(::CreateFileW(ui::WidePath(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return LastError();
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart < 0)
        return LastError();
    bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        // A locked range fails the read: never taken for the end of the file.
        if (!::ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr))
            return LastError();
        if (got == 0)
            return 0;
        bytes.append(chunk, got);
    }
}

DWORD SystemReplace(const std::string& replaced, const std::string& replacement) {
    // A replace that fails half-way (the file held open by someone who lets nobody remove it) can
    // leave a file of the platform's own beside it, so that case is found out first.
    const std::wstring target = ui::WidePath(replaced);
    if (!FileHandle(::CreateFileW(target.c_str(), DELETE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, 0, nullptr))
             .valid())
        return LastError();
    return ::ReplaceFileW(target.c_str(), ui::WidePath(replacement).c_str(), nullptr,
                          REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)
               ? 0
               : LastError();
}

DWORD SystemMove(const std::string& from, const std::string& to) {
    return ::MoveFileExW(ui::WidePath(from).c_str(), ui::WidePath(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : LastError();
}

DWORD SystemRemove(const std::string& path) {
    return ::DeleteFileW(ui::WidePath(path).c_str()) ? 0 : LastError();
}

// What a virus scanner, the indexer or a sync client gives while it holds the file a moment.
bool IsMomentaryRefusal(DWORD error) {
    return error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
           error == ERROR_LOCK_VIOLATION || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
}

// What such a hold gives a reader.
bool IsMomentaryReadRefusal(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// Four pauses of 50 ms: such a hold usually clears well within a quarter of a second.
constexpr int kRetries = 4;
constexpr DWORD kRetryPause = 50;

template <class Attempt>
DWORD Retried(const SettingsFileOperations& operations, Attempt attempt,
              bool (*momentary)(DWORD) = IsMomentaryRefusal) {
    DWORD error = attempt();
    for (int i = 0; i < kRetries && momentary(error); ++i) {
        operations.sleep(kRetryPause);
        error = attempt();
    }
    return error;
}

// Moves the finished temporary file into place; true when the settings file holds the new
// content. `attributes` are the old file's (INVALID_FILE_ATTRIBUTES when there was none).
bool MoveIntoPlace(const SettingsFileOperations& operations, const std::string& temp, const std::string& path,
                   DWORD attributes) {
    const auto move = [&] { return Retried(operations, [&] { return operations.move(temp, path); }); };
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return move() == 0;
    DWORD error = Retried(operations, [&] { return operations.replace(path, temp); });
    // Failed half-way: on 1176 the old file is gone and the new one still under its temporary
    // name; on 1177 the old file is still there or under a name of the platform's. Moving the new
    // one over finishes what was meant.
    if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT || error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2 ||
        (error != 0 && !Exists(path)))
        error = move();
    if (error != 0)
        return false;
    // ReplaceFileW keeps the old file's attributes, but a platform's replace or a move may not.
    const std::wstring file = ui::WidePath(path);
    if (::GetFileAttributesW(file.c_str()) != attributes)
        ::SetFileAttributesW(file.c_str(), attributes);
    return true;
}

} // namespace

const SettingsFileOperations& SystemFileOperations() {
    static const SettingsFileOperations operations{SystemRead, SystemReplace, SystemMove, SystemRemove,
                                                   [](unsigned long milliseconds) { ::Sleep(milliseconds); }};
    return operations;
}

namespace {

// The whole file, or nothing when it cannot be read (after a momentary refusal has had its time).
std::optional<std::string> ReadFileBytes(const std::string& path, const SettingsFileOperations& operations) {
    std::string bytes;
    if (Retried(
            operations, [&] { return operations.read(path, bytes); }, IsMomentaryReadRefusal) != 0)
        return std::nullopt;
    return bytes;
}

} // namespace

IniDocument ReadSettingsDocument(const std::string& path, const SettingsFileOperations& operations) {
    return IniDocument::Parse(ReadFileBytes(path, operations).value_or(std::string()));
}

IniDocument ReadSettingsDocumentToUpdate(const std::string& path, const SettingsFileOperations& operations) {
    std::optional<std::string> bytes = ReadFileBytes(path, operations);
    if (!bytes && Exists(path))
        RefuseWrite(path); // saving over a file we could not read would lose what it holds
    return IniDocument::Parse(bytes.value_or(std::string()));
}

void WriteSettingsDocument(const std::string& path, const IniDocument& document,
                           const SettingsFileOperations& operations) {
    // Replacing would get past a read-only file (and does under Wine), so check first.
    const DWORD attributes = ::GetFileAttributesW(ui::WidePath(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        RefuseWrite(path);
    const std::string bytes = document.Serialize();

    wchar_t tempName[MAX_PATH + 1] = {};
    const bool named = ::GetTempFileNameW(ui::WidePath(FolderOf(path)).c_str(), L"mrv", 0, tempName) != 0;
    // Beside the settings file, so WidePath finds the same file by its Shift-JIS name.
    TemporaryFile temp(named ? ui::Narrow(tempName) : "", operations); // removed on every way out unless kept
    FileHandle file(named ? ::CreateFileW(tempName, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, nullptr)
                          : INVALID_HANDLE_VALUE);
    if (!file.valid()) {
        // No temporary file could be made beside it (Wine even names one it failed to create).
        if (attributes == INVALID_FILE_ATTRIBUTES)
            RefuseWrite(path);
        WriteInPlace(path, bytes);
        return;
    }
    const bool written = WriteWhole(file.get(), bytes);
    if (!file.close() || !written)
        RefuseWrite(path);
    if (!MoveIntoPlace(operations, temp.path(), path, attributes)) {
        // An old file still under the name is whole and stays. Had a failed replace taken it
        // away, the temporary file would be the only whole copy left, so it is kept.
        if (attributes != INVALID_FILE_ATTRIBUTES && !Exists(path))
            temp.release();
        RefuseWrite(path);
    }
    temp.release();
}
