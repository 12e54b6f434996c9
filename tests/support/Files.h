#pragma once
// Files and folders as the tests of both levels make and read them: a scratch folder of their
// own, a file's bytes, the names in a folder.
#include <string>
#include <vector>

namespace testsupport {

// A file's bytes, or `otherwise` when it cannot be opened (missing, a folder, held by someone
// who lets nobody read).
std::string FileBytes(const std::string& path, const std::string& otherwise = "<unreadable>");
// Makes or replaces `path` with exactly `bytes`; a test failure when it cannot.
void PutFile(const std::string& path, const std::string& bytes);
// The names in a folder, sorted ("." and ".." left out).
std::vector<std::string> NamesIn(const std::string& folder);
// Removes a file, or a folder with everything in it, read-only files too.
void RemoveTree(const std::string& path);
// `name` in the temporary folder, as a Windows path.
std::string TempPath(const std::string& name);

// A fresh folder under the temporary folder ("<prefix><process id>-<serial>"), removed with
// everything in it.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& prefix = "morovin-");
    ~ScratchFolder() { RemoveTree(path_); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
};

} // namespace testsupport
