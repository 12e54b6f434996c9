#pragma once
// The settings file on disk: where it is, reading it whole and replacing it whole.
#include "base/IniDocument.h"

#include <string>

// The running executable's path with its extension replaced by ".ini".
std::string SettingsFile();

// The file's document; a missing or unreadable file gives an empty one.
IniDocument ReadSettingsDocument(const std::string& path);

// The file's document as the base of a save: a missing file gives an empty one, but a file that
// exists and cannot be read throws AppError "<path> に書き込めません", so it is never overwritten.
IniDocument ReadSettingsDocumentToUpdate(const std::string& path);

// Writes the whole document to a temporary file beside `path` and replaces the old file with it
// (ReplaceFileA: its attributes and rights stay), so the file is never half written. When no
// temporary file can be made there but the file exists, it is written in place. Any refusal
// (including a read-only file) throws AppError "<path> に書き込めません" and leaves the previous
// file as it was; no temporary file is ever left behind.
void WriteSettingsDocument(const std::string& path, const IniDocument& document);
