// SPDX-License-Identifier: MIT
#include "ui/shell/droplabel.h"

#include <QFontMetricsF>

#include <cmath>

namespace {
// The most the letters close up, in pixels a letter: more would look cramped.
constexpr qreal tightestSpacing = -0.5;
} // namespace

DropLabel::DropLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
}

void DropLabel::setFittedText(const QString &text)
{
    // The design's text breaks at every space; a translation, whose words
    // are spaced, marks its breaks with newlines instead.
    const QStringList lines = text.split(text.contains(u'\n') ? u'\n' : u' ', Qt::SkipEmptyParts);
    QFont fitted = font();
    fitted.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    QFont closed = fitted;
    closed.setLetterSpacing(QFont::AbsoluteSpacing, -1);
    const QFontMetricsF plain(fitted), tight(closed);
    qreal spacing = 0;
    for (const QString &line : lines) {
        // Spacing goes between glyphs, which are fewer than the characters
        // (sound marks join the letter before them): closing up by a pixel tells how many.
        const qreal overflow = plain.horizontalAdvance(line) - width();
        const qreal glyphs = plain.horizontalAdvance(line) - tight.horizontalAdvance(line);
        if (overflow > 0 && glyphs > 0)
            spacing = qMin(spacing, -overflow / glyphs);
    }
    // Fonts take spacing in 64ths of a pixel: round towards closer.
    spacing = std::floor(spacing * 64) / 64;
    fitted.setLetterSpacing(QFont::AbsoluteSpacing, qMax(spacing, tightestSpacing));
    setFont(fitted);
    setText(lines.join(u'\n'));
}
