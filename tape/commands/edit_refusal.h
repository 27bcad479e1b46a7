// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "tape/model/entry_intake.h"

namespace murax {

class AppContext;

// Makes `change` to the list and returns true. When the list refuses it, because an entry would
// not load back as it stands (EntryRegroups: cut short, a header without its data...) or the
// memory for it cannot be had (NotEnoughMemory, std::bad_alloc), the user is told why in a box
// of kind 1 and the result is false: the list and its history are as they were. `intake` names the
// entries being put in, when there are any.
bool changeUnlessRefused(AppContext& app, const std::function<void()>& change,
                         const EntryIntake* intake = nullptr);

}  // namespace murax
