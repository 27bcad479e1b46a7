// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "seam/desktop_services.h"
#include "tape/commands/command_table.h"
#include "tape/commands/header_edit.h"
#include "tape/commands/paced_progress.h"
#include "tape/commands/virtual_keys.h"
#include "tape/sound/wav_header.h"
#include "tests/fakes/fake_desktop.h"
#include "tests/support/helpers/tape_builder.h"
#include "tests/tape/sound/entries_sound_file.h"

// Editing sessions that every face of the window must end with the same bytes on disk: a tape,
// what the user does to it, and what the files hold once F9 has saved. Each face's test runs every
// session through its real window with a driver of its own; the bytes expected are built here
// from the tape builder, never by running a window. Plain C++, so that the Qt window's tests and
// the Windows window's tests share it unchanged.
namespace murax::testing {

// One thing the user does, in terms every face understands, with the answers to what it asks.
struct Gesture {
    enum class Kind { Key, Click, DoubleClick, Toolbar, Drag, Play, PlayWindow, Card };
    Kind kind = Kind::Key;
    int key = 0;  // a virtual-key code (tape/commands/virtual_keys.h)
    bool control = false;
    bool shift = false;  // held down with the key or the click
    int row = 0;         // the row clicked, from 1, or where a drag starts
    int dropRow = 0;     // where a drag is let go: in the upper part of this row
    ToolbarButton button = ToolbarButton::None;
    std::string menuEntry;  // the entry chosen in the button's menu, as the menu shows it

    // The message boxes it shows, answered in order (Desktop::Yes...).
    std::vector<int> answers;
    // The file dialogs it opens, answered in order with names in the tape's folder.
    std::vector<std::string> files;
    // The properties dialog it opens: the type chosen, then the name field's text and those of
    // the other fields (by their place in kHeaderFields) replaced as a paste does, then Save.
    std::optional<std::string> name;
    std::optional<int> type;
    std::vector<std::pair<int, std::string>> fields;
    bool editsProperties() const { return name || type || !fields.empty(); }
    // The "New entry from file" dialog it opens: the name's and the further field's texts
    // replaced as a paste does, where given, then Add, or Insert.
    struct NewEntryAnswer {
        std::optional<std::string> name;
        std::optional<std::string> field;
        bool insert = false;
    };
    std::optional<NewEntryAnswer> newEntry;
    // The progress bar it opens is cancelled as soon as it shows.
    bool cancelsProgress = false;

    // Play: from the list's context menu on the current row, or from the viewer's button (F3
    // opens the viewer first). PlayWindow: `key` pressed in the play window, or its Stop button
    // (key 0), or its close box. Card: what the scripted sound card does with the sound started
    // last: play it all, end it, or stop with `failure`, its system's words.
    bool fromViewer = false;
    bool closeBox = false;
    enum class CardAct { PlaysAll, Ends, Fails } card = CardAct::Ends;
    std::string failure;
    // Checked once the gesture is done, where given: the play window's text starts with this,
    // and the sound started last is heard; or, when it is empty, neither the window nor the sound.
    std::optional<std::string> playWindowShows;

    Gesture answering(int answer) const
    {
        Gesture g = *this;
        g.answers.push_back(answer);
        return g;
    }
    Gesture choosingFile(std::string file) const
    {
        Gesture g = *this;
        g.files.push_back(std::move(file));
        return g;
    }
    Gesture choosingType(int headerType) const
    {
        Gesture g = *this;
        g.type = headerType;
        return g;
    }
    Gesture setting(HeaderField field, std::string text) const
    {
        Gesture g = *this;
        const auto at = std::find(kHeaderFields.begin(), kHeaderFields.end(), field);
        g.fields.emplace_back(static_cast<int>(at - kHeaderFields.begin()), std::move(text));
        return g;
    }
    Gesture naming(std::string text) const
    {
        Gesture g = *this;
        g.name = std::move(text);
        return g;
    }
    Gesture makingEntry(std::optional<std::string> entryName, std::optional<std::string> field,
                        bool insert = false) const
    {
        Gesture g = *this;
        g.newEntry = NewEntryAnswer{std::move(entryName), std::move(field), insert};
        return g;
    }
    Gesture cancellingProgress() const
    {
        Gesture g = *this;
        g.cancelsProgress = true;
        return g;
    }
    Gesture showing(std::string text) const
    {
        Gesture g = *this;
        g.playWindowShows = std::move(text);
        return g;
    }
};

inline Gesture press(int key, bool control = false, bool shift = false)
{
    Gesture g;
    g.key = key;
    g.control = control;
    g.shift = shift;
    return g;
}
inline Gesture ctrl(int key)
{
    return press(key, true);
}
inline Gesture click(int row, bool control = false, bool shift = false)
{
    Gesture g = press(0, control, shift);
    g.kind = Gesture::Kind::Click;
    g.row = row;
    return g;
}
inline Gesture doubleClick(int row)
{
    Gesture g = click(row);
    g.kind = Gesture::Kind::DoubleClick;
    return g;
}
// A press in the middle of `row`, one move to the upper part of `dropRow`, and the release there.
inline Gesture drag(int row, int dropRow)
{
    Gesture g = click(row);
    g.kind = Gesture::Kind::Drag;
    g.dropRow = dropRow;
    return g;
}
inline Gesture play(bool fromViewer = false)
{
    Gesture g;
    g.kind = Gesture::Kind::Play;
    g.fromViewer = fromViewer;
    if (!fromViewer)
        g.menuEntry = "Play";
    return g;
}
inline Gesture inPlayWindow(int key, bool closeBox = false)
{
    Gesture g = press(key);
    g.kind = Gesture::Kind::PlayWindow;
    g.closeBox = closeBox;
    return g;
}
inline Gesture card(Gesture::CardAct act, std::string failure = {})
{
    Gesture g;
    g.kind = Gesture::Kind::Card;
    g.card = act;
    g.failure = std::move(failure);
    return g;
}
inline Gesture toolbar(ToolbarButton button, std::string menuEntry = {})
{
    Gesture g;
    g.kind = Gesture::Kind::Toolbar;
    g.button = button;
    g.menuEntry = std::move(menuEntry);
    return g;
}

// What a Card gesture does to the scripted sound card's sound.
inline void playOnCard(FakeDesktop::Sound& sound, const Gesture& gesture)
{
    using Card = Gesture::CardAct;
    if (gesture.card == Card::PlaysAll)
        sound.played = std::uint64_t{sound.samples->sampleRate()} * 3600;
    sound.ended = gesture.card != Card::PlaysAll;
    if (gesture.card == Card::Fails)
        sound.failure = gesture.failure;
}

// A file in the tape's folder: its name and its bytes.
struct FolderFile {
    std::string name;
    std::string bytes;
};

// The sound that Murax's own export makes of `entries`, as a recording to take in; `silence`
// bytes of silent samples after it make it as long as wanted.
inline std::string recordingOf(const std::vector<std::string_view>& entries,
                               std::size_t silence = 0)
{
    const SoundFormat format;
    const std::string sound = entriesSoundFile(entries, format);
    const std::string samples = sound.substr(wavHeader(format, 0).size());
    return wavHeader(format, samples.size() + silence) + samples + std::string(silence, '\0');
}

struct EditingSession {
    const char* what;
    std::string tape;                // "game.tap", as the window opens it
    std::vector<FolderFile> others;  // more files in its folder before the first gesture
    std::vector<Gesture> gestures;   // what the user does, in order
    // What the files hold once F9 has saved, the file saved among them.
    std::vector<FolderFile> afterSave;
};

inline const std::vector<EditingSession>& editingSessions()
{
    using B = ToolbarButton;
    using F = HeaderField;
    constexpr int Yes = Desktop::Yes, No = Desktop::No, Cancel = Desktop::Cancel;
    using Card = Gesture::CardAct;
    const std::string a = headerEntry("alpha"), b = lone(2), c = lone(3), d = headerEntry("delta");
    const std::string x = lone(7), y = headerEntry("why");
    const std::string alone = headerBlock(3, "alone", 4, 0, 0);  // a header without its data
    const std::string abcd = a + b + c + d;
    const std::string program = printOneEntry();
    const std::vector<FolderFile> more{{"more.tap", x + y}};
    // Files that New entry from file makes entries of, and what they become.
    const std::string code("\x3E\x01\xC9", 3);
    const std::vector<FolderFile> sources{{"loader.bas", "10 PRINT 1\n"},
                                          {"game.bin", code},
                                          {"title.scr", screenMemoryPattern()},
                                          {"bad.bas", "20 PRINT 1\n10 PRINT 2\n"}};
    const std::string loader = headerBlock(0, "boot", 13, 10, 13) + dataBlock(printOneProgram());
    const std::string gameCode = headerBlock(3, "game", 3, 40000, 32768) + dataBlock(code);
    const std::string title =
        headerBlock(3, "title", 6912, 16384, 32768) + dataBlock(screenMemoryPattern());
    const std::string newEntry = "New entry from file...";
    const auto game = [](std::string bytes) { return FolderFile{"game.tap", std::move(bytes)}; };
    // The usual session: the four entries above, no other file, game.tap alone checked after F9.
    const auto on = [&](const char* what, std::vector<Gesture> gestures, std::string saved) {
        return EditingSession{what, abcd, {}, std::move(gestures), {game(std::move(saved))}};
    };

    const std::string recording = recordingOf({x, y});
    // Long enough that its progress bar opens at once, and that reading it lasts a while.
    const std::string longRecording = recordingOf({x, y}, 2 * PacedProgress::kShownAtOnceFrom);
    const std::string cutHeader = recording.substr(0, 30);  // a WAV header cut short

    static const std::vector<EditingSession> sessions{
        on("opened and saved untouched", {}, abcd),
        {"F2 opens another tape, which F9 then saves",
         abcd,
         more,
         {press(vk::F2).choosingFile("more"), ctrl(vk::Down)},
         {{"more.tap", y + x}, game(abcd)}},
        {"F2 after an edit asks to save it first: No keeps the file as it was",
         abcd,
         more,
         {ctrl(vk::Down), press(vk::F2).choosingFile("more.tap").answering(No)},
         {{"more.tap", x + y}, game(abcd)}},
        {"F2 after an edit asks to save it first: Yes saves it",
         abcd,
         more,
         {ctrl(vk::Down), press(vk::F2).choosingFile("more.tap").answering(Yes)},
         {{"more.tap", x + y}, game(b + a + c + d)}},
        {"F2 after an edit asks to save it first: Cancel opens nothing",
         abcd,
         more,
         {ctrl(vk::Down), press(vk::F2).choosingFile("more.tap").answering(Cancel), ctrl(vk::Up),
          ctrl(vk::Up)},
         {game(abcd), {"more.tap", x + y}}},
        on("a plain Down moves the current row, not the entry", {press(vk::Down), ctrl(vk::Down)},
           a + c + b + d),
        on("Shift+Delete deletes as Delete does", {press(vk::Delete, false, true).answering(Yes)},
           b + c + d),
        on("Ctrl+A selects every row, which Delete takes",
           {ctrl('A'), press(vk::Delete).answering(Yes)}, ""),
        on("Ctrl+A leaves the current row where it was",
           {press(vk::Down), ctrl('A'), ctrl(vk::Down)}, a + c + b + d),
        on("Ctrl+Shift+A selects nothing more",
           {press('A', true, true), press(vk::Delete).answering(Yes)}, b + c + d),
        on("Ctrl+Down and Ctrl+Up move the current entry",
           {ctrl(vk::Down), ctrl(vk::Down), press(vk::End), ctrl(vk::Up)}, b + c + d + a),
        on("the move buttons move the current entry",
           {click(2), toolbar(B::MoveDown), toolbar(B::MoveDown), toolbar(B::MoveUp)},
           a + c + b + d),
        on("Delete answered Yes takes the current entry",
           {press(vk::Down), press(vk::Delete).answering(Yes)}, a + c + d),
        on("Delete answered No takes nothing", {press(vk::Down), press(vk::Delete).answering(No)},
           abcd),
        on("the Delete button asks as the key does", {click(4), toolbar(B::Delete).answering(Yes)},
           a + b + c),
        {"Add... appends another tape's entries",
         abcd,
         more,
         {click(2), toolbar(B::Add, "Add...").choosingFile("more.tap")},
         {game(abcd + x + y)}},
        {"Insert... puts them before the current row",
         abcd,
         more,
         {click(2), toolbar(B::Add, "Insert...").choosingFile("more")},
         {game(a + x + y + b + c + d)}},
        {"a program made from a BASIC listing goes at the end, the current row kept",
         abcd,
         sources,
         {click(2), toolbar(B::Add, newEntry).choosingFile("loader.bas").makingEntry("boot", "10"),
          ctrl(vk::Down)},
         {game(a + c + b + d + loader)}},
        {"a CODE entry from a file, inserted before the current row, which it becomes",
         abcd,
         sources,
         {click(2),
          toolbar(B::Add, newEntry).choosingFile("game.bin").makingEntry({}, "40000", true),
          ctrl(vk::Down)},
         {game(a + b + gameCode + c + d)}},
        {"a screen from a file, named after it",
         abcd,
         sources,
         {toolbar(B::Add, newEntry).choosingFile("title.scr").makingEntry({}, {})},
         {game(abcd + title)}},
        {"a new entry is undone in one step",
         abcd,
         sources,
         {toolbar(B::Add, newEntry).choosingFile("game.bin").makingEntry({}, "40000"), ctrl('Z')},
         {game(abcd)}},
        {"a listing that does not tokenise is refused: nothing changes, nothing to undo",
         abcd,
         sources,
         {ctrl(vk::Down), toolbar(B::Add, newEntry).choosingFile("bad.bas").answering(Desktop::Ok),
          ctrl('Z')},
         {game(abcd)}},
        {"a new entry after a header alone is refused, as Add refuses it",
         a + alone,
         sources,
         {toolbar(B::Add, newEntry)
              .choosingFile("title.scr")
              .makingEntry({}, {})
              .answering(Desktop::Ok)},
         {game(a + alone)}},
        // A recording is told by its signature, not by its name.
        {"Add... takes in a recording's blocks as entries, and says what it found",
         abcd,
         {{"side-a.rec", recording}},
         {click(2), toolbar(B::Add, "Add...").choosingFile("side-a.rec").answering(Desktop::Ok)},
         {game(abcd + x + y)}},
        {"a WAV file whose header is cut short is refused, and nothing changes",
         abcd,
         {{"cut.wav", cutHeader}},
         {ctrl(vk::Down), toolbar(B::Add, "Add...").choosingFile("cut.wav").answering(Desktop::Ok),
          ctrl('Z')},
         {game(abcd), {"cut.wav", cutHeader}}},
        {"Cancel in a long recording's progress takes nothing in",
         abcd,
         {{"long.wav", longRecording}},
         {ctrl(vk::Down), toolbar(B::Add, "Add...").choosingFile("long.wav").cancellingProgress(),
          ctrl('Z')},
         {game(abcd)}},
        {"F2 refuses a recording, pointing to Add",
         abcd,
         {{"side-a.wav", recording}},
         {ctrl(vk::Down), press(vk::F2).choosingFile("side-a.wav").answering(Desktop::Ok)},
         {game(b + a + c + d), {"side-a.wav", recording}}},
        on("Enter renames a header, its checksum made anew", {press(vk::Return).naming("beta")},
           headerEntry("beta") + b + c + d),
        on("a double-click renames the header clicked", {doubleClick(4).naming("caf\xC3\xA9")},
           a + b + c + headerEntry("caf\xE9")),
        on("the Edit menu's entry renames, Windows-1252 and all",
           {click(4), toolbar(B::Edit, "Edit properties...\tEnter").naming("\xE2\x82\xAC 10")},
           a + b + c + headerEntry("\x80 10")),
        on("a pasted name with a character no byte stands for is refused whole",
           {press(vk::Return).naming("\xE5\x90\x8D")}, abcd),
        on("a pasted name longer than the field keeps what fits",
           {press(vk::Return).naming("abcdefghijk")}, headerEntry("abcdefghij") + b + c + d),
        on("with several rows selected Enter renames the current one alone",
           {click(1), click(4, false, true), press(vk::Return).naming("last")},
           a + b + c + headerEntry("last")),
        on("a header's start address changed",
           {press(vk::Return).setting(F::StartAddress, "32768")},
           headerBlock(3, "alpha", 4, 32768, 0) + dataBlock("dddd") + b + c + d),
        on("a start address out of range is refused in the field",
           {press(vk::Return).setting(F::StartAddress, "65536")}, abcd),
        {"a program's autostart changed, and its program length",
         program + b,
         {},
         {press(vk::Return).setting(F::Autostart, "20").setting(F::ProgramLength, "0")},
         {game(headerBlock(0, "hello", 13, 20, 0) + dataBlock(printOneProgram()) + b)}},
        {"a program's autostart emptied means none",
         program,
         {},
         {press(vk::Return).setting(F::Autostart, "")},
         {game(headerBlock(0, "hello", 13, 32768, 13) + dataBlock(printOneProgram()))}},
        {"the type changed to bytes, with a start address",
         program,
         {},
         {press(vk::Return).choosingType(3).setting(F::StartAddress, "16384")},
         {game(headerBlock(3, "hello", 13, 16384, 13) + dataBlock(printOneProgram()))}},
        on("the type changed to a character array of a letter",
           {doubleClick(4).choosingType(2).setting(F::Variable, "Q")},
           a + b + c + headerBlock(2, "delta", 4, 0xD100, 0) + dataBlock("dddd")),
        on("a header edit undone in one step",
           {press(vk::Return).naming("beta").choosingType(0).setting(F::Autostart, "1"), ctrl('Z')},
           abcd),
        on("Enter on a data entry opens nothing", {click(2), press(vk::Return)}, abcd),
        on("Ctrl+Z undoes, Ctrl+Y and Ctrl+Shift+Z redo",
           {ctrl(vk::Down), press(vk::Delete).answering(Yes), ctrl('Z'), ctrl('Z'), ctrl('Y'),
            ctrl('Z'), press('Z', true, true), ctrl('Y')},
           b + c + d),
        on("an undone rename brings the old name back",
           {press(vk::Return).naming("beta"), ctrl('Z')}, abcd),
        on("Ctrl+C and Ctrl+V copy entries before the current row",
           {click(1), click(2, false, true), ctrl('C'), press(vk::End), ctrl('V')},
           a + b + c + a + b + d),
        on("Ctrl+X and Ctrl+V move them", {click(2), ctrl('X'), press(vk::End), ctrl('V')},
           a + c + b + d),
        on("Shift+click selects a range, which Delete takes",
           {click(2), click(3, false, true), press(vk::Delete).answering(Yes)}, a + d),
        on("Ctrl+click adds rows one by one",
           {click(1), click(3, true), click(4, true), click(4, true),
            press(vk::Delete).answering(Yes)},
           b + d),
        on("Shift+click after Ctrl+click takes the range from the row last clicked",
           {click(1), click(3, true), click(4, false, true), press(vk::Delete).answering(Yes)},
           a + b),
        on("a click on a row of the selection selects it alone",
           {click(1), click(3, false, true), click(2), press(vk::Delete).answering(Yes)},
           a + c + d),
        on("a drag from a selected row moves the selected rows before the row let go on",
           {click(1), click(3, true), drag(3, 4)}, b + a + c + d),
        on("the dragged rows stay selected for another drag; Ctrl+Z takes back one drag",
           {click(1), click(3, true), drag(1, 4), drag(2, 1), ctrl('Z')}, b + a + c + d),
        on("a drag from a row not selected selects the rows it passes, and moves nothing",
           {drag(2, 4), ctrl('X')}, a),
        on("Shift+End selects to the last row", {click(2), press(vk::End, false, true), ctrl('X')},
           a),
        {"an empty tape: Delete and Enter ask nothing",
         "",
         {},
         {press(vk::Delete), press(vk::Return)},
         {game("")}},
        on("Shift+Down extends the selection from the current row",
           {click(2), press(vk::Down, false, true), press(vk::Down, false, true), ctrl('X')}, a),
        on("after Delete the row below the deleted one is current",
           {click(2), press(vk::Delete).answering(Yes), ctrl(vk::Down)}, a + d + c),
        on("Ctrl+Z brings deleted rows back selected, the current one among them",
           {click(1), click(3, true), press(vk::Delete).answering(Yes), ctrl('Z'), ctrl(vk::Down)},
           a + b + d + c),
        on("pasted entries stay selected, so that Delete takes them again",
           {click(2), ctrl('C'), press(vk::End), ctrl('V'), press(vk::Delete).answering(Yes)},
           abcd),
        {"copied entries paste into another tape opened with F2",
         abcd,
         more,
         {click(1), ctrl('C'), press(vk::F2).choosingFile("more"), ctrl('V')},
         {{"more.tap", a + x + y}, game(abcd)}},
        on("a renamed row stays current", {press(vk::Return).naming("beta"), ctrl(vk::Down)},
           b + headerEntry("beta") + c + d),
        {"Insert... into an empty tape",
         "",
         more,
         {toolbar(B::Add, "Insert...").choosingFile("more.tap")},
         {game(x + y)}},
        {"Save as... writes the tape under a new name, which F9 then saves",
         abcd,
         {},
         {ctrl(vk::Down), toolbar(B::Save, "Save as...").choosingFile("copy"), ctrl(vk::Down)},
         {{"copy.tap", b + c + a + d}, game(abcd)}},
        {"Save as... over an existing file asks first: Cancel writes nothing",
         abcd,
         more,
         {ctrl(vk::Down),
          toolbar(B::Save, "Save as...").choosingFile("more.tap").answering(Cancel)},
         {game(b + a + c + d), {"more.tap", x + y}}},
        {"Save as... over an existing file asks first: OK replaces it",
         abcd,
         more,
         {ctrl(vk::Down),
          toolbar(B::Save, "Save as...").choosingFile("more.tap").answering(Desktop::Ok)},
         {{"more.tap", b + a + c + d}, game(abcd)}},
        // A header without its data, moved up onto a data entry, takes it as its data at once:
        // the two then move and delete as the one entry the tape will load.
        {"a header alone moved onto a data entry moves on with it as one entry",
         a + b + alone,
         {},
         {click(3), ctrl(vk::Up), ctrl(vk::Up)},
         {game(alone + b + a)}},
        {"a header alone moved onto a data entry deletes with it",
         a + b + alone,
         {},
         {click(3), ctrl(vk::Up), press(vk::Delete).answering(Yes)},
         {game(a)}},
        // Play's window beside the list: the list goes on taking edits, the sound goes on with
        // what was selected, and Esc, Stop, the close box or the card's end put the window away.
        on("Play plays the selection while the list takes edits; Esc stops it",
           {click(2), click(3, false, true), play().showing("Playing 1 of 2: Data block\n"),
            press(vk::Delete).answering(Yes).showing("Playing 1 of 2"),
            card(Card::PlaysAll).showing("Played 2 of 2\n"), inPlayWindow(vk::Escape).showing("")},
           a + d),
        on("the viewer's Play; the window goes once the card has played it, Stop stops the next",
           {press(vk::Down), play(true).showing("Playing 1 of 1: Data block\n"),
            card(Card::Ends).showing(""), play(true).showing("Playing 1 of 1"),
            inPlayWindow(0).showing(""), ctrl(vk::Down)},
           a + c + b + d),
        on("a sound card that stops mid-play is told; the close box stops the next sound",
           {play().showing("Playing 1 of 1: alpha\n"),
            card(Card::Fails, "The device was removed.").answering(Desktop::Ok).showing(""),
            play().showing("Playing"), inPlayWindow(0, true).showing("")},
           abcd),
        {"a header alone is not moved before a header: told, nothing moves",
         a + alone,
         {},
         {click(2), ctrl(vk::Up).answering(Desktop::Ok), ctrl(vk::Down)},
         {game(a + alone)}},
    };
    return sessions;
}

}  // namespace murax::testing
