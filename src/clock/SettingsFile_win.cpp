#include "clock/SettingsFile_win.h"

#include "base/AppError.h"
#include "base/Sjis.h"

#include <windows.h>

#include <algorithm>
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

IniDocument ReadSettingsDocument(const std::string& path) {
    FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return IniDocument{};
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart < 0)
        return IniDocument{};
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char chunk[65536];
    DWORD got = 0;
    while (::ReadFile(file.get(), chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    return IniDocument::Parse(bytes);
}

void WriteSettingsDocument(const std::string& path, const IniDocument& document) {
    // Replacing by a move would get past a read-only file (and does under Wine), so check first.
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
        RefuseWrite(path);

    char tempName[MAX_PATH + 1] = {};
    if (::GetTempFileNameA(FolderOf(path).c_str(), "mrv", 0, tempName) == 0)
        RefuseWrite(path);
    TemporaryFile temp(tempName);

    FileHandle file(::CreateFileA(temp.path().c_str(), GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        RefuseWrite(path);
    const bool written = WriteAll(file.get(), document.Serialize()) && ::FlushFileBuffers(file.get());
    if (!file.close() || !written)
        RefuseWrite(path);

    if (!::MoveFileExA(temp.path().c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        RefuseWrite(path);
    temp.release();
}
