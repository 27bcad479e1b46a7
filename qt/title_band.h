// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPainter;
class QWidget;

namespace murax {

// Paints the column title band of the main window ("Name", "Type", "Start", "Length") on client
// rows 31 to 48, in the window's font, so that the titles sit over the fields of the list lines.
// The window's paint handler calls it on every paint.
void TITOLI(const QWidget& window, QPainter& painter);  // paints the column titles

}  // namespace murax
