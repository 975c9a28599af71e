// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QRect>
#include <QString>

class EarlyKeys;
class MemoEdit;
class RecentKeys;
class MemoLabel;
struct NoteReading;
class Picker;
class QWidget;

/**
 * A note's memo: the label that shows it, in the memo font and the text
 * colour, and the box it is edited in, in the edit font with its own
 * colours. The box is made the first time the memo is edited: a hundred
 * notes start quicker and smaller without a hundred text editors.
 */
class NoteMemo final : public QObject
{
    Q_OBJECT
public:
    /** Keys typed since a click that reached another window first come from @p recentKeys (may be
     * null). */
    NoteMemo(QWidget *surface, const QFont &editFont, RecentKeys *recentKeys);

    MemoLabel *label() const { return m_label; }
    /** The edit box, made when first asked for; hidden while the memo is not being edited. */
    MemoEdit *edit();

    /** Takes the memo, its fonts and its text colour from @p reading, where it gives them. */
    void load(const NoteReading &reading);
    /** Lets the user choose the memo's font with @p picker over @p parent; both boxes take it. */
    void chooseFont(Picker *picker, QWidget *parent);
    /** Lets the user choose the memo's text colour with @p picker over @p parent. */
    void chooseTextColour(Picker *picker, QWidget *parent);

    /** The memo; text typed into the edit box is the memo, also before the edit ends. */
    QString memo() const;
    void setMemo(const QString &memo);
    QFont font() const;
    void setFont(const QFont &font);
    QFont editFont() const { return m_editFont; }
    void setEditFont(const QFont &font);
    QColor textColour() const;
    void setTextColour(const QColor &colour);
    void setGeometry(const QRect &box);

    bool isEditing() const;
    /** Shows the memo in the edit box, which takes the keyboard focus. */
    void startEdit();
    /** Shows the edited memo in the label again; false when no edit was going on. */
    bool endEdit();

signals:
    /** The label was clicked: the user asks to edit. */
    void clicked();
    /** The text in the edit box changed. */
    void typed();
    /** The edit box lost the focus. */
    void focusLost();

private:
    MemoLabel *m_label;
    MemoEdit *m_edit = nullptr;
    EarlyKeys *m_earlyKeys = nullptr;
    QFont m_editFont;
    RecentKeys *m_recentKeys;
    /** When the click that asks to edit was pressed, in the window system's time. */
    ulong m_clicked = 0;
};
