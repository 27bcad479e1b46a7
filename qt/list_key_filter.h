// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

#include "tape/commands/virtual_keys.h"

namespace murax {

// The Windows virtual-key code of a Qt key: letters, digits, F1 to F24, Return and Enter (both
// 13), and the editing and arrow keys, so that any of them can be bound in the command table;
// 0 for any other key.
int virtualKeyCode(int qtKey);

// Hands each key press of the watched list, with the modifiers its event records, to `handler`
// before the list's own handling; a key
// the handler consumes goes no further. Enter and Return never go further either: the list is the
// window's only control, so the window's default action would be to close it.
class ListKeyFilter : public QObject {
public:
    using Handler = std::function<bool(const KeyPress& key)>;

    ListKeyFilter(Handler handler, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler handler_;
};

}  // namespace murax
