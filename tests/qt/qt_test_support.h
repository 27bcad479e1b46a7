// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "qt/block_list_view.h"
#include "qt/main_window.h"
#include "tape/model/block_list.h"
#include "tape/model/tape_loading.h"
#include "tests/support/helpers/scratch_folder.h"
#include "tests/support/helpers/tape_builder.h"

namespace murax::testing {

// A scratch folder of its own, which is the current directory for as long as the object lives.
class ScratchCurrentDirectory {
public:
    ScratchCurrentDirectory() : inside_(folder_.path()) {}

    bool isValid() const
    {
        return std::filesystem::equivalent(std::filesystem::current_path(), folder_.path());
    }
    QString path() const { return QFile::decodeName(folder_.path().c_str()); }
    QString filePath(const QString& name) const { return QDir(path()).filePath(name); }

private:
    ScratchFolder folder_;
    CurrentDirectory inside_;
};

inline bool writeBytes(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
           static_cast<qint64>(bytes.size());
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

// Shows `list`, loaded as the current file, in a real main window, as the start-up load leaves
// things. True once the window is up and the one-time selection after the first paint has selected
// row 1 (focus alone can make row 1 current, but only that selection selects it).
inline bool showListInWindow(AppContext& app, BlockList& list, std::unique_ptr<MainWindow>& window)
{
    window = std::make_unique<MainWindow>(app, list);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return false;
    return QTest::qWaitFor([&] {
        return list.empty() || window->blockList()->selectedPositions() == std::vector<int>{1};
    });
}

// Writes `tape` to `path`, loads it as the current file into `list` and shows it in a real main
// window, as above.
inline bool showTapeInWindow(AppContext& app, const QString& path, const std::string& tape,
                             BlockList& list, std::unique_ptr<MainWindow>& window)
{
    if (!writeBytes(path, tape))
        return false;
    ABLOCKS(bytesOf(path), list);
    list.currentFile = bytesOf(path);
    return showListInWindow(app, list, window);
}

}  // namespace murax::testing
