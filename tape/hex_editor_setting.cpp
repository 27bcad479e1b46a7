#include "tape/hex_editor_setting.h"

#include <cstdlib>

#include "support/desktop_services.h"
#include "support/file_io.h"
#include "support/ini_profile.h"

namespace murax {
namespace {

constexpr const char* kIniName = "MURAX.INI";
constexpr const char* kSection = "Edit";
constexpr const char* kKey = "Hex editor";

std::string userConfigFolder()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg && *xdg == '/')
        return std::string(xdg) + "/murax/";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.config/murax/";
}

}  // namespace

std::string hexEditorIniPath()
{
    const std::string beside = desktop().executableFolder() + kIniName;
    if (fileExists(beside))
        return beside;
    return userConfigFolder() + kIniName;
}

std::string configuredHexEditor()
{
    return readProfileString(kSection, kKey, "", hexEditorIniPath());
}

void writeEmptyHexEditorSetting()
{
    writeProfileString(kSection, kKey, "", std::string("./") + kIniName);
}

}  // namespace murax
