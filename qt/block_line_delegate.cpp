// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/block_line_delegate.h"

#include <QApplication>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QStyle>

#include "seam/window_look.h"

namespace murax {
namespace {

// Byte 0xAD is the soft hyphen, which text layout hides everywhere but at a line break. A list
// row has no line breaks, and the code page's list box shows the byte as its hyphen glyph; so
// does this one, drawn from the font as it is.
constexpr char16_t kSoftHyphen = 0x00AD;

void drawGlyphUnshaped(QPainter& painter, const QFont& font, QPoint baselineStart, QChar c)
{
    const QRawFont raw = QRawFont::fromFont(font);
    const QList<quint32> glyphs = raw.glyphIndexesForString(QString(c));
    if (glyphs.isEmpty() || glyphs.first() == 0) {
        painter.drawText(baselineStart, QStringLiteral("-"));
        return;
    }
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions({QPointF(0, 0)});
    painter.drawGlyphRun(baselineStart, run);
}

}  // namespace

void BlockLineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    const bool selected = isRowSelected_(index.row());
    const QPalette& palette = option.palette;
    painter->save();
    painter->fillRect(option.rect, palette.color(selected ? QPalette::Highlight : QPalette::Base));
    painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(option.font);

    const QFontMetrics metrics(option.font);
    const int baseline =
        option.rect.top() + (option.rect.height() - metrics.height()) / 2 + metrics.ascent();
    const QList<uint> characters = index.data(Qt::DisplayRole).toString().toUcs4();
    int x = option.rect.left() + block_list::kLeftMargin;
    const int clipRight = option.rect.right();
    for (const uint c : characters) {
        if (x > clipRight)
            break;
        if (c == kSoftHyphen)
            drawGlyphUnshaped(*painter, option.font, QPoint(x, baseline), QChar(kSoftHyphen));
        else if (c != ' ') {
            const char32_t character = c;
            painter->drawText(QPoint(x, baseline), QString::fromUcs4(&character, 1));
        }
        x += main_window::kCharacterCellWidth;
    }

    if (option.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.backgroundColor = palette.color(selected ? QPalette::Highlight : QPalette::Base);
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    painter->restore();
}

QSize BlockLineDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const
{
    // Every row has the same size (the view relies on it for a fast reset): a full line.
    return QSize(block_list::kRowWidth, main_window::kRowHeight);
}

}  // namespace murax
