// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/list_gestures.h"

#include <cstdlib>
#include <utility>

namespace murax {

bool RowDrag::press(const Press& press, Slack slack)
{
    cancel();
    if (press.control || press.shift || press.row < 0 || !press.rowSelected)
        return false;
    held_ = true;
    pressedRow_ = press.row;
    pressedAt_ = press.at;
    slack_ = slack;
    return true;
}

bool RowDrag::move(ListPoint at, const RowGeometry& rows)
{
    if (!held_)
        return false;
    if (std::abs(at.x - pressedAt_.x) > slack_.across ||
        std::abs(at.y - pressedAt_.y) > slack_.down)
        moving_ = true;
    if (!moving_)
        return false;
    const int gap = rows.gapNearest(at.y);
    const bool moved = gap != dropLine_;
    dropLine_ = gap;
    return moved;
}

RowDrag::Release RowDrag::release()
{
    if (!held_)
        return {};
    const bool moved = moving_;
    const int before = dropLine_;
    cancel();
    if (!moved)
        return {Release::Kind::SelectAlone, pressedRow_ + 1};
    if (before < 1)
        return {};
    return {Release::Kind::Drop, before};
}

bool RowDrag::cancel()
{
    const bool lineShown = dropLine_ != 0;
    held_ = false;
    moving_ = false;
    dropLine_ = 0;
    return lineShown;
}

void FileDrops::dropped(std::vector<std::string> files, int y, const RowGeometry& rows)
{
    if (!files.empty())
        waiting_.push_back({std::move(files), rows.placeBefore(y)});
}

std::optional<FileDrops::Drop> FileDrops::takeOldest()
{
    if (waiting_.empty())
        return std::nullopt;
    Drop oldest = std::move(waiting_.front());
    waiting_.pop_front();
    return oldest;
}

ListPoint menuKeyPlace(const RowGeometry& rows, int width, int currentPosition)
{
    if (currentPosition < 1 || currentPosition > rows.count)
        return {};
    // The middle as a rectangle's centre falls: on the upper or left of two middle pixels.
    return {(width - 1) / 2, rows.dropLineY(currentPosition) + (rows.rowHeight - 1) / 2};
}

}  // namespace murax
