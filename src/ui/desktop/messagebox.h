// SPDX-License-Identifier: MIT
#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>

class QWidget;

/**
 * The program's message boxes, all titled "quillnote". Tests replace
 * this with a scripted answer.
 */
class MessageBox
{
    Q_DECLARE_TR_FUNCTIONS(MessageBox)

public:
    virtual ~MessageBox() = default;
    /** An information notice with only an OK button. */
    virtual void notify(QWidget *parent, const QString &text);
    /** A question with OK (the default) and Cancel and no icon; true for OK. */
    virtual bool confirm(QWidget *parent, const QString &text);
    /** A warning with "再試行" (the default) and "終了"; true for retry. */
    virtual bool askRetry(QWidget *parent, const QString &text);
    /** A line of text, shown with @p text in it; none when cancelled. */
    virtual std::optional<QString> askText(QWidget *parent, const QString &label,
                                           const QString &text);

    static const char *title() { return "quillnote"; }
};
