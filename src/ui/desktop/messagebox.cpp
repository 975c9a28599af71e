// SPDX-License-Identifier: MIT
#include "ui/desktop/messagebox.h"

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

void MessageBox::notify(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(title()), text, QMessageBox::Ok,
                    parent);
    box.exec();
}

std::optional<QString> MessageBox::askText(QWidget *parent, const QString &label,
                                           const QString &text)
{
    QInputDialog box(parent);
    box.setWindowTitle(QString::fromLatin1(title()));
    box.setLabelText(label);
    box.setTextValue(text);
    if (box.exec() != QDialog::Accepted)
        return std::nullopt;
    return box.textValue();
}

bool MessageBox::confirm(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(title()), text,
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Ok;
}

bool MessageBox::askRetry(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QString::fromLatin1(title()), text, QMessageBox::NoButton,
                    parent);
    QPushButton *retry = box.addButton(tr("再試行"), QMessageBox::AcceptRole);
    QPushButton *quit = box.addButton(tr("終了"), QMessageBox::RejectRole);
    box.setDefaultButton(retry);
    box.setEscapeButton(quit);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    return box.clickedButton() == retry;
}
