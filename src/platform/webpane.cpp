// SPDX-License-Identifier: MIT
#include "webpane.h"

#include "liveview.h"
#include "webpanepool.h"

#include <QChildEvent>
#include <QCoreApplication>
#include <QDir>
#include <QHideEvent>
#include <QLibrary>
#include <QLoggingCategory>
#include <QPainter>

namespace {
using ViewFactory = QWidget *(*)(QWidget *parent);

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
    static int panes = 0;
    m_number = ++panes;
    setAcceptDrops(false);
    setAttribute(Qt::WA_InputMethodEnabled);
    if (m_live)
        connect(WebPanePool::instance(), &WebPanePool::stillTaken, this,
                qOverload<>(&QWidget::update));
}

WebPane::~WebPane()
{
    if (m_live)
        WebPanePool::instance()->forget(this);
}

void WebPane::navigate(const QUrl &url)
{
    m_url = url;
    if (m_view)
        m_view->load(url);
}

void WebPane::host(LiveView *view)
{
    m_view = view;
    refuseDrops(view);
    if (view->url() != m_url)
        view->load(m_url);
    view->embed(this);
    load();
}

LiveView *WebPane::giveUpView()
{
    LiveView *view = m_view;
    m_view = nullptr;
    view->leave();
    letGo(view);
    update();
    return view;
}

// Sends the view to the pane's page again when it did not load, or its
// renderer ended, and it is not loading now.
void WebPane::load()
{
    if (m_view && !m_view->showsPage() && m_url.isValid() && !m_view->isLoading())
        m_view->load(m_url);
}

// The pane has the focus for its live view, whose window gets no keys: its
// keys, input and focus go on to the view.
bool WebPane::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (m_view) {
            m_view->passOn(event);
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

QVariant WebPane::inputMethodQuery(Qt::InputMethodQuery query) const
{
    return m_view ? m_view->inputMethodQuery(query) : QWidget::inputMethodQuery(query);
}

void WebPane::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_live)
        return;
    load();
    WebPanePool::instance()->shown(this);
}

void WebPane::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (m_live && !event->spontaneous())
        WebPanePool::instance()->hidden(this);
}

void WebPane::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (m_view)
        m_view->follow();
}

void WebPane::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_view)
        m_view->follow();
}

void WebPane::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    if (m_live)
        WebPanePool::instance()->entered(this);
}

void WebPane::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (m_live)
        WebPanePool::instance()->left(this);
}

// Without a view, or while its view loads, the pane shows the page's still.
void WebPane::paintEvent(QPaintEvent *)
{
    if (!m_live || (m_view && m_view->showsPage()))
        return;
    const QPixmap still = WebPanePool::instance()->still(this);
    if (!still.isNull())
        QPainter(this).drawPixmap(0, 0, still);
}

QWidget *WebPane::createBrowserView(QWidget *parent)
{
    return quietly([parent]() -> QWidget * {
        const ViewFactory factory = viewFactory();
        return factory ? factory(parent) : nullptr;
    });
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

void WebPane::letGo(QObject *object)
{
    object->removeEventFilter(this);
    for (QObject *child : object->children())
        letGo(child);
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
