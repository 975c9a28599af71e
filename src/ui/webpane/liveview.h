// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QUrl>
#include <QWidget>

/**
 * A live browser view, in a window of its own that is shown inside a
 * note's window, over the note's web pane, as a child window. So the note's
 * window goes on drawing as a plain window: a window that held a browser
 * view itself would keep a graphics context for good, megabytes for every
 * note the pointer ever crossed. A child window of another top-level
 * widget gets no keys: a click on the page gives the focus to the pane,
 * which hands its keys and focus on to the view. The view shows only once
 * its page has loaded; until then, and away from a pane, its window is hidden.
 */
class LiveView final : public QWidget
{
    Q_OBJECT
public:
    /** A view from the browser module, or null without the module. */
    static LiveView *create();

    QWidget *view() const { return m_view; }
    /** Whether the page has loaded and shows. */
    bool showsPage() const { return !m_view->isHidden(); }
    bool isLoading() const { return m_view->property("loading").toBool(); }
    QUrl url() const { return m_view->property("url").toUrl(); }
    void load(const QUrl &url) { m_view->setProperty("url", url); }

    /** The pane the view is over, or null. */
    QWidget *pane() const { return m_pane; }
    /** Shows the view over @p pane, inside the pane's window. */
    void embed(QWidget *pane);
    /** Places the view over its pane again, after the pane moved or changed size. */
    void follow();
    /** Leaves the pane's window, hidden. */
    void leave();
    /** Hands @p event, a key, input method or focus event of the pane, to the page. */
    void passOn(QEvent *event);
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const;

signals:
    /** The page loaded and shows. */
    void pageShown();
    void pointerEntered();
    void pointerLeft();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    explicit LiveView(QWidget *view);
    void showIfPage();
    void refuseDrops(QObject *object);
    bool browserEvent(QObject *watched, QEvent *event);
    QWidget *keyTarget() const;

    QWidget *m_view;
    QPointer<QWidget> m_pane;
};
