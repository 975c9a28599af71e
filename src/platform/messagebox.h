// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

/**
 * The program's two message boxes, both titled "quillnote". Tests replace
 * this with a scripted answer.
 */
class MessageBox
{
public:
    virtual ~MessageBox() = default;
    /** An information notice with only an OK button. */
    virtual void notify(QWidget *parent, const QString &text);
    /** A question with OK (the default) and Cancel and no icon; true for OK. */
    virtual bool confirm(QWidget *parent, const QString &text);

    static const char *title() { return "quillnote"; }
};
