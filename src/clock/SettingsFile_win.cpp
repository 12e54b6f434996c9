#include "clock/SettingsFile_win.h"

#include "base/AppError.h"
#include "base/Sjis.h"

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

// Removes the temporary file unless it has been moved into place.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty())
            ::DeleteFileA(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& path() const { return path_; }
    void release() { path_.clear(); }

private:
    std::string path_;
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
    // Paths can be longer than MAX_PATH; grow until the name fits with room for its NUL.
    std::string buffer(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return ".ini";
        if (length < buffer.size()) {
            buffer.resize(length);
            return SettingsPathFor(buffer);
        }
        if (buffer.size() >= 32768 * 4)
            return SettingsPathFor(buffer);
        buffer.resize(buffer.size() * 2);
    }
}

namespace {

// The whole file, or nothing when it cannot be opened for reading.
std::optional<std::string> ReadFileBytes(const std::string& path) {
    FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return std::nullopt;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart < 0)
        return std::nullopt;
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char chunk[65536];
    DWORD got = 0;
    while (::ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    return bytes;
}

bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool WriteWhole(HANDLE file, const std::string& bytes) {
    return WriteAll(file, bytes) && ::SetEndOfFile(file) && ::FlushFileBuffers(file);
}

// Used only when no temporary file can be made beside the settings file (a folder the user may
// not write to, holding a file they may): the file keeps its identity, attributes and rights.
void WriteInPlace(const std::string& path, const std::string& bytes) {
    FileHandle file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.valid())
        RefuseWrite(path);
    const bool written = WriteWhole(file.get(), bytes);
    if (!file.close() || !written)
        RefuseWrite(path);
}

// Moves the finished temporary file into place. ReplaceFileA keeps the old file's attributes,
// rights and creation time; where a platform's replace drops the attributes, they are put back.
bool MoveIntoPlace(const std::string& temp, const std::string& path) {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return ::MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
    // A replace that fails half-way (the file held open by someone who lets nobody remove it) can
    // leave a file of the platform's own beside it, so that case is found out first.
    if (!FileHandle(::CreateFileA(path.c_str(), DELETE,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, 0, nullptr))
             .valid())
        return false;
    if (!::ReplaceFileA(path.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                        nullptr))
        return false;
    if (::GetFileAttributesA(path.c_str()) != attributes)
        ::SetFileAttributesA(path.c_str(), attributes);
    return true;
}

} // namespace

IniDocument ReadSettingsDocument(const std::string& path) {
    return IniDocument::Parse(ReadFileBytes(path).value_or(std::string()));
}

IniDocument ReadSettingsDocumentToUpdate(const std::string& path) {
    std::optional<std::string> bytes = ReadFileBytes(path);
    if (!bytes && Exists(path))
        RefuseWrite(path); // saving over a file we could not read would lose what it holds
    return IniDocument::Parse(bytes.value_or(std::string()));
}

void WriteSettingsDocument(const std::string& path, const IniDocument& document) {
    // Replacing would get past a read-only file (and does under Wine), so check first.
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        RefuseWrite(path);
    const std::string bytes = document.Serialize();

    char tempName[MAX_PATH + 1] = {};
    const bool named = ::GetTempFileNameA(FolderOf(path).c_str(), "mrv", 0, tempName) != 0;
    TemporaryFile temp(named ? tempName : ""); // removed on every way out unless moved into place
    FileHandle file(named ? ::CreateFileA(tempName, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
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
    if (!MoveIntoPlace(temp.path(), path))
        RefuseWrite(path);
    temp.release();
}
