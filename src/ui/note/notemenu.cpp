// SPDX-License-Identifier: MIT
#include "ui/note/notemenu.h"

#include <QActionGroup>
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
    addSeparator();
    createDeskMenu();
    connect(this, &QMenu::aboutToShow, this, [this] {
        QStringList items;
        for (const QAction *action : actions())
            if (!action->isSeparator())
                items.append(action->text());
        qCDebug(lcNoteMenu).noquote() << "shown:" << items.join(QLatin1String(" | "));
    });
}

void NoteMenu::createDeskMenu()
{
    deskMenu = addMenu(tr("置き方"));
    deskMenu->setObjectName(QStringLiteral("deskMenu"));
    const auto choice = [this](QActionGroup *group, const QString &caption, const char *name) {
        QAction *action = switchItem(caption, name);
        group->addAction(action);
        return action;
    };
    auto *layers = new QActionGroup(this);
    aboveAction = choice(layers, tr("常に手前"), "aboveAction");
    normalAction = choice(layers, tr("普通"), "normalAction");
    desktopAction = choice(layers, tr("デスクトップ"), "desktopAction");
    deskMenu->addSeparator();
    static constexpr struct
    {
        const char *caption;
        int percent;
    } opacities[] = {{QT_TR_NOOP("不透明度 100%"), 100},
                     {QT_TR_NOOP("不透明度 90%"), 90},
                     {QT_TR_NOOP("不透明度 75%"), 75},
                     {QT_TR_NOOP("不透明度 50%"), 50}};
    auto *opacityGroup = new QActionGroup(this);
    for (const auto &opacity : opacities) {
        QAction *action = choice(opacityGroup, tr(opacity.caption), "opacityAction");
        action->setData(opacity.percent);
        opacityActions.append(action);
    }
    deskMenu->addSeparator();
    clickThroughAction = switchItem(tr("クリックを通す"), "clickThroughAction");
    lockAction = switchItem(tr("ロック"), "lockAction");
}

QAction *NoteMenu::switchItem(const QString &caption, const char *name)
{
    QAction *action = deskMenu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setCheckable(true);
    return action;
}

QAction *NoteMenu::addCommand(const QString &caption, const char *name)
{
    QAction *action = addAction(caption);
    action->setObjectName(QLatin1String(name));
    return action;
}
