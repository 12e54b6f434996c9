#pragma once
// Unix paths as the Windows programs under Wine see them: the Z: drive is the Unix root.
#include <string>

namespace testsupport {

inline std::string WindowsPathOf(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

} // namespace testsupport
