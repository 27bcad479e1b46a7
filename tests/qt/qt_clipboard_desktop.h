// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "qt/qt_desktop.h"
#include "tests/fakes/fake_desktop.h"

namespace murax::testing {

// The scripted desktop with the real clipboard: what the window copies reaches
// QGuiApplication's clipboard, and what is put there reaches the window's paste.
class QtClipboardDesktop : public FakeDesktop {
public:
    void setClipboardData(const std::string& mimeType, const std::string& bytes) override
    {
        qt_.setClipboardData(mimeType, bytes);
    }
    std::optional<std::string> clipboardData(const std::string& mimeType) override
    {
        return qt_.clipboardData(mimeType);
    }

private:
    QtDesktop qt_;
};

}  // namespace murax::testing
