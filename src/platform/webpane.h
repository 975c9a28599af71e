// SPDX-License-Identifier: MIT
#pragma once

#include <QUrl>
#include <QWidget>

/**
 * The web pane along a note's bottom edge. The browser view behind it comes
 * from a module loaded the first time a pane is shown, so hidden panes cost
 * nothing; until then the pane keeps the address it was sent to. Files dropped on the pane
 * are the note's, never the browser's. Without the browser (not built,
 * not found, turned off for tests, or the program run as an administrator,
 * where the engine cannot run sandboxed) the pane is a plain strip; so it
 * is while its page has not loaded.
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

    /**
     * A browser view from the module, with the refusals of a pane's page, or
     * null without the module. It loads the engine whoever runs the program:
     * panes never ask for one when the program runs as an administrator.
     */
    static QWidget *createBrowserView(QWidget *parent);

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
