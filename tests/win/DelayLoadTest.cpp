// The libraries the program maps on first use: every function it may call there exists, the
// program's start-up imports leave them out, and a library that cannot be mapped is an error.
#include "base/AppError.h"
#include "support/ClockProcess.h"
#include "support/Paths.h"
#include "ui/DelayLoad.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The functions a delay-load list (cmake/delayload/<dll>.def) names, after its EXPORTS line.
std::vector<std::string> ListedFunctions(const std::string& dll) {
    std::ifstream def(testsupport::WindowsPathOf(MOROVIN_DELAY_DEF_DIR "/" + dll + ".def"));
    std::vector<std::string> names;
    std::string line;
    bool exports = false;
    while (std::getline(def, line)) {
        std::istringstream words(line);
        std::string word;
        if (!(words >> word))
            continue;
        if (exports)
            names.push_back(word);
        exports = exports || word == "EXPORTS";
    }
    return names;
}

// The libraries an executable imports at start, lower case, read from its import directory.
std::vector<std::string> StartUpImports(const std::string& exe) {
    HMODULE image = ::LoadLibraryExA(exe.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    if (!image)
        return {};
    const auto* base = reinterpret_cast<const unsigned char*>(image);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    std::vector<std::string> names;
    for (auto* d = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); d->Name;
         ++d) {
        std::string name = reinterpret_cast<const char*>(base + d->Name);
        for (char& c : name)
            c = static_cast<char>(::tolower(static_cast<unsigned char>(c)));
        names.push_back(name);
    }
    ::FreeLibrary(image);
    return names;
}

class DelayLoadTest : public ::testing::TestWithParam<const char*> {};

TEST_P(DelayLoadTest, EveryListedFunctionResolvesAndStartUpLeavesTheLibraryOut) {
    const std::string dll = GetParam();
    const std::vector<std::string> functions = ListedFunctions(dll);
    ASSERT_FALSE(functions.empty()) << "no list for " << dll;
    HMODULE module = ::LoadLibraryA((dll + ".dll").c_str());
    ASSERT_NE(module, nullptr);
    for (const std::string& name : functions)
        EXPECT_NE(::GetProcAddress(module, name.c_str()), nullptr) << dll << " has no " << name;
    const std::vector<std::string> imports = StartUpImports(testsupport::ProgramUnderTest());
    ASSERT_FALSE(imports.empty()) << "could not read the program's imports";
    for (const std::string& imported : imports)
        EXPECT_NE(imported, dll + ".dll") << "Morovin.exe maps " << dll << " at start";
}

INSTANTIATE_TEST_SUITE_P(Libraries, DelayLoadTest, ::testing::Values("comctl32", "comdlg32", "winmm"));

TEST(RequireLibraryTest, ALibraryThatCannotBeMappedIsReportedByName) {
    EXPECT_NO_THROW(ui::RequireLibrary(L"comdlg32.dll"));
    try {
        ui::RequireLibrary(L"morovin-missing.dll");
        FAIL() << "no error for a missing library";
    } catch (const AppError& error) {
        EXPECT_NE(std::string(error.what()).find("morovin-missing.dll"), std::string::npos) << error.what();
    }
}

} // namespace
