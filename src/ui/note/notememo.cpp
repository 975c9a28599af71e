// SPDX-License-Identifier: MIT
#include "ui/note/notememo.h"

#include "core/record/notereading.h"
#include "ui/desktop/picker.h"
#include "ui/note/earlykeys.h"
#include "ui/note/memoedit.h"
#include "ui/note/memolabel.h"

namespace {
// How long keys that reach another window after the click are taken for the memo.
constexpr std::chrono::milliseconds earlyKeysSpan{2000};

QFont withPickerFont(QFont font, const PickerSettings &settings)
{
    font.setFamily(settings.fontName);
    if (settings.fontSize > 0)
        font.setPointSizeF(settings.fontSize);
    font.setBold(settings.bold);
    font.setItalic(settings.italic);
    return font;
}
} // namespace

NoteMemo::NoteMemo(QWidget *surface, const QFont &editFont, RecentKeys *recentKeys)
    : QObject(surface), m_label(new MemoLabel(surface)), m_editFont(editFont),
      m_recentKeys(recentKeys)
{
    m_label->setObjectName(QStringLiteral("memoLabel"));
    connect(m_label, &MemoLabel::clicked, this, [this](ulong pressed) {
        m_clicked = pressed;
        emit clicked();
    });
}

MemoEdit *NoteMemo::edit()
{
    if (m_edit)
        return m_edit;
    m_edit = new MemoEdit(m_label->parentWidget());
    m_edit->setObjectName(QStringLiteral("memoEdit"));
    m_edit->hide();
    m_edit->setFont(m_editFont);
    m_edit->setGeometry(m_label->geometry());
    m_edit->stackUnder(m_label);
    connect(m_edit, &MemoEdit::focusLost, this, &NoteMemo::focusLost);
    connect(m_edit, &MemoEdit::textChanged, this, &NoteMemo::typed);
    m_earlyKeys = new EarlyKeys(m_edit);
    return m_edit;
}

void NoteMemo::load(const NoteReading &reading)
{
    setFont(reading.font(font()));
    if (reading.textColour)
        setTextColour(*reading.textColour);
    setEditFont(reading.font(m_editFont));
    // A memo being edited but not yet changed shows what came from the file;
    // one the user has typed into keeps the typing.
    if (isEditing() && m_edit->memo() == m_label->memo())
        m_edit->setMemo(reading.memo);
    setMemo(reading.memo);
}

void NoteMemo::chooseFont(Picker *picker, QWidget *parent)
{
    PickerSettings &settings = picker->settings();
    settings.flags = PickerSettings::ColourSelected | PickerSettings::FullForm;
    const QFont current = font();
    settings.fontName = current.family();
    settings.fontSize = static_cast<float>(current.pointSizeF());
    settings.bold = current.bold();
    settings.italic = current.italic();
    picker->showFont(parent);
    setFont(withPickerFont(current, picker->settings()));
    setEditFont(withPickerFont(m_editFont, picker->settings()));
}

void NoteMemo::chooseTextColour(Picker *picker, QWidget *parent)
{
    if (const auto colour = picker->pickColour(textColour(), parent))
        setTextColour(*colour);
}

QString NoteMemo::memo() const
{
    return isEditing() ? m_edit->memo() : m_label->memo();
}

void NoteMemo::setMemo(const QString &memo)
{
    m_label->setMemo(memo);
}

QFont NoteMemo::font() const
{
    return m_label->font();
}

void NoteMemo::setFont(const QFont &font)
{
    m_label->setFont(font);
}

void NoteMemo::setEditFont(const QFont &font)
{
    m_editFont = font;
    if (m_edit)
        m_edit->setFont(font);
}

QColor NoteMemo::textColour() const
{
    return m_label->palette().color(QPalette::WindowText);
}

void NoteMemo::setTextColour(const QColor &colour)
{
    QPalette colours = m_label->palette();
    colours.setColor(QPalette::WindowText, colour);
    m_label->setPalette(colours);
}

void NoteMemo::setGeometry(const QRect &box)
{
    m_label->setGeometry(box);
    if (m_edit)
        m_edit->setGeometry(box);
}

bool NoteMemo::isEditing() const
{
    return m_edit && !m_edit->isHidden();
}

void NoteMemo::startEdit()
{
    MemoEdit *box = edit();
    box->setMemo(m_label->memo());
    box->show();
    box->window()->activateWindow();
    box->setFocus(Qt::MouseFocusReason);
    m_earlyKeys->catchFor(earlyKeysSpan, m_recentKeys ? m_recentKeys->takeSince(m_clicked)
                                                      : QList<RecentKeys::Key>());
    m_label->hide();
}

bool NoteMemo::endEdit()
{
    if (!isEditing())
        return false;
    m_earlyKeys->stop();
    m_label->setMemo(m_edit->memo());
    m_edit->hide();
    m_label->show();
    return true;
}
