// SPDX-License-Identifier: MIT
#pragma once

#include <QThreadPool>

/**
 * The program's own threads for decoding pictures. The toolkit spreads some
 * image work over its shared pool; pictures kept out of it never make the
 * screen wait behind them. While the windows of start-up come onto the
 * screen the pool is held back to one thread fewer than the machine has
 * processors (at least one), so that decoding a hundred photographs does not
 * hold up the windows, yet starts at once. Deleting the pool waits for
 * the decodes that run: the program ends without deleting a busy one.
 */
class PicturePool final : public QThreadPool
{
    Q_OBJECT
public:
    explicit PicturePool(QObject *parent = nullptr) : QThreadPool(parent) {}

    void holdBack();
    /** Lets the pool use every processor again. */
    void release();
    bool isHeldBack() const { return m_heldBack; }

private:
    bool m_heldBack = false;
};
