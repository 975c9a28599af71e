// SPDX-License-Identifier: MIT
#pragma once

#include <QUrl>
#include <QWidget>

/**
 * The web pane along a note's bottom edge. The browser view behind it comes
 * from a module loaded the first time a pane is shown, so hidden panes cost
 * nothing; until then the pane keeps the address it was sent to. Files dropped on the pane
 * are the note's, never the browser's. Without the browser (not built,
 * not found, or turned off for tests) the pane is a plain strip.
 */
class WebPane final : public QWidget
{
    Q_OBJECT
public:
    explicit WebPane(bool live, QWidget *parent = nullptr);

    void navigate(const QUrl &url);
    QUrl url() const { return m_url; }
    /** Whether the browser view exists yet. */
    bool hasView() const { return m_view != nullptr; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createView();
    void refuseDrops(QObject *object);

    bool m_live;
    QUrl m_url;
    QWidget *m_view = nullptr;
};
