#include "base/HelpChoice.h"

#include "base/Sjis.h"

HelpChoice ChooseHelp(bool hlpExists, bool htmlExists) {
    if (htmlExists)
        return HelpChoice::Page;
    return hlpExists ? HelpChoice::WinHelp : HelpChoice::Missing;
}

std::string MissingHelpText(std::string_view pagePath) {
    const std::string folder = SiblingPath(pagePath, "");
    const std::string name(pagePath.substr(folder.size()));
    return "ヘルプのファイル " + name + " が見つかりません。\n\n探したフォルダー:\n" + folder +
           "\n\nzip に入っていた " + name + " を、このフォルダーに置いてください。";
}
