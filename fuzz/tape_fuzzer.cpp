// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes loaded as a tape, then a run of editing commands chosen by the
// input (select rows, Delete, Move up and down, Add, Insert of TAP files and TZX tapes, rename,
// hand-off to a hex editor, paste, drag), each applied through the scripted fake window and
// desktop. After loading and after every command the block list must match an independently kept
// model: the lists parallel, every line right, the list box in step, the selection where the
// command leaves it, the entries joining to exactly the expected bytes, and those bytes splitting
// back into exactly the same entries: an edit that would leave an entry that loads back otherwise
// (cut short, a header alone before a header, ...) is refused and told, and a header alone put
// before a data entry takes it as its data at once.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>

#include "fuzz/expected_list.h"
#include "fuzz/reference_tape.h"
#include "seam/app_context.h"
#include "seam/desktop_services.h"
#include "support/runtime_errors.h"
#include "tape/commands/add_command.h"
#include "tape/commands/clipboard_commands.h"
#include "tape/commands/delete_command.h"
#include "tape/commands/drop_commands.h"
#include "tape/commands/hex_editor_command.h"
#include "tape/commands/move_commands.h"
#include "tape/commands/rename_command.h"
#include "tape/model/block_list.h"
#include "tape/model/tape_loading.h"
#include "tape/tzx/tzx_reader.h"
#include "tests/fakes/fake_desktop.h"
#include "tests/fakes/fake_window.h"

namespace murax::fuzz {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxCommands = 24;
const char* const kCommandNames[] = {"select", "delete", "move up", "move down",
                                     "add",    "insert", "rename",  "hex editor",
                                     "paste",  "drag",   "select"};
constexpr int kLastCommand = 10;

// With MURAX_FUZZ_TRACE set, each command and the list after it are written to standard error,
// to follow a failing input by hand.
const bool kTrace = std::getenv("MURAX_FUZZ_TRACE") != nullptr;

std::string hex(const std::string& bytes)
{
    std::string text;
    char digits[4];
    for (const char c : bytes) {
        std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(c));
        text += digits;
    }
    return text;
}
constexpr int kMaxHexEditorRuns = 2;  // each waits for the clock to give a fresh temporary name

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "tape_fuzzer: %s\n", what.c_str());
    std::abort();
}

void expect(bool condition, const std::string& what)
{
    if (!condition)
        fail(what);
}

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    expect(static_cast<bool>(out), "cannot write " + path);
}

// The scratch folder every input works in (also the current directory, where the hex editor's
// temporary files go), with a MURAX.INI that names the scripted hex editor.
class Workspace {
public:
    Workspace()
    {
        std::string pattern = (fs::temp_directory_path() / "murax-fuzz-XXXXXX").string();
        expect(::mkdtemp(pattern.data()) != nullptr, "cannot make a scratch folder");
        folder_ = pattern;
        fs::current_path(folder_);
        writeBytes(path("MURAX.INI"), "[Edit]\nHex editor=hexed\n");
    }
    ~Workspace()
    {
        std::error_code ignored;
        fs::current_path(fs::temp_directory_path(), ignored);
        fs::remove_all(folder_, ignored);
    }
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    std::string exeFolder() const { return folder_.string() + "/"; }

    // Everything but the INI goes before the next input.
    void clear() const
    {
        for (const auto& item : fs::directory_iterator(folder_))
            if (item.path().filename() != "MURAX.INI")
                fs::remove_all(item.path());
    }

    bool holdsTemporaryFiles() const
    {
        for (const auto& item : fs::directory_iterator(folder_))
            if (item.path().filename().string().front() == '\x7F')
                return true;
        return false;
    }

private:
    fs::path folder_;
};

class Session {
public:
    Session(const Workspace& workspace, FuzzedDataProvider& in) : workspace_(workspace), in_(in)
    {
        fake_.exeFolder = workspace.exeFolder();
        installErrorHandler([this](const ErrorRecord&) -> ErrorResult {
            ++errors_;
            throw CommandAbandoned{};
        });
    }
    ~Session() { installErrorHandler({}); }

    void run()
    {
        load(in_.ConsumeBytesAsString(
            in_.ConsumeIntegralInRange<std::size_t>(0, in_.remaining_bytes())));
        for (int i = 0; i < kMaxCommands && in_.remaining_bytes() > 0; ++i) {
            const int command = in_.ConsumeIntegralInRange(0, kLastCommand);
            if (kTrace)
                std::fprintf(stderr, "-- %s\n", kCommandNames[command]);
            step(command);
            checkInStep();
        }
    }

private:
    const Workspace& workspace_;
    FuzzedDataProvider& in_;
    testing::FakeDesktop fake_;
    AppContext app_{fake_};
    testing::FakeWindow window_{app_};
    BlockList list_;
    ExpectedList expected_;
    int errors_ = 0;
    int expectedErrors_ = 0;
    int files_ = 0;
    int hexEditorRuns_ = 0;

    void load(const std::string& tape)
    {
        list_.currentFile = workspace_.path("current.tap");
        writeBytes(list_.currentFile, tape);
        ABLOCKS(list_.currentFile, list_);
        expect(joinEntries(list_) == tape, "the loaded entries do not join to the file");
        expected_.entries = referenceSplit(tape);
        window_.list.reload(list_.lines());
        checkInStep();
    }

    void step(int command)
    {
        switch (command) {
        case 0:
            select();
            break;
        case 1:
            remove();
            break;
        case 2:
            move(-1);
            break;
        case 3:
            move(+1);
            break;
        case 4:
            add(false);
            break;
        case 5:
            add(true);
            break;
        case 6:
            rename();
            break;
        case 7:
            hexEdit();
            break;
        case 8:
            paste();
            break;
        case 9:
            drag();
            break;
        default:
            select();
            break;
        }
    }

    // The command as the dispatch point runs it: an abandoned command comes to rest here.
    void runCommand(const std::function<void()>& command)
    {
        try {
            command();
        } catch (const CommandAbandoned&) {
        }
    }

    // The user's selection: a few rows, every other row, or none, and a current row.
    void select()
    {
        const int count = expected_.count();
        std::set<int> rows;
        switch (in_.ConsumeIntegralInRange(0, 3)) {
        case 0:
            for (int p = 1; p <= count; p += 2)
                rows.insert(p);
            break;
        case 1:
            break;
        default:
            for (int k = in_.ConsumeIntegralInRange(0, 4); k > 0 && count > 0; --k)
                rows.insert(in_.ConsumeIntegralInRange(1, count));
        }
        const int focus = in_.ConsumeIntegralInRange(0, count);
        window_.list.setState(list_.lines(), rows, focus);
        expected_.selected = rows;
        expected_.focus = focus;
    }

    void remove()
    {
        const bool yes = in_.ConsumeBool();
        fake_.messageAnswers = {yes ? Desktop::Yes : Desktop::No};
        const std::size_t asked = fake_.messages.size();
        runCommand([this] { ELIMINA(window_, list_); });
        if (expected_.count() == 0) {
            expect(fake_.messages.size() == asked, "Delete asked about an empty list");
            return;
        }
        // The question, and the refusal when the entries left would not load back as shown.
        const bool refused = yes && expected_.deleteSelected() == ExpectedList::Outcome::Refused;
        expect(fake_.messages.size() == asked + (refused ? 2 : 1),
               refused ? "a refused Delete went untold" : "Delete did not ask, or told more");
    }

    // After a command that the model says was refused or did nothing: the user was told, or not,
    // and the list box was left alone.
    void expectLeftAlone(ExpectedList::Outcome outcome, std::size_t told,
                         const std::vector<std::string>& log, const char* what)
    {
        if (outcome == ExpectedList::Outcome::Done)
            return;
        const bool refused = outcome == ExpectedList::Outcome::Refused;
        expect(fake_.messages.size() == told + (refused ? 1 : 0),
               std::string(what) + (refused ? ": a refusal went untold" : ": told of nothing"));
        expect(window_.list.log == log, std::string(what) + " touched the list box");
    }

    void move(int step)
    {
        const std::vector<std::string> log = window_.list.log;
        const std::size_t told = fake_.messages.size();
        if (step < 0)
            runCommand([this] { SPOSTASU(window_, list_); });
        else
            runCommand([this] { SPOSTAGIU(window_, list_); });
        expectLeftAlone(expected_.move(step), told, log, "a move that was not made");
    }

    // A paste of bytes the input makes, on the clipboard as a tape or as something else.
    void paste()
    {
        const bool tape = in_.ConsumeBool();
        const std::string bytes = in_.ConsumeBytesAsString(in_.ConsumeIntegralInRange(0, 300));
        fake_.clipboard = {{tape ? "application/x-spectrum-tap" : "text/plain", bytes}};
        const std::vector<std::string> log = window_.list.log;
        const std::size_t told = fake_.messages.size();
        runCommand([this] { INCOLLA(window_, list_); });
        const auto outcome = tape && !bytes.empty() ? expected_.paste(referenceSplit(bytes))
                                                    : ExpectedList::Outcome::Nothing;
        expectLeftAlone(outcome, told, log, "a paste that was not made");
    }

    // The selected rows dragged to the place before a row, or below the last.
    void drag()
    {
        const int before = in_.ConsumeIntegralInRange(0, expected_.count() + 2);
        const std::vector<std::string> log = window_.list.log;
        const std::size_t told = fake_.messages.size();
        runCommand([this, before] { TRASCINA(window_, list_, before); });
        expectLeftAlone(expected_.drag(before), told, log, "a drag that was not made");
    }

    // Add or Insert of a file the input makes, a TAP file or a TZX tape, chosen by its full name,
    // by its name without extension or ending in ".", or a name that does not exist, or the
    // dialog cancelled.
    void add(bool insert)
    {
        const bool tzxTape = in_.ConsumeBool();
        std::string bytes = in_.ConsumeBytesAsString(in_.ConsumeIntegralInRange(0, 600));
        if (tzxTape)
            bytes = std::string(tzx::kSignature) + "\x01\x14" + bytes;
        const std::string base = "added" + std::to_string(++files_);
        std::string answer;
        bool exists = true;
        switch (in_.ConsumeIntegralInRange(0, 4)) {
        case 0:
            answer = "";
            break;
        case 1:
            answer = base;
            writeBytes(workspace_.path(base + ".tap"), bytes);
            break;
        case 2:
            answer = base + ".";
            writeBytes(workspace_.path(base + "..tap"), bytes);
            break;
        case 3:
            answer = base + ".tap";
            exists = false;
            break;
        default:
            answer = workspace_.path(base + ".tap");
            writeBytes(answer, bytes);
            break;
        }
        fake_.openAnswers = {answer};
        const std::size_t told = fake_.messages.size();
        const int reloads = window_.list.reloads;
        const std::vector<std::string> log = window_.list.log;
        runCommand([this, insert] { AGGIUNGI(window_, list_, insert); });
        if (answer.empty() || !exists) {
            expect(window_.list.reloads == reloads, "a cancelled or missing Add reloaded the list");
            expect(fake_.messages.size() == told + (exists ? 0 : 1), "a missing file went untold");
            return;
        }
        if (tzx::hasTzxSignature(bytes)) {
            expectTzxTakenIn(bytes, insert, told, log);
            return;
        }
        expectLeftAlone(expected_.add(referenceSplit(bytes), insert), told, log,
                        "an Add that was not made");
    }

    // A TZX tape goes in whole, its converted blocks the file's own bytes, with a message; a
    // malformed one, or one refused, not at all, with a message.
    void expectTzxTakenIn(const std::string& bytes, bool insert, std::size_t told,
                          const std::vector<std::string>& log)
    {
        expect(fake_.messages.size() == told + 1, "a TZX tape was taken in without a word");
        const tzx::Tape tape = tzx::readTzx(bytes);
        if (tape.malformed) {
            expect(window_.list.log == log, "a malformed TZX tape touched the list box");
            return;
        }
        for (const tzx::Block& block : tape.blocks) {
            if (block.fate != tzx::Fate::Entry)
                continue;
            const std::string& framed = block.tapBlock;
            expect(framed.size() > 2 && static_cast<unsigned char>(framed[0]) +
                                                256u * static_cast<unsigned char>(framed[1]) ==
                                            framed.size() - 2,
                   "a converted block's length is wrong");
            expect(bytes.find(framed.substr(2), block.offset) != std::string::npos,
                   "a converted block's bytes are not the tape's own");
        }
        if (expected_.add(referenceSplit(tzx::tapBytes(tape)), insert) ==
            ExpectedList::Outcome::Refused)
            expect(window_.list.log == log, "a refused TZX tape touched the list box");
    }

    void rename()
    {
        const bool save = in_.ConsumeBool();
        const std::string typed = in_.ConsumeBytesAsString(in_.ConsumeIntegralInRange(0, 14));
        window_.nameAnswers = {save ? std::optional<std::string>(typed) : std::nullopt};
        const std::size_t asked = window_.nameRequests.size();
        runCommand([this] { MODIFICA(window_, list_); });

        const int n = expected_.focus;
        const bool renamable =
            n >= 1 && n <= expected_.count() &&
            isStandardHeader(expected_.entries[static_cast<std::size_t>(n - 1)].bytes);
        if (!renamable) {
            expect(window_.nameRequests.size() == asked,
                   "the dialog opened for an entry it cannot rename");
            return;
        }
        expect(window_.nameRequests.size() == asked + 1, "the rename dialog did not open");
        const auto& request = window_.nameRequests.back();
        const std::string name =
            expected_.entries[static_cast<std::size_t>(n - 1)].bytes.substr(4, 10);
        expect(request.fieldText == expectedFieldText(name) && request.maxLength == 10,
               "the rename dialog opened with the wrong text or length");
        if (!save)
            return;
        expected_.rename(typed);
        unsigned char x = 0;
        for (std::size_t i = 2; i <= 20; ++i)
            x ^= static_cast<unsigned char>(list_.entries()[static_cast<std::size_t>(n - 1)][i]);
        expect(x == 0, "the renamed header's checksum is wrong");
    }

    // The scripted hex editor writes new bytes, empties the file, deletes it, or leaves it alone.
    void hexEdit()
    {
        if (hexEditorRuns_++ >= kMaxHexEditorRuns)
            return;
        const int outcome = in_.ConsumeIntegralInRange(0, 3);
        const std::string edited = in_.ConsumeBytesAsString(in_.ConsumeIntegralInRange(1, 300));
        std::string given;
        fake_.onRun = [&](const std::string& commandLine) {
            const std::string prefix = "hexed ";
            expect(commandLine.rfind(prefix, 0) == 0, "the hex editor's command line is wrong");
            const std::string temp = commandLine.substr(prefix.size());
            std::ifstream in(temp, std::ios::binary);
            given.assign(std::istreambuf_iterator<char>(in), {});
            switch (outcome) {
            case 0:
                writeBytes(temp, edited);
                break;
            case 1:
                writeBytes(temp, "");
                break;
            case 2:
                fs::remove(temp);
                break;
            default:
                break;
            }
            return 0;
        };
        const std::size_t runs = fake_.commandLines.size();
        const std::size_t told = fake_.messages.size();
        const std::vector<std::string> log = window_.list.log;
        runCommand([this] { MODHEX(window_, list_); });

        const int n = expected_.focus;
        if (n < 1 || n > expected_.count()) {
            expect(fake_.commandLines.size() == runs, "the hex editor ran without a current entry");
            return;
        }
        expect(fake_.commandLines.size() == runs + 1, "the hex editor did not run");
        const std::string before = expected_.entries[static_cast<std::size_t>(n - 1)].bytes;
        expect(given == before, "the hex editor was not given the entry's bytes");
        expect(!workspace_.holdsTemporaryFiles(),
               "the hex editor's temporary file was left behind");
        switch (outcome) {
        case 0:
            // An empty entry would vanish from the tape: the entry stays.
            if (!edited.empty())
                expectLeftAlone(expected_.replaceCurrent(edited), told, log,
                                "a replacement that was not made");
            break;
        case 1:
            break;
        case 2:
            // The edits are gone with the file: the user is told so, and the entry stays.
            expect(fake_.messages.size() == told + 1, "a deleted file went untold");
            expect(window_.list.log == log, "a deleted file touched the list box");
            break;
        default:
            expected_.replaceCurrent(before);
            break;
        }
    }

    void trace() const
    {
        for (std::size_t i = 0; i < list_.count(); ++i)
            std::fprintf(
                stderr, "  %zu: %s%s\n", i + 1, hex(list_.entries()[i]).c_str(),
                i < expected_.entries.size() && expected_.entries[i].bytes != list_.entries()[i]
                    ? ("  expected " + hex(expected_.entries[i].bytes)).c_str()
                    : "");
        std::fprintf(stderr, "  focus %d, %zu selected\n", window_.list.focus,
                     window_.list.selected.size());
    }

    // Whether the joined entries split back into exactly the entries the list holds.
    bool splitsBackTheSame(const std::string& joined) const
    {
        const std::vector<ReferenceEntry> again = referenceSplit(joined);
        bool same = again.size() == list_.count();
        for (std::size_t i = 0; same && i < again.size(); ++i)
            same = again[i].bytes == list_.entries()[i];
        return same;
    }

    void checkInStep()
    {
        if (kTrace)
            trace();
        const std::size_t count = expected_.entries.size();
        expect(list_.lines().size() == list_.entries().size(),
               "lines and entries differ in length");
        expect(list_.entries().size() == count, "wrong number of entries");
        for (std::size_t i = 0; i < count; ++i) {
            expect(list_.entries()[i] == expected_.entries[i].bytes,
                   "entry " + std::to_string(i + 1) + " holds the wrong bytes");
            expect(list_.lines()[i] == expected_.entries[i].line,
                   "line " + std::to_string(i + 1) + " is wrong");
        }
        const std::string joined = joinEntries(list_);
        expect(joined == expected_.joined(), "the entries do not join to the expected bytes");
        expect(splitsBackTheSame(joined),
               "the saved bytes would not split back into the same entries");
        expect(window_.list.rows == list_.lines(), "the list box is out of step with the lines");
        expect(window_.list.selected == expected_.selected, "the wrong rows are selected");
        expect(window_.list.focus == expected_.focus, "the wrong row is current");
        expect(errors_ == expectedErrors_, "an error was raised or went unraised");
        expect(list_.currentFile == workspace_.path("current.tap"), "list_.currentFile changed");
    }
};

}  // namespace
}  // namespace murax::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const murax::fuzz::Workspace workspace;
    workspace.clear();
    FuzzedDataProvider in(data, size);
    murax::fuzz::Session(workspace, in).run();
    return 0;
}
