// SPDX-License-Identifier: MIT
#include "ui/note/notemenu.h"

NoteMenu::NoteMenu(QWidget *parent) : QMenu(parent)
{
    setObjectName(QStringLiteral("menu"));
    fontAction = addCommand(QStringLiteral("フォント"), "fontAction");
    textColourAction = addCommand(QStringLiteral("文字色"), "textColourAction");
    backgroundColourAction = addCommand(QStringLiteral("背景色"), "backgroundColourAction");
    cancelBackgroundAction =
        addCommand(QStringLiteral("背景画像のキャンセル"), "cancelBackgroundAction");
    webPaneAction = addCommand(QStringLiteral("WebツールバーON/OFF"), "webPaneAction");
    addSeparator();
    discardAction = addCommand(QStringLiteral("捨てる"), "discardAction");
}

QAction *NoteMenu::addCommand(const QString &caption, const char *name)
{
    QAction *action = addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}
