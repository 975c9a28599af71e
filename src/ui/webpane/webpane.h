// SPDX-License-Identifier: MIT
#pragma once

#include <QUrl>
#include <QWidget>

class LiveView;
class WebPanePool;

/**
 * The web pane along a note's bottom edge. A pane the user works with holds
 * one of the few live browser views of the program (WebPanePool); the others
 * show a still picture of the page. The browser comes from a module loaded
 * the first time a pane is shown, so hidden panes cost nothing; the pane
 * keeps the address it was sent to and sends every view it gets there.
 * Files dropped on the pane are the note's, never the browser's. Without the
 * browser (not built, not found, turned off for tests, or the program run as
 * an administrator, where the engine cannot run sandboxed) the pane is a
 * plain strip; so it is while its page has not loaded.
 */
class WebPane final : public QWidget
{
    Q_OBJECT
public:
    /** A pane that shares the live views of @p pool, which outlives it; a plain strip without one.
     */
    explicit WebPane(WebPanePool *pool, QWidget *parent = nullptr);
    ~WebPane() override;

    void navigate(const QUrl &url);
    QUrl url() const { return m_url; }
    /** Whether the pane holds a live view. */
    bool hasView() const { return m_view != nullptr; }
    /** The live view the pane holds, or null. */
    const LiveView *view() const { return m_view; }
    /** The pane's number among the panes of its pool, from 1 (0 for a plain strip). */
    int number() const { return m_number; }

    /** Shows the page in @p view, a live view the pane holds from now on. */
    void host(LiveView *view);
    /** Gives up the pane's view, hidden, and returns it; the pane shows the still. */
    LiveView *giveUpView();

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void load();

    WebPanePool *m_pool;
    int m_number;
    QUrl m_url;
    LiveView *m_view = nullptr;
};
