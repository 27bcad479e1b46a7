// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "seam/message_kind.h"

#include <stdexcept>

#include "seam/desktop_services.h"

namespace murax {

const std::vector<MessageKindDescription>& messageKinds()
{
    using D = Desktop;
    using I = MessageIcon;
    using K = MessageKind;
    static const std::vector<MessageKindDescription> kinds = {
        {K::Inform, "Inform", I::Information, {D::Ok}, D::Ok, D::Ok},
        {K::Confirm, "Confirm", I::Question, {D::Ok, D::Cancel}, D::Ok, D::Cancel},
        {K::AskOrCancel, "AskOrCancel", I::Question, {D::Yes, D::No, D::Cancel}, D::Yes, D::Cancel},
        {K::Ask, "Ask", I::Question, {D::Yes, D::No}, D::Yes, 0},
        {K::AskDefaultNo, "AskDefaultNo", I::Question, {D::Yes, D::No}, D::No, 0},
        {K::ConfirmStop, "ConfirmStop", I::Stop, {D::Ok, D::Cancel}, D::Ok, D::Cancel},
    };
    return kinds;
}

const MessageKindDescription& describe(MessageKind kind)
{
    for (const MessageKindDescription& description : messageKinds())
        if (description.kind == kind)
            return description;
    throw std::invalid_argument("no such message kind");
}

}  // namespace murax
