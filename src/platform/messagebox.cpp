// SPDX-License-Identifier: MIT
#include "messagebox.h"

#include <QMessageBox>

void MessageBox::notify(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(title()), text, QMessageBox::Ok,
                    parent);
    box.exec();
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
