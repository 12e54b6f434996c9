#pragma once
// The settings file on disk: where it is, reading it whole and replacing it whole.
#include "base/IniDocument.h"

#include <functional>
#include <string>

// The running executable's path with its extension replaced by ".ini".
std::string SettingsFile();

// The file calls a load and a save make, each giving 0 or the Win32 error code it failed with:
// the platform's own by default, others in tests to make the disk or another program refuse.
struct SettingsFileOperations {
    // The whole file into `bytes`, opened with every kind of sharing.
    std::function<unsigned long(const std::string& path, std::string& bytes)> read;
    // ReplaceFileW with no backup name; a file that nobody may remove is refused before it starts.
    std::function<unsigned long(const std::string& replaced, const std::string& replacement)> replace;
    // MoveFileExW over any file of that name.
    std::function<unsigned long(const std::string& from, const std::string& to)> move;
    std::function<unsigned long(const std::string& path)> remove;
    std::function<void(unsigned long milliseconds)> sleep;
};

const SettingsFileOperations& SystemFileOperations();

// A read refused for a moment (another program holding the file with no sharing, or a locked
// range: a scanner, the indexer, a sync client) is tried again, as the replace of a save is, for
// about a quarter of a second; only then is it taken for unreadable.

// The file's document; a missing or unreadable file gives an empty one.
IniDocument ReadSettingsDocument(const std::string& path,
                                 const SettingsFileOperations& operations = SystemFileOperations());

// The file's document as the base of a save: a missing file gives an empty one, but a file that
// exists and cannot be read throws AppError "<path> に書き込めません", so it is never overwritten.
IniDocument ReadSettingsDocumentToUpdate(const std::string& path,
                                         const SettingsFileOperations& operations = SystemFileOperations());

// Writes the whole document to a temporary file beside `path` and replaces the old file with it
// (ReplaceFileW: its attributes and rights stay), so the file is never half written. A replace
// refused for a moment (a scanner or sync client holding the file) is tried again for about a
// quarter of a second; one that fails half-way (1176, 1177) is finished by moving the new file
// over the name. When no temporary file can be made there but the file exists, it is written in
// place. Any refusal (including a read-only file) throws AppError "<path> に書き込めません" and
// leaves the previous file as it was, with no temporary file left behind; only when a failed
// replace took the old file away and no move could put the new one there is the temporary file
// kept, as the one whole copy left.
void WriteSettingsDocument(const std::string& path, const IniDocument& document,
                           const SettingsFileOperations& operations = SystemFileOperations());
