// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qt_desktop.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QUrl>

#include "qt/kind_message_box.h"
#include "qt/qt_sound_output.h"
#include "support/platform/child_process.h"

namespace murax {
namespace {

constexpr int kPollMilliseconds = 2;

// Paths are the file system's bytes; only the dialogs and QFile see them as text.
std::string pathBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

// The file dialog with the one rule Qt's own dialog lacks: the folder of the chosen name must
// exist. Qt's dialog in AnyFile mode would return "/nonexistent/game", and the command would then
// report a missing file (at start-up: end the program) instead of letting the user correct it.
// Native dialogs check the folder themselves and have closed already when accept() comes.
class TapeFileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        const QStringList chosen = selectedFiles();
        if (!testAttribute(Qt::WA_DontShowOnScreen) && !chosen.isEmpty()) {
            const QFileInfo file(chosen.first());
            if (!file.isDir() && !QFileInfo(file.absolutePath()).isDir()) {
                // Qt's own notice for a folder that is not there.
                QMessageBox::warning(this, windowTitle(),
                                     QFileDialog::tr("%1\nDirectory not found.\nPlease verify the "
                                                     "correct directory name was given.")
                                         .arg(file.absolutePath()));
                return;
            }
        }
        QFileDialog::accept();
    }
};

std::string runFileDialog(const std::string& title, QFileDialog::AcceptMode mode,
                          const std::vector<std::string>& filters)
{
    // A dialog of our own rather than getOpenFileName: that one insists on an existing file, so a
    // name typed without ".tap" could never be completed afterwards.
    TapeFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(title),
                          QDir::currentPath());
    QStringList nameFilters;
    for (const std::string& filter : filters)
        nameFilters << QString::fromStdString(filter);
    dialog.setNameFilters(nameFilters);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QString());
    if (mode == QFileDialog::AcceptSave)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? std::string() : pathBytes(chosen.first());
}

}  // namespace

int QtDesktop::messageBox(const std::string& text, const std::string& title,
                          const MessageKindDescription& kind)
{
    return showKindMessageBox(kind, QString::fromStdString(title), QString::fromStdString(text));
}

void QtDesktop::beep()
{
    QApplication::beep();
}

std::string QtDesktop::openFileDialog(const std::string& title,
                                      const std::vector<std::string>& filters)
{
    return runFileDialog(title, QFileDialog::AcceptOpen, filters);
}

std::string QtDesktop::saveFileDialog(const std::string& title,
                                      const std::vector<std::string>& filters)
{
    return runFileDialog(title, QFileDialog::AcceptSave, filters);
}

std::optional<std::size_t> QtDesktop::chooseItem(const std::string& title, const std::string& label,
                                                 const std::vector<std::string>& items,
                                                 std::size_t current)
{
    QStringList texts;
    for (const std::string& item : items)
        texts << QString::fromStdString(item);
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setObjectName("itemChoice");
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(QString::fromStdString(label));
    dialog.setComboBoxItems(texts);
    dialog.setComboBoxEditable(false);
    if (current < items.size())
        dialog.setTextValue(texts[static_cast<int>(current)]);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const auto chosen = texts.indexOf(dialog.textValue());
    return chosen < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(chosen));
}

void QtDesktop::openWithDefaultProgram(const std::string& fileOrUri)
{
    const QString text = QString::fromStdString(fileOrUri);
    const bool isUri = text.startsWith("mailto:", Qt::CaseInsensitive);
    const QString localPath = QFile::decodeName(fileOrUri.c_str());
    const QUrl url = isUri ? QUrl(text, QUrl::TolerantMode) : QUrl::fromLocalFile(localPath);
    if (QDesktopServices::openUrl(url))
        return;
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Platforms without desktop services (offscreen, framebuffer) refuse before starting anything,
    // yet the desktop's own opener still knows the default program. Its result is not examined.
    QProcess::startDetached("xdg-open", {isUri ? QString::fromUtf8(url.toEncoded()) : localPath});
#endif
}

void QtDesktop::processPendingEvents()
{
    QCoreApplication::processEvents();
}

int QtDesktop::runAndWait(const std::string& commandLine, int)
{
    // Started by the core rather than QProcess, which takes the program as text: a hex editor
    // whose path is not valid UTF-8 could never be found.
    const std::optional<int> exitCode =
        runAndWaitFor(commandLine, kPollMilliseconds, [this] { processPendingEvents(); });
    return exitCode.value_or(NotStarted);
}

std::string QtDesktop::executableFolder()
{
    return pathBytes(QCoreApplication::applicationDirPath()) + "/";
}

void QtDesktop::setClipboardData(const std::string& mimeType, const std::string& bytes)
{
    auto* data = new QMimeData;
    data->setData(QString::fromStdString(mimeType),
                  QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<std::string> QtDesktop::clipboardData(const std::string& mimeType)
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    const QString type = QString::fromStdString(mimeType);
    if (data == nullptr || !data->hasFormat(type))
        return std::nullopt;
    const QByteArray bytes = data->data(type);
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::unique_ptr<SoundPlayback> QtDesktop::playSound(SoundSamples& samples)
{
    return playOnDefaultOutput(samples);
}

}  // namespace murax
