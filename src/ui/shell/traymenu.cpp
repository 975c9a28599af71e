// SPDX-License-Identifier: MIT
#include "ui/shell/traymenu.h"

#include "ui/shell/notekeeper.h"

const char *const TrayMenu::stopClickThroughText =
    QT_TRANSLATE_NOOP("TrayMenu", "クリックを通す付箋紙を元に戻す");

TrayMenu::TrayMenu(NoteKeeper *keeper, QWidget *parent)
    : QMenu(parent), m_keeper(keeper), m_hideOrShow(addAction(QString()))
{
    setObjectName(QStringLiteral("trayMenu"));
    m_hideOrShow->setObjectName(QStringLiteral("hideOrShowNotes"));
    connect(m_hideOrShow, &QAction::triggered, this,
            [this] { m_keeper->setNotesHidden(!m_keeper->notesHidden()); });
    QAction *stop = addAction(tr(stopClickThroughText));
    stop->setObjectName(QStringLiteral("stopClickThrough"));
    connect(stop, &QAction::triggered, m_keeper, &NoteKeeper::stopClickThrough);
    // The notes may have been hidden or shown from the command line since.
    connect(this, &QMenu::aboutToShow, this, &TrayMenu::showTexts);
    showTexts();
}

void TrayMenu::showTexts()
{
    m_hideOrShow->setText(m_keeper->notesHidden() ? tr("すべての付箋紙を表示する")
                                                  : tr("すべての付箋紙を隠す"));
}
