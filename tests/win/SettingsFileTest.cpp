// The settings file on disk: where it lies, that a write replaces it whole or not at all, and that a
// refused write leaves the old file and its folder exactly as they were.
#include "TestSupport.h"
#include "base/AppError.h"
#include "clock/SettingsFile_win.h"
#include "support/Files.h"
#include "support/Paths.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace testsupport;
using wintest::TestProgramPath;

namespace {

const char kProbeVariable[] = "MOROVIN_SETTINGS_FILE_PROBE";

IniDocument SampleDocument() {
    IniDocument doc;
    doc.Set("Form", "Left", "198");
    doc.Set("Prop", "Move", "1");
    doc.Set("Timer", "Sound", "C:\\表\\ソ.wav");
    return doc;
}

// The write is refused with the one message the user sees, and leaves `watched` as it was.
void ExpectRefused(const std::string& path, const std::string& watched) {
    const std::vector<std::string> before = NamesIn(watched);
    const std::string oldBytes = FileBytes(path);
    try {
        WriteSettingsDocument(path, SampleDocument());
        ADD_FAILURE() << "the write to " << path << " was not refused";
    } catch (const AppError& e) {
        EXPECT_EQ(std::string(e.what()), InsertText("%s に書き込めません", path));
    }
    EXPECT_EQ(FileBytes(path), oldBytes) << "the old file is untouched";
    EXPECT_EQ(NamesIn(watched), before) << "no temporary file is left behind";
}

} // namespace

TEST(SettingsFile, IsTheProgramPathWithIni) {
    const std::string program = TestProgramPath();
    ASSERT_GE(program.size(), 4u);
    ASSERT_EQ(program.substr(program.size() - 4), ".exe");
    EXPECT_EQ(SettingsFile(), program.substr(0, program.size() - 4) + ".ini");
}

TEST(SettingsFile, WriteCreatesTheFile) {
    ScratchFolder folder;
    const std::string path = folder / "Morovin.ini";
    WriteSettingsDocument(path, SampleDocument());
    EXPECT_EQ(FileBytes(path),
              "[Form]\r\nLeft=198\r\n[Prop]\r\nMove=1\r\n[Timer]\r\nSound=C:\\表\\ソ.wav\r\n");
    EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{"Morovin.ini"});
    EXPECT_EQ(::GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST(SettingsFile, WriteReplacesTheWholeFile) {
    ScratchFolder folder;
    const std::string path = folder / "Morovin.ini";
    PutFile(path, "[Old]\r\n" + std::string(20000, 'x') + "\r\n");
    IniDocument doc;
    doc.Set("Form", "Left", "1");
    WriteSettingsDocument(path, doc);
    EXPECT_EQ(FileBytes(path), "[Form]\r\nLeft=1\r\n") << "nothing of the longer old file is left";
    EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{"Morovin.ini"});
}

TEST(SettingsFile, UnknownKeysSurviveARoundTrip) {
    ScratchFolder folder;
    const std::string path = folder / "Morovin.ini";
    PutFile(path, "; kept\n[Form]\nLeft=5\nMine=表\n\n[Other]\nk=v\n");
    IniDocument doc = ReadSettingsDocument(path);
    doc.Set("Form", "Left", "6");
    doc.Set("Form", "Top", "7");
    WriteSettingsDocument(path, doc);
    EXPECT_EQ(FileBytes(path), "; kept\r\n[Form]\r\nLeft=6\r\nMine=表\r\nTop=7\r\n\r\n[Other]\r\nk=v\r\n");
    const IniDocument again = ReadSettingsDocument(path);
    EXPECT_EQ(again.Get("Form", "Left"), "6");
    EXPECT_EQ(again.Get("Form", "Mine"), "表");
    EXPECT_EQ(again.Get("Other", "k"), "v");
}

TEST(SettingsFile, MissingOrUnreadableFileReadsAsEmpty) {
    ScratchFolder folder;
    EXPECT_EQ(ReadSettingsDocument(folder / "none.ini").Serialize(), "");
    EXPECT_EQ(ReadSettingsDocument(folder.Path()).Serialize(), ""); // a folder
}

TEST(SettingsFile, RefusedWritesLeaveEverythingAsItWas) {
    ScratchFolder folder;
    const std::string readOnly = folder / "ReadOnly.ini";
    PutFile(readOnly, "[Form]\r\nLeft=10\r\n");
    ASSERT_TRUE(::SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    ExpectRefused(readOnly, folder.Path());

    const std::string directory = folder / "Folder.ini";
    ASSERT_TRUE(::CreateDirectoryA(directory.c_str(), nullptr));
    ExpectRefused(directory, folder.Path());
    EXPECT_EQ(::GetFileAttributesA(directory.c_str()) & FILE_ATTRIBUTE_DIRECTORY, FILE_ATTRIBUTE_DIRECTORY);

    ExpectRefused(folder / "missing\\Morovin.ini", folder.Path());

    // Held open by someone who lets nobody replace it: the temporary file is made, then removed.
    const std::string held = folder / "Held.ini";
    PutFile(held, "[Form]\r\nLeft=10\r\n");
    const HANDLE h = ::CreateFileA(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    ExpectRefused(held, folder.Path());
    ::CloseHandle(h);
}

// "表" is 0x95 0x5C: its second byte is the path separator's. A program in such a folder must get
// its settings file in that folder, and the temporary file must go there too. The test runs a
// copy of this program from "<scratch>\表\表.exe", which writes a document to its SettingsFile().
TEST(SettingsFile, ProgramInAFolderEndingInA5CSecondByte) {
    if (::GetEnvironmentVariableA(kProbeVariable, nullptr, 0) != 0) {
        IniDocument doc;
        doc.Set("Probe", "Path", SettingsFile());
        WriteSettingsDocument(SettingsFile(), doc);
        return;
    }

    ScratchFolder folder;
    const std::string hyou = folder / "表";
    ASSERT_TRUE(::CreateDirectoryA(hyou.c_str(), nullptr));
    const std::string copy = hyou + "\\表.exe";
    ASSERT_TRUE(::CopyFileA(TestProgramPath().c_str(), copy.c_str(), TRUE));

    std::string command = "\"" + copy + "\" --gtest_brief=1 " +
                          "--gtest_filter=SettingsFile.ProgramInAFolderEndingInA5CSecondByte";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ::SetEnvironmentVariableA(kProbeVariable, "1");
    const BOOL started = ::CreateProcessA(copy.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                          nullptr, &startup, &process);
    ::SetEnvironmentVariableA(kProbeVariable, nullptr);
    ASSERT_TRUE(started) << ::GetLastError();
    if (::WaitForSingleObject(process.hProcess, 60000) != WAIT_OBJECT_0)
        ::TerminateProcess(process.hProcess, 99);
    DWORD exitCode = 99;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    ASSERT_EQ(exitCode, 0u);

    const std::string expected = hyou + "\\表.ini";
    EXPECT_EQ(FileBytes(expected), "[Probe]\r\nPath=" + expected + "\r\n");
    EXPECT_EQ(NamesIn(hyou), (std::vector<std::string>{"表.exe", "表.ini"}));
    EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{"表"}) << "nothing beside the folder";
}

TEST(SettingsFile, WriteInAFolderEndingInA5CSecondByte) {
    ScratchFolder folder;
    const std::string hyou = folder / "予定表";
    ASSERT_TRUE(::CreateDirectoryA(hyou.c_str(), nullptr));
    WriteSettingsDocument(hyou + "\\表", SampleDocument()); // no extension, name ending in 0x5C too
    EXPECT_EQ(NamesIn(hyou), std::vector<std::string>{"表"});
    EXPECT_EQ(FileBytes(hyou + "\\表"), SampleDocument().Serialize());
    EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{"予定表"});
}

namespace {

// Starts a program of the machine under Wine (e.g. "/usr/bin/chattr"); Wine hands out no process
// handle for it, so callers wait for its effect.
bool StartUnixProgram(const std::string& program, const std::string& arguments) {
    return reinterpret_cast<INT_PTR>(::ShellExecuteA(nullptr, nullptr, WindowsPathOf(program).c_str(),
                                                     arguments.c_str(), nullptr, SW_HIDE)) > 32;
}

std::string UnixPathOf(const std::string& path) {
    using ToUnix = char*(CDECL*)(const WCHAR*);
    const auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    WCHAR wide[MAX_PATH] = {};
    ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
    char* unix = toUnix ? toUnix(wide) : nullptr;
    const std::string result = unix ? unix : "";
    if (unix)
        ::HeapFree(::GetProcessHeap(), 0, unix);
    return result;
}

// Runs a shell command of the machine and returns its exit status, or -1 when it could not be
// run. Wine hands out no process handle for a Unix program, so the shell writes the status to a
// file beside `folder`, and that file is waited for.
int RunShell(const std::string& folder, const std::string& command) {
    const std::string status = folder + ".status";
    ::DeleteFileA(status.c_str());
    if (!StartUnixProgram("/bin/sh", "-c \"" + command + "; echo $? > '" + UnixPathOf(folder) + ".status'\""))
        return -1;
    std::string text;
    for (int i = 0; i < 250 && (text = FileBytes(status)).find('\n') == std::string::npos; ++i)
        ::Sleep(20);
    ::DeleteFileA(status.c_str());
    return !text.empty() && text[0] >= '0' && text[0] <= '9' ? std::atoi(text.c_str()) : -1;
}

// A folder in which no new file can be made while the files in it stay writable (as a folder the
// user may not write to, holding a file they may). Root ignores permission bits, so the folder
// is made immutable instead.
class LockedFolder {
public:
    explicit LockedFolder(const std::string& path) : path_(path), unix_(UnixPathOf(path)) {
        locked_ = !unix_.empty() && RunShell(path_, "chattr +i '" + unix_ + "'") == 0;
    }
    ~LockedFolder() {
        if (locked_)
            RunShell(path_, "chattr -i '" + unix_ + "'");
    }
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;
    bool Locked() const { return locked_; }

private:
    std::string path_;
    std::string unix_;
    bool locked_ = false;
};

} // namespace

TEST(SettingsFile, ReplacingKeepsTheFilesAttributes) {
    ScratchFolder folder;
    const std::string path = folder / "Morovin.ini";
    PutFile(path, "[Form]\r\nLeft=1\r\n");
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
    ASSERT_TRUE(::SetFileAttributesA(path.c_str(), kept));
    WriteSettingsDocument(path, SampleDocument());
    EXPECT_EQ(FileBytes(path), SampleDocument().Serialize());
    EXPECT_EQ(::GetFileAttributesA(path.c_str()) & kept, kept);
    EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{"Morovin.ini"});
}

TEST(SettingsFile, FolderThatTakesNoNewFileGetsTheFileWrittenInPlace) {
    ScratchFolder folder;
    const std::string path = folder / "Morovin.ini";
    PutFile(path, "[Old]\r\n" + std::string(3000, 'x') + "\r\n");
    LockedFolder lock(folder.Path());
    if (!lock.Locked())
        GTEST_SKIP() << "this machine cannot make a folder refuse new files (chattr +i)";

    WriteSettingsDocument(path, SampleDocument());
    EXPECT_EQ(FileBytes(path), SampleDocument().Serialize()) << "nothing of the longer old file is left";
    EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{"Morovin.ini"});
    // With no file there, nothing can be written: refused as usual.
    ExpectRefused(folder / "Other.ini", folder.Path());
}

TEST(SettingsFile, FileThatCannotBeReadIsNeverTheBaseOfASave) {
    ScratchFolder folder;
    const std::string path = folder / "Morovin.ini";
    const std::string original = "[Form]\r\nLeft=5\r\nMine=kept\r\n";
    PutFile(path, original);
    {
        // Opened by someone who lets nobody else in.
        const HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        try {
            ReadSettingsDocumentToUpdate(path);
            ADD_FAILURE() << "an unreadable file was taken for an empty one";
        } catch (const AppError& e) {
            EXPECT_EQ(std::string(e.what()), InsertText("%s に書き込めません", path));
        }
        ::CloseHandle(h);
    }
    EXPECT_EQ(FileBytes(path), original);
    EXPECT_EQ(ReadSettingsDocumentToUpdate(path).Get("Form", "Mine"), "kept");
    EXPECT_EQ(ReadSettingsDocumentToUpdate(folder / "none.ini").Serialize(), "")
        << "a missing file is no error";
    EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::string>{"Morovin.ini"});
}

TEST(SettingsFile, AReadRefusedForAMomentIsTriedAgainAsTheReplaceIs) {
    ScratchFolder folder;
    const std::string path = folder / "Morovin.ini";
    PutFile(path, "[Form]\r\nMine=kept\r\n");
    const DWORD refusals[] = {ERROR_SHARING_VIOLATION, ERROR_LOCK_VIOLATION, ERROR_SHARING_VIOLATION};
    std::size_t calls = 0;
    unsigned long slept = 0;
    SettingsFileOperations operations = SystemFileOperations();
    operations.read = [&](const std::string& file, std::string& bytes) {
        return calls < std::size(refusals) ? static_cast<unsigned long>(refusals[calls++])
                                           : (++calls, SystemFileOperations().read(file, bytes));
    };
    operations.sleep = [&](unsigned long milliseconds) { slept += milliseconds; };
    EXPECT_EQ(ReadSettingsDocumentToUpdate(path, operations).Get("Form", "Mine"), "kept");
    EXPECT_EQ(calls, 4u);
    EXPECT_EQ(slept, 150u);
}

namespace {

// What a failing replace did to the settings file before it gave its error.
enum class Target { Kept, Removed, Renamed };
enum class Content { None, Old, New };

struct ReplaceCase {
    const char* what;
    std::vector<DWORD> replaceErrors; // the replace's errors, call by call; after them it works
    Target target;                    // what the failing replace did to the settings file
    DWORD moveError;                  // what every move gives (0: moves work)
    bool saved;
    std::size_t replaceCalls;
    Content underTheName;
    std::vector<Content> besideIt; // the other files left in the folder
};

} // namespace

TEST(SettingsFile, AFailedReplaceNeverLosesTheFile) {
    const std::vector<DWORD> neverClears(20, ERROR_SHARING_VIOLATION);
    const ReplaceCase cases[] = {
        {"1176: old file gone, new one under its own name",
         {ERROR_UNABLE_TO_MOVE_REPLACEMENT},
         Target::Removed,
         0,
         true,
         1,
         Content::New,
         {}},
        {"1176 and no move: the new content is kept",
         {ERROR_UNABLE_TO_MOVE_REPLACEMENT},
         Target::Removed,
         ERROR_ACCESS_DENIED,
         false,
         1,
         Content::None,
         {Content::New}},
        {"1177, old file still there",
         {ERROR_UNABLE_TO_MOVE_REPLACEMENT_2},
         Target::Kept,
         0,
         true,
         1,
         Content::New,
         {}},
        {"1177, old file renamed",
         {ERROR_UNABLE_TO_MOVE_REPLACEMENT_2},
         Target::Renamed,
         0,
         true,
         1,
         Content::New,
         {Content::Old}},
        {"1177 and no move: the old file stays",
         {ERROR_UNABLE_TO_MOVE_REPLACEMENT_2},
         Target::Kept,
         ERROR_ACCESS_DENIED,
         false,
         1,
         Content::Old,
         {}},
        {"a refusal that clears",
         {ERROR_SHARING_VIOLATION, ERROR_SHARING_VIOLATION},
         Target::Kept,
         0,
         true,
         3,
         Content::New,
         {}},
        {"each momentary refusal, cleared",
         {ERROR_ACCESS_DENIED, ERROR_LOCK_VIOLATION, ERROR_UNABLE_TO_REMOVE_REPLACED},
         Target::Kept,
         0,
         true,
         4,
         Content::New,
         {}},
        {"a refusal that never clears", neverClears, Target::Kept, 0, false, 5, Content::Old, {}},
    };
    const std::string oldBytes = "[Old]\r\nLeft=1\r\n";
    const std::string newBytes = SampleDocument().Serialize();
    const auto bytesOf = [&](Content content) {
        return content == Content::Old ? oldBytes : content == Content::New ? newBytes : "<unreadable>";
    };
    for (const ReplaceCase& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        const std::string path = folder / "Morovin.ini";
        PutFile(path, oldBytes);

        std::size_t calls = 0;
        unsigned long slept = 0;
        SettingsFileOperations operations = SystemFileOperations();
        operations.replace = [&](const std::string& replaced, const std::string& replacement) {
            if (calls >= c.replaceErrors.size()) {
                ++calls;
                return SystemFileOperations().replace(replaced, replacement);
            }
            if (c.target == Target::Removed)
                ::DeleteFileA(replaced.c_str());
            if (c.target == Target::Renamed)
                ::MoveFileA(replaced.c_str(), (folder / "platform.tmp").c_str());
            return static_cast<unsigned long>(c.replaceErrors[calls++]);
        };
        operations.move = [&](const std::string& from, const std::string& to) {
            return c.moveError != 0 ? c.moveError : SystemFileOperations().move(from, to);
        };
        operations.sleep = [&](unsigned long milliseconds) { slept += milliseconds; };

        bool saved = true;
        try {
            WriteSettingsDocument(path, SampleDocument(), operations);
        } catch (const AppError& e) {
            saved = false;
            EXPECT_EQ(std::string(e.what()), InsertText("%s に書き込めません", path));
        }
        EXPECT_EQ(saved, c.saved);
        EXPECT_EQ(calls, c.replaceCalls);
        EXPECT_LE(slept, 250u) << "a refusal costs at most about a quarter of a second";
        EXPECT_EQ(FileBytes(path), bytesOf(c.underTheName));
        std::vector<std::string> beside;
        for (const std::string& name : NamesIn(folder.Path()))
            if (name != "Morovin.ini")
                beside.push_back(FileBytes(folder / name));
        std::vector<std::string> expected;
        for (Content content : c.besideIt)
            expected.push_back(bytesOf(content));
        EXPECT_EQ(beside, expected);
    }
}
