// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the MIME type that the desktop's shared MIME database gives each file name, as a file
// manager built on Qt sees it. The files need not exist: only the name is matched.

#include <QCoreApplication>
#include <QMimeDatabase>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QMimeDatabase database;
    for (const QString& name : app.arguments().mid(1))
        out << database.mimeTypeForFile(name, QMimeDatabase::MatchExtension).name() << '\n';
    return 0;
}
