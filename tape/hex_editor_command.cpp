#include "tape/hex_editor_command.h"

#include "support/desktop_services.h"
#include "support/file_io.h"
#include "support/message_box.h"
#include "support/temp_names.h"
#include "tape/block_list_box.h"
#include "tape/hex_editor_setting.h"
#include "tape/tap_decoding.h"

namespace murax {
namespace {

// The hex editor's scratch file goes away however the hand-off ends, abandoned ones included.
class ScratchFile {
public:
    explicit ScratchFile(std::string path) : path_(std::move(path)) {}
    ~ScratchFile() { deleteFileQuietly(path_); }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

bool isBlankSetting(const std::string& value)
{
    return value.find_first_not_of(" \t\r\n") == std::string::npos;
}

constexpr int kShowNormal = 5;

}  // namespace

void MODHEX(Window& window, BlockList& list)
{
    const std::string editor = configuredHexEditor();
    const std::string tempPath = ACS_TEMP + GETNEWFNAME();
    ListBox& box = blockListBox(window);
    const int n = box.currentPosition();

    if (isBlankSetting(editor)) {
        writeEmptyHexEditorSetting();
        POPMSG("Missing Hex editor value in the Edit section of MURAX.INI file.", 1);
        return;
    }
    if (n < 1 || static_cast<std::size_t>(n) > list.count())
        return;

    const std::size_t index = static_cast<std::size_t>(n) - 1;
    ScratchFile scratch(tempPath);
    // A failed write is raised: the hex editor is not started on a file that does not hold the entry.
    writeFile(scratch.path(), list.entries[index]);
    desktop().runAndWait(editor + " " + scratch.path(), kShowNormal);
    std::string edited = readFile(scratch.path());

    // An empty entry would show a length of -2 and vanish from the tape on its next load.
    if (edited.empty() || index >= list.count())
        return;
    list.lines[index] = DisplayLine(BLKLINE(edited));
    list.entries[index] = std::move(edited);
    reloadAndSelect(box, list.lines, n);
}

}  // namespace murax
