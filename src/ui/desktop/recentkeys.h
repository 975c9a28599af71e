// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QKeyEvent;

/**
 * The keys of the last moments that reached a widget of the program other
 * than a text box. A click on a memo reaches the note only once the window
 * manager has given the note the keyboard; on a busy machine the keys typed
 * right after the click reach the window that had it first. The memo takes
 * those typed since the click from here when its editing starts.
 */
class RecentKeys final : public QObject
{
    Q_OBJECT
public:
    struct Key
    {
        int type;
        int key;
        int modifiers;
        QString text;
        bool autoRepeat;
        ulong timestamp;
    };

    /** Watches every key of the application from now on. */
    RecentKeys();
    ~RecentKeys() override;

    /** Takes the keys recorded at or after @p timestamp (the window system's time), in order. */
    QList<Key> takeSince(ulong timestamp);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QList<Key> m_keys;
    /** A key passes here once for each widget it is offered to: it is recorded once. */
    const QKeyEvent *m_last = nullptr;
};
