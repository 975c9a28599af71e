// SPDX-License-Identifier: MIT
#include "webpane.h"

#include <QChildEvent>
#include <QCoreApplication>

#ifdef QUILLNOTE_WEBENGINE
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {
// Every pane shares one profile that keeps nothing on disk.
QWebEngineProfile *sharedProfile()
{
    const QString name = QStringLiteral("quillnoteWebProfile");
    auto *profile = qApp->findChild<QWebEngineProfile *>(name, Qt::FindDirectChildrenOnly);
    if (!profile) {
        profile = new QWebEngineProfile(qApp);
        profile->setObjectName(name);
    }
    return profile;
}
} // namespace
#endif

WebPane::WebPane(bool live, QWidget *parent) : QWidget(parent), m_live(live)
{
    setAcceptDrops(false);
}

void WebPane::navigate(const QUrl &url)
{
    m_url = url;
#ifdef QUILLNOTE_WEBENGINE
    if (auto *view = qobject_cast<QWebEngineView *>(m_view))
        view->setUrl(url);
#endif
}

void WebPane::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_live && !m_view)
        createView();
}

void WebPane::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_view)
        m_view->setGeometry(rect());
}

void WebPane::createView()
{
#ifdef QUILLNOTE_WEBENGINE
    auto *view = new QWebEngineView(sharedProfile(), this);
    m_view = view;
    refuseDrops(view);
    view->setGeometry(rect());
    if (m_url.isValid())
        view->setUrl(m_url);
    view->show();
#endif
}

// The browser view takes dropped files as pages to open; a drop on the pane
// must reach the note instead, so neither the view nor its inner widgets accept drops.
void WebPane::refuseDrops(QObject *object)
{
    if (auto *widget = qobject_cast<QWidget *>(object))
        widget->setAcceptDrops(false);
    object->installEventFilter(this);
    for (QObject *child : object->children())
        refuseDrops(child);
}

bool WebPane::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        refuseDrops(static_cast<QChildEvent *>(event)->child());
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
        // An inner widget of the browser that still takes drops hands them to the note.
        if (watched != this && window() != this) {
            QCoreApplication::sendEvent(window(), event);
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
