// SPDX-License-Identifier: MIT
#include "webpane.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QLoggingCategory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {
using ViewFactory = QWidget *(*)(QWidget *parent);

bool runsAsAdministrator()
{
#ifdef Q_OS_UNIX
    return ::geteuid() == 0;
#else
    return false;
#endif
}

QtMessageHandler passOn = nullptr;

// The engine, loaded into a running program as meant here, says that it was
// initialised from a plugin and that sharing must be asked for before the
// application: normal use prints nothing.
void withoutEngineNotices(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    static const QLatin1String notices[] = {
        QLatin1String("Qt WebEngine seems to be initialized from a plugin"),
        QLatin1String("Attribute Qt::AA_ShareOpenGLContexts must be set")};
    for (const QLatin1String &notice : notices)
        if (text.startsWith(notice))
            return;
    passOn(type, context, text);
}

// Runs @p step with the engine's start-up notices kept off the console.
template <typename Step> auto quietly(Step step)
{
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    passOn = qInstallMessageHandler(withoutEngineNotices);
    auto result = step();
    qInstallMessageHandler(passOn);
    return result;
}

// The browser module, native code, comes only from where the program is:
// beside it (a copied or built program), or the library folder of the
// installation it is part of. Without it the pane stays a plain strip.
ViewFactory viewFactory()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QStringList folders{programFolder, programFolder + QLatin1String("/../lib/quillnote")};
    for (const QString &folder : std::as_const(folders)) {
        QLibrary module(QDir(folder).filePath(QStringLiteral("quillnote_webengine")));
        if (auto factory = reinterpret_cast<ViewFactory>(module.resolve("quillnoteCreateWebView")))
            return factory;
    }
    return nullptr;
}
} // namespace

WebPane::WebPane(bool live, QWidget *parent) : QWidget(parent), m_live(live)
{
    setAcceptDrops(false);
}

void WebPane::navigate(const QUrl &url)
{
    m_url = url;
    if (m_view)
        m_view->setProperty("url", url);
}

void WebPane::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_live && !m_view)
        createView();
    else if (m_view && m_view->isHidden() && m_url.isValid())
        m_view->setProperty("url", m_url); // a page that did not load, or whose renderer ended
}

void WebPane::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_view)
        m_view->setGeometry(rect());
}

QWidget *WebPane::createBrowserView(QWidget *parent)
{
    return quietly([parent]() -> QWidget * {
        const ViewFactory factory = viewFactory();
        return factory ? factory(parent) : nullptr;
    });
}

void WebPane::createView()
{
    // The engine cannot sandbox its renderers for an administrator, and a
    // remote page is never run without that: the pane stays a plain strip.
    if (runsAsAdministrator())
        return;
    m_view = createBrowserView(this);
    if (!m_view)
        return;
    refuseDrops(m_view);
    m_view->setGeometry(rect());
    if (m_url.isValid())
        m_view->setProperty("url", m_url);
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
