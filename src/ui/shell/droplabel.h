// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

/**
 * The drop zone's text: its lines break only where the text has a space
 * (or, in a text with newlines, only at those), never inside a word, and the letters close up by a
 * fraction of a pixel where a line would not otherwise fit the label's width.
 */
class DropLabel final : public QLabel
{
    Q_OBJECT
public:
    explicit DropLabel(QWidget *parent = nullptr);

    /** Shows @p text broken at its spaces (or its newlines), fitted to the label's present width.
     */
    void setFittedText(const QString &text);
};
