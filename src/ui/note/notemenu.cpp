// SPDX-License-Identifier: MIT
#include "ui/note/notemenu.h"

#include <QLoggingCategory>

namespace {
// Debug messages name the items of each menu shown, as the user reads them.
Q_LOGGING_CATEGORY(lcNoteMenu, "quillnote.notemenu", QtWarningMsg)
} // namespace

NoteMenu::NoteMenu(QWidget *parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("menu"));
    fontAction = addCommand(tr("フォント"), "fontAction");
    textColourAction = addCommand(tr("文字色"), "textColourAction");
    backgroundColourAction = addCommand(tr("背景色"), "backgroundColourAction");
    cancelBackgroundAction = addCommand(tr("背景画像のキャンセル"), "cancelBackgroundAction");
    webPaneAction = addCommand(tr("WebツールバーON/OFF"), "webPaneAction");
    addSeparator();
    discardAction = addCommand(tr("捨てる"), "discardAction");
    connect(this, &QMenu::aboutToShow, this, [this] {
        QStringList items;
        for (const QAction *action : actions())
            if (!action->isSeparator())
                items.append(action->text());
        qCDebug(lcNoteMenu).noquote() << "shown:" << items.join(QLatin1String(" | "));
    });
}

QAction *NoteMenu::addCommand(const QString &caption, const char *name)
{
    QAction *action = addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}
