// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a save does to the disk in each situation a user's folder can be in, with the message the
// user gets. The cases run as an unprivileged user so that permissions hold under a root CI too.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "seam/app_context.h"
#include "seam/error_handler.h"
#include "support/ascii_case.h"
#include "support/platform/file_io.h"
#include "support/platform/replacing_write.h"
#include "support/runtime_errors.h"
#include "tape/commands/file_saving.h"
#include "tests/fakes/fake_desktop.h"
#include "tests/support/helpers/scratch_folder.h"
#include "tests/support/helpers/unprivileged.h"

namespace fs = std::filesystem;

namespace murax {
namespace {

using testing::readText;
using testing::writeText;

const std::string kOld = "old bytes";
const std::vector<std::string> kNewParts = {"new ", "", "bytes\x1A"};
const std::string kNew = "new bytes\x1A";

// The same bytes made while they are written, a byte at a time, as often as they are asked for.
const ByteParts kMadeParts([](const ByteParts::Sink& sink) {
    for (const char c : kNew)
        if (!sink(std::string_view(&c, 1)))
            return false;
    return true;
});

struct ProgramEnded {};

std::set<std::string> namesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& item : fs::directory_iterator(folder))
        names.insert(item.path().filename().string());
    return names;
}

std::string describe(const std::set<std::string>& names)
{
    std::string text;
    for (const auto& name : names)
        text += (text.empty() ? "" : ", ") + name.substr(0, 20);
    return "{" + text + "}";
}

unsigned modeOf(const fs::path& path)
{
    struct stat status {};
    ::stat(path.c_str(), &status);
    return status.st_mode & 07777;
}

// "" when `what` holds, else the complaint.
std::string expect(bool what, const std::string& complaint)
{
    return what ? "" : complaint + "; ";
}

const std::string kLongName = std::string(246, 'g') + ".tap";     // 250 bytes
const std::string kLongestName = std::string(251, 'h') + ".tap";  // 255 bytes
const std::string kTooLongName = std::string(296, 'x') + ".tap";  // over any file system's limit

struct SaveCase {
    const char* name;
    std::string target;                                     // relative to the work folder
    std::function<void(const fs::path& dir)> before;        // what is on disk before
    std::string message;                                    // "@" stands for the target, upper case
    std::function<std::string(const fs::path& dir)> after;  // "" when the disk is as it must be
};

const std::vector<SaveCase>& saveCases()
{
    static const std::vector<SaveCase> cases = {
        {"a 250-byte name", kLongName, [](const fs::path& d) { writeText(d / kLongName, kOld); },
         "",
         [](const fs::path& d) {
             return expect(readText(d / kLongName) == kNew, "not saved") +
                    expect(namesIn(d).size() == 1, "leftover " + describe(namesIn(d)));
         }},
        {"a new file with a 255-byte name", kLongestName, [](const fs::path&) {}, "",
         [](const fs::path& d) {
             return expect(readText(d / kLongestName) == kNew, "not saved") +
                    expect(modeOf(d / kLongestName) == 0644, "not the mode of a new file");
         }},
        {"a name longer than the file system takes", kTooLongName, [](const fs::path&) {},
         "Percorso @ non trovato.",
         [](const fs::path& d) { return expect(namesIn(d).empty(), "something was made"); }},
        {"a write-protected tape", "game.tap",
         [](const fs::path& d) {
             writeText(d / "game.tap", kOld);
             fs::permissions(d / "game.tap", fs::perms(0444));
         },
         "Impossibile accedere al file @.",
         [](const fs::path& d) {
             return expect(readText(d / "game.tap") == kOld, "the protected tape changed") +
                    expect(modeOf(d / "game.tap") == 0444, "the protection changed") +
                    expect(namesIn(d).size() == 1, "leftover " + describe(namesIn(d)));
         }},
        {"a writable tape in a read-only folder", "locked/game.tap",
         [](const fs::path& d) {
             fs::create_directory(d / "locked");
             writeText(d / "locked/game.tap", kOld);
             fs::permissions(d / "locked", fs::perms(0555));
         },
         "",
         [](const fs::path& d) {
             return expect(readText(d / "locked/game.tap") == kNew, "not saved") +
                    expect(namesIn(d / "locked").size() == 1, "leftover in the folder") +
                    expect(namesIn(d.parent_path() / "data/murax").empty(),
                           "the safety copy stayed");
         }},
        {"a new tape in a read-only folder", "locked/game.tap",
         [](const fs::path& d) {
             fs::create_directory(d / "locked");
             fs::permissions(d / "locked", fs::perms(0555));
         },
         "Impossibile accedere al file @.",
         [](const fs::path& d) {
             return expect(namesIn(d / "locked").empty(), "a file was made");
         }},
        {"a tape with a second name", "game.tap",
         [](const fs::path& d) {
             writeText(d / "game.tap", kOld);
             fs::create_hard_link(d / "game.tap", d / "alias.tap");
         },
         "",
         [](const fs::path& d) {
             return expect(readText(d / "game.tap") == kNew, "not saved") +
                    expect(readText(d / "alias.tap") == kNew, "the other name kept the old bytes") +
                    expect(fs::hard_link_count(d / "game.tap") == 2, "the names came apart");
         }},
        {"a private tape", "game.tap",
         [](const fs::path& d) {
             writeText(d / "game.tap", kOld);
             fs::permissions(d / "game.tap", fs::perms(0600));
         },
         "",
         [](const fs::path& d) {
             return expect(readText(d / "game.tap") == kNew, "not saved") +
                    expect(modeOf(d / "game.tap") == 0600, "the permissions changed");
         }},
        {"a link to the tape", "link.tap",
         [](const fs::path& d) {
             writeText(d / "real.tap", kOld);
             fs::create_symlink("real.tap", d / "link.tap");
         },
         "",
         [](const fs::path& d) {
             return expect(fs::is_symlink(d / "link.tap"), "the link was replaced") +
                    expect(readText(d / "real.tap") == kNew, "not saved through the link");
         }},
        {"a folder where the tape should be", "game.tap",
         [](const fs::path& d) {
             fs::create_directory(d / "game.tap");
             writeText(d / "game.tap/inside", kOld);
         },
         "Impossibile accedere al file @.",
         [](const fs::path& d) {
             return expect(readText(d / "game.tap/inside") == kOld, "the folder changed");
         }},
        {"a folder that has vanished", "gone/game.tap", [](const fs::path&) {},
         "Percorso @ non trovato.",
         [](const fs::path& d) { return expect(namesIn(d).empty(), "something was made"); }},
        {"half-written files of killed saves", "game.tap",
         [](const fs::path& d) {
             writeText(d / "game.tap", kOld);
             writeText(d / ".murax-k1ll3d", "partial");
             writeText(d / ".game.tap.murax-999999999-0", "partial, older version");
             writeText(d / ".murax-l1v3ly", "being written");
             // A save still running holds its file's lock; the descriptor stays open on purpose.
             const int live = ::open((d / ".murax-l1v3ly").c_str(), O_RDONLY);
             ::flock(live, LOCK_EX);
         },
         "",
         [](const fs::path& d) {
             const std::set<std::string> wanted = {"game.tap", ".murax-l1v3ly"};
             return expect(readText(d / "game.tap") == kNew, "not saved") +
                    expect(namesIn(d) == wanted, "left " + describe(namesIn(d)));
         }},
    };
    return cases;
}

// Runs one case in the work folder `dir`, writing `parts`, and tells what differed from the table.
std::string runCase(const SaveCase& c, const fs::path& dir, const ByteParts& parts)
{
    testing::FakeDesktop fake;
    AppContext app{fake};
    setProgramTerminator([](int) { throw ProgramEnded{}; });
    ERRORSYS(app);
    testing::EnvironmentVariable data("XDG_DATA_HOME", (dir.parent_path() / "data").string());
    c.before(dir);
    const std::string target = (dir / c.target).string();

    std::string outcome;
    try {
        writeFileReplacing(app, target, parts);
        outcome = "saved";
    } catch (const CommandAbandoned&) {
        outcome = "abandoned";
    } catch (const ProgramEnded&) {
        outcome = "the program ended";
    }
    std::string message = c.message;
    if (const auto at = message.find('@'); at != std::string::npos)
        message.replace(at, 1, asciiUpper(target));

    std::string report = expect(outcome == (c.message.empty() ? "saved" : "abandoned"),
                                "the save ended as: " + outcome);
    const std::string shown = fake.messages.empty() ? "" : fake.messages[0].text;
    report += expect(shown == message && fake.messages.size() <= 1,
                     "the message was \"" + shown.substr(0, 120) + "\"");
    fs::create_directories(dir.parent_path() / "data/murax");
    report += c.after(dir);

    setProgramTerminator(nullptr);
    installErrorHandler(nullptr);
    return report;
}

TEST(SavingMatrix, EverySituationKeepsTheBytesAndTellsTheUser)
{
    const ByteParts listedParts(kNewParts);
    const std::pair<const char*, const ByteParts*> forms[] = {{"listed", &listedParts},
                                                              {"made", &kMadeParts}};
    for (const auto& [form, parts] : forms) {
        for (const SaveCase& c : saveCases()) {
            testing::ScratchFolder scratch(testing::kSharedTempFolder);
            ASSERT_TRUE(testing::handToUnprivileged(scratch.path().string()));
            const std::optional<std::string> report = testing::runUnprivileged([&] {
                const fs::path dir = scratch.path() / "work";
                fs::create_directory(dir);
                return runCase(c, dir, *parts);
            });
            if (!report)
                GTEST_SKIP() << "no unprivileged user to run the cases as";
            EXPECT_EQ(*report, "") << c.name << ", bytes " << form;
            // Let the scratch folder go even where a case took the write permission away.
            for (const auto& item : fs::recursive_directory_iterator(scratch.path()))
                if (item.is_directory() && !item.is_symlink())
                    fs::permissions(item.path(), fs::perms::owner_all, fs::perm_options::add);
        }
    }
}

}  // namespace
}  // namespace murax
