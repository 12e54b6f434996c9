#pragma once
// The settings file on disk: where it is, reading it whole and replacing it whole.
#include "base/IniDocument.h"

#include <string>

// The running executable's path with its extension replaced by ".ini".
std::string SettingsFile();

// The file's document; a missing or unreadable file gives an empty one.
IniDocument ReadSettingsDocument(const std::string& path);

// Writes the whole document to a temporary file beside `path` and moves it over the old file, so
// the file is never half written. Any refusal (including a read-only file) throws
// AppError "<path> に書き込めません" and leaves the previous file as it was.
void WriteSettingsDocument(const std::string& path, const IniDocument& document);
