// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/window_events.h"

#include "seam/command_dispatch.h"
#include "tape/commands/drop_commands.h"
#include "tape/commands/export_command.h"
#include "tape/commands/export_sound_command.h"
#include "tape/commands/key_router.h"
#include "tape/commands/play_command.h"
#include "tape/model/block_info.h"

namespace murax {

void WindowEvents::dispatch(void (*routine)(Window&, BlockList&))
{
    dispatchCommand(window_.app(), [this, routine] { routine(window_, list_); });
}

void WindowEvents::run(const Command& command)
{
    dispatch(command.routine);
}

bool WindowEvents::keyPressed(const KeyPress& key)
{
    return TASTI(window_, key, list_);
}

void WindowEvents::rowDoubleClicked()
{
    if (const Command* command = doubleClickCommand())
        run(*command);
}

void WindowEvents::rowsDragged(int beforePosition)
{
    dispatchCommand(window_.app(),
                    [this, beforePosition] { TRASCINA(window_, list_, beforePosition); });
}

void WindowEvents::filesDropped(const std::vector<std::string>& files, int beforePosition)
{
    dispatchCommand(window_.app(), [this, &files, beforePosition] {
        RILASCIA(window_, list_, files, beforePosition);
    });
}

void WindowEvents::contextMenuRequested(const MenuChoice& showMenu)
{
    if (const Command* chosen = showMenu())
        run(*chosen);
}

void WindowEvents::toolbarClicked(ToolbarButton button, const MenuChoice& showMenu)
{
    clickToolbarButton(window_.app(), button, showMenu,
                       [this](const Command& command) { run(command); });
}

void WindowEvents::opened()
{
    window_.setStatusText(BLKINFO(list_));
}

void WindowEvents::painted(const Later& later)
{
    if (painted_)
        return;
    painted_ = true;
    later([this] { window_.listBox().select(1); });
}

bool WindowEvents::mayClose()
{
    return !refusedWhileACommandRuns(window_.app());
}

void WindowEvents::viewerShown(EntryViewerFace& viewer)
{
    viewer_ = &viewer;
    followCurrentRow();
}

void WindowEvents::exportRequested()
{
    dispatch(exportCommand);
}

void WindowEvents::exportSoundRequested()
{
    dispatch(exportSoundCommand);
}

void WindowEvents::playRequested()
{
    dispatch(playCommand);
}

void WindowEvents::currentRowChanged()
{
    followCurrentRow();
}

void WindowEvents::listReloaded()
{
    if (viewer_ != nullptr && list_.empty())
        viewer_->putAway();
}

void WindowEvents::windowHidden()
{
    if (viewer_ != nullptr)
        viewer_->putAway();
}

void WindowEvents::followCurrentRow()
{
    const int row = window_.listBox().currentPosition() - 1;
    if (viewer_ == nullptr || !viewer_->isShowing() || row < 0 ||
        static_cast<std::size_t>(row) >= list_.count())
        return;
    viewer_->showEntry(list_.entries()[static_cast<std::size_t>(row)]);
}

}  // namespace murax
