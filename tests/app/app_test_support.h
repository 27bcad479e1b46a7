// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/block_list_view.h"
#include "app/main_window.h"
#include "tape/block_list.h"
#include "tape/tap_decoding.h"

// Small tapes for the window tests, built byte by byte.
namespace murax::testing {

inline std::string framedBlock(const std::string& block)
{
    const auto n = block.size();
    return std::string{static_cast<char>(n & 0xFF), static_cast<char>(n >> 8)} + block;
}

// A standard header (type 3, "bytes") and its data block: one header entry.
inline std::string headerEntry(const std::string& name, std::size_t dataLength = 4)
{
    std::string header(19, '\0');
    header[1] = 3;
    std::string padded = name;
    padded.resize(10, ' ');
    header.replace(2, 10, padded);
    header[12] = static_cast<char>(dataLength & 0xFF);
    header[13] = static_cast<char>(dataLength >> 8);
    return framedBlock(header) + framedBlock("\xFF" + std::string(dataLength, 'd') + "c");
}

// A lone data block: one data entry.
inline std::string dataEntry(std::size_t payload)
{
    return framedBlock("\xFF" + std::string(payload, 'p') + "c");
}

inline bool writeBytes(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes.data(), static_cast<qint64>(bytes.size()))
           == static_cast<qint64>(bytes.size());
}

// A path as the program holds it: the file system's bytes.
inline std::string bytesOf(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

inline QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs `act` on the popup menu as soon as one is open: the click that opens it does not return
// until the menu has closed.
inline void whenMenuOpens(std::function<void(QMenu&)> act, int triesLeft = 400)
{
    QTimer::singleShot(5, [act = std::move(act), triesLeft]() mutable {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            act(*menu);
        else if (triesLeft > 0)
            whenMenuOpens(std::move(act), triesLeft - 1);
    });
}

// While it lives, records and closes every popup menu or modal window that opens, so that a test
// of actions that must open nothing fails on `seen` instead of blocking in the opened loop until
// its timeout.
class UnexpectedWindowWatch {
public:
    UnexpectedWindowWatch()
    {
        timer_.callOnTimeout([this] {
            QWidget* opened = QApplication::activePopupWidget();
            if (!opened)
                opened = QApplication::activeModalWidget();
            if (!opened)
                return;
            seen << opened->metaObject()->className();
            opened->close();
        });
        timer_.start(5);
    }

    QStringList seen;

private:
    QTimer timer_;
};

// Writes `tape` to `path`, loads it as the current file into `list` and shows it in a real main
// window, as the start-up load leaves things. True once the window is up and the one-time
// selection after the first paint has selected row 1 (focus alone can make row 1 current, but only
// that selection selects it).
inline bool showTapeInWindow(AppContext& app, const QString& path, const std::string& tape,
                             BlockList& list, std::unique_ptr<MainWindow>& window)
{
    if (!writeBytes(path, tape))
        return false;
    ABLOCKS(bytesOf(path), list);
    list.currentFile = bytesOf(path);
    window = std::make_unique<MainWindow>(app, list);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return false;
    return QTest::qWaitFor([&] {
        return list.empty() || window->blockList()->selectedPositions() == std::vector<int>{1};
    });
}

}  // namespace murax::testing
