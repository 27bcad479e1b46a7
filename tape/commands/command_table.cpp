// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tape/commands/command_table.h"

#include "tape/commands/add_command.h"
#include "tape/commands/clipboard_commands.h"
#include "tape/commands/delete_command.h"
#include "tape/commands/export_command.h"
#include "tape/commands/export_sound_command.h"
#include "tape/commands/hex_editor_command.h"
#include "tape/commands/key_router.h"
#include "tape/commands/move_commands.h"
#include "tape/commands/new_entry_command.h"
#include "tape/commands/open_commands.h"
#include "tape/commands/play_command.h"
#include "tape/commands/rename_command.h"
#include "tape/commands/save_commands.h"
#include "tape/commands/undo_commands.h"
#include "tape/commands/view_entry_command.h"
#include "tape/commands/virtual_keys.h"

namespace murax {
namespace {

void add(Window& window, BlockList& list)
{
    AGGIUNGI(window, list, false);
}
void insert(Window& window, BlockList& list)
{
    AGGIUNGI(window, list, true);
}
void save(Window& window, BlockList& list)
{
    SALVA(window, list, false);
}
void saveAs(Window& window, BlockList& list)
{
    SALVA(window, list, true);
}

using B = ToolbarButton;

// Keys are matched in the order of the rows.
constexpr Command kCommands[] = {
    {"Edit properties",
     MODIFICA,
     {{{.virtualKey = vk::Return}}},
     true,
     B::Edit,
     "Edit properties...\tEnter"},
    {"Delete", ELIMINA, {{{.virtualKey = vk::Delete}}}, false, B::Delete, nullptr},
    {"Move up",
     SPOSTASU,
     {{{.virtualKey = vk::Up, .needsControl = true, .consumed = true}}},
     false,
     B::MoveUp,
     nullptr},
    {"Move down",
     SPOSTAGIU,
     {{{.virtualKey = vk::Down, .needsControl = true, .consumed = true}}},
     false,
     B::MoveDown,
     nullptr},
    {"Open", APRI, {{{.virtualKey = vk::F2}}}, false, B::Open, nullptr},
    {"Save", save, {{{.virtualKey = vk::F9}}}, false, B::Save, "Save\tF9"},
    {"Run", RUN, {{{.virtualKey = vk::F11}}}, false, B::Run, nullptr},
    {"Add", add, {}, false, B::Add, "Add..."},
    {"Insert", insert, {}, false, B::Add, "Insert..."},
    {"Save as", saveAs, {}, false, B::Save, "Save as..."},
    {"Edit with hex editor", MODHEX, {}, false, B::Edit, "Edit with hex editor..."},
    {"Inspect",
     viewEntryCommand,
     {{{.virtualKey = vk::F3}}},
     false,
     B::None,
     nullptr,
     "Inspect\tF3"},
    {"Export", exportCommand, {}, false, B::None, nullptr, "Export..."},
    {"Export as sound", exportSoundCommand, {}, false, B::None, nullptr, "Export as sound..."},
    {"Play", playCommand, {}, false, B::None, nullptr, "Play"},
    // After the list's own commands in the context menu, and third on Add's menu.
    {"New entry from file",
     newEntryFromFile,
     {},
     false,
     B::Add,
     "New entry from file...",
     "New entry from file..."},
    // Ctrl+Shift+Z before Ctrl+Z: the first row whose modifiers are down wins.
    {"Redo",
     RIPETI,
     {{{.virtualKey = 'Y', .needsControl = true, .consumed = true},
       {.virtualKey = 'Z', .needsControl = true, .needsShift = true, .consumed = true}}},
     false,
     B::None,
     nullptr,
     nullptr},
    {"Undo",
     ANNULLA,
     {{{.virtualKey = 'Z', .needsControl = true, .consumed = true}}},
     false,
     B::None,
     nullptr,
     nullptr},
    // Consumed: the list view would otherwise copy the current row's text on Ctrl+C.
    {"Copy",
     COPIA,
     {{{.virtualKey = 'C', .needsControl = true, .consumed = true}}},
     false,
     B::None,
     nullptr,
     nullptr},
    {"Cut",
     TAGLIA,
     {{{.virtualKey = 'X', .needsControl = true, .consumed = true}}},
     false,
     B::None,
     nullptr,
     nullptr},
    {"Paste",
     INCOLLA,
     {{{.virtualKey = 'V', .needsControl = true, .consumed = true}}},
     false,
     B::None,
     nullptr,
     nullptr},
};

constexpr ToolbarButtonLook kButtons[] = {
    {B::Open, "APRI", "Open (F2)...", false},
    {B::Add, "AGGIUNGI", "Add...", false},
    {B::Save, "SALVA", "Save...", false},
    {B::Delete, "ELIMINA", "Delete (DEL)", false},
    {B::MoveUp, "SPOSTASU", "Move up (CTRL+UP)", true},
    {B::MoveDown, "SPOSTAGIU", "Move down (CTRL+DOWN)", false},
    {B::Edit, "MODIFICA", "Edit...", false},
    {B::Run, "ESEGUI", "Run (F11)", true},
};

bool modifiersDown(const KeyBinding& binding, const KeyPress& key)
{
    return (!binding.needsControl || key.control) && (!binding.needsShift || key.shift);
}

}  // namespace

std::span<const Command> commandTable()
{
    return kCommands;
}

std::span<const ToolbarButtonLook> toolbarButtonLooks()
{
    return kButtons;
}

int toolbarIndexOf(ToolbarButton button)
{
    for (std::size_t i = 0; i < std::size(kButtons); ++i)
        if (kButtons[i].button == button)
            return static_cast<int>(i);
    return -1;
}

KeyMatch commandForKey(const KeyPress& key)
{
    for (const Command& command : kCommands)
        for (const KeyBinding& binding : command.keys)
            if (binding.virtualKey != 0 && binding.virtualKey == key.virtualKey &&
                modifiersDown(binding, key))
                return {&command, &binding};
    return {};
}

const Command* doubleClickCommand()
{
    for (const Command& command : kCommands)
        if (command.onDoubleClick)
            return &command;
    return nullptr;
}

const Command* directCommandOf(ToolbarButton button)
{
    // The commands that no button starts (Inspect, Undo...) are no button's.
    if (button == ToolbarButton::None)
        return nullptr;
    for (const Command& command : kCommands)
        if (command.button == button && command.menuEntry == nullptr)
            return &command;
    return nullptr;
}

}  // namespace murax
