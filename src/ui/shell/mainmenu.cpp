// SPDX-License-Identifier: MIT
#include "ui/shell/mainmenu.h"

#include "core/storage/autostart.h"
#include "core/storage/panepage.h"
#include "ui/desktop/messagebox.h"
#include "ui/shell/traymenu.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcMainMenu, "quillnote.mainmenu", QtWarningMsg)

QAction *addItem(QMenu *menu, const char *name, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}
} // namespace

MainMenu::MainMenu(const Seams &seams, QWidget *parent) : QMenu(parent), m_seams(seams)
{
    setObjectName(QStringLiteral("mainMenu"));
    connect(addItem(this, "paste", tr("クリップボードから付箋紙を作成")), &QAction::triggered, this,
            &MainMenu::pasteRequested);
    connect(addItem(this, "gather", tr("すべての付箋紙をこの画面に集める")), &QAction::triggered,
            this, &MainMenu::gatherRequested);
    connect(addItem(this, "stopClickThrough",
                    QCoreApplication::translate("TrayMenu", TrayMenu::stopClickThroughText)),
            &QAction::triggered, this, &MainMenu::stopClickThroughRequested);
    addSeparator();
    m_startAtLogin = addItem(this, "startAtLogin", tr("ログイン時に起動する"));
    m_startAtLogin->setCheckable(true);
    connect(m_startAtLogin, &QAction::triggered, this, &MainMenu::setStartAtLogin);
    connect(addItem(this, "openNotesFolder", tr("付箋紙のフォルダを開く")), &QAction::triggered,
            this, &MainMenu::openNotesFolder);
    connect(addItem(this, "webPage", tr("Webツールバーのページ...")), &QAction::triggered, this,
            &MainMenu::chooseWebPage);
    connect(addItem(this, "about", tr("quillnote について")), &QAction::triggered, this,
            [this] { m_seams.messageBox->notify(parentWidget(), aboutText(m_seams.folder)); });
    // The entry may have been made or removed by another program since.
    connect(this, &QMenu::aboutToShow, this,
            [this] { m_startAtLogin->setChecked(Autostart::isOn(m_seams.autostartFolder)); });
}

QString MainMenu::aboutText(const QString &notesFolder)
{
    return tr("quillnote %1\n付箋紙をデスクトップに貼るプログラム\n\n"
              "付箋紙のフォルダ: %2\nライセンス: MIT")
        .arg(QStringLiteral(QUILLNOTE_VERSION), QDir::toNativeSeparators(notesFolder));
}

// Without a program that opens folders the user is told where the notes are.
void MainMenu::openNotesFolder()
{
    if (!m_seams.openFolder(m_seams.folder))
        m_seams.messageBox->notify(parentWidget(),
                                   tr("付箋紙のフォルダを開けませんでした。\n%1")
                                       .arg(QDir::toNativeSeparators(m_seams.folder)));
}

void MainMenu::chooseWebPage()
{
    const std::optional<QString> typed = m_seams.messageBox->askText(
        parentWidget(), tr("Webツールバーに表示するページのアドレス (http または https):"),
        PanePage::read(m_seams.settingsPath).toString());
    if (!typed)
        return;
    const std::optional<QUrl> page = PanePage::parse(*typed);
    if (!page) {
        m_seams.messageBox->notify(
            parentWidget(), tr("http または https のアドレスではありません。\n%1").arg(*typed));
        return;
    }
    // Panes show it in this run also when it cannot be kept for the next.
    if (!PanePage::write(m_seams.settingsPath, *page))
        qCWarning(lcMainMenu) << "cannot keep the web panes' page in" << m_seams.settingsPath;
    emit webPageChosen(*page);
}

void MainMenu::setStartAtLogin(bool on)
{
    const QString error =
        on ? Autostart::turnOn(m_seams.autostartFolder, QCoreApplication::applicationFilePath())
           : Autostart::turnOff(m_seams.autostartFolder);
    if (!error.isEmpty())
        qCWarning(lcMainMenu) << "cannot change the start at login:" << error;
}
