// SPDX-License-Identifier: MIT
// The browser view behind web panes, built as a module that the program
// loads the first time a pane is shown: the browser engine's libraries cost
// tens of megabytes once loaded, which notes with hidden panes never pay.
#include "webengine/panepage.h"

#include <QCoreApplication>
#include <QWebEngineDownloadRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineView>

// WORKAROUND: the engine prepares its OpenGL context sharing from a start-up
// hook that runs only when its library is loaded before the application
// object exists. Loaded later, as here, it has to be asked to; the function is
// exported by the engine's library for its own modules.
namespace QtWebEngineCore {
Q_DECL_IMPORT void initialize();
}

namespace {
// Chromium's error for a load that was cancelled.
constexpr int aborted = -3;

// Every pane shares one profile that keeps nothing on disk and downloads nothing.
QWebEngineProfile *sharedProfile()
{
    const QString name = QStringLiteral("quillnoteWebProfile");
    auto *profile = qApp->findChild<QWebEngineProfile *>(name, Qt::FindDirectChildrenOnly);
    if (!profile) {
        QtWebEngineCore::initialize();
        profile = new QWebEngineProfile(qApp);
        profile->setObjectName(name);
        QObject::connect(profile, &QWebEngineProfile::downloadRequested, profile,
                         [](QWebEngineDownloadRequest *download) { download->cancel(); });
    }
    return profile;
}
} // namespace

/**
 * A view of a pane's page. It shows only once its page has loaded: a page
 * that cannot be loaded, or whose renderer ended, leaves the pane a quiet
 * strip in the note's colours, and the pane loads it again when next shown.
 * Its property "loading" says whether a load is under way.
 */
extern "C" Q_DECL_EXPORT QWidget *quillnoteCreateWebView(QWidget *parent)
{
    auto *view = new QWebEngineView(parent);
    auto *page = new PanePage(sharedProfile(), view);
    view->setPage(page);
    view->hide();
    QObject::connect(
        page, &QWebEnginePage::loadingChanged, view, [view](const QWebEngineLoadingInfo &load) {
            view->setProperty("loading", load.status() == QWebEngineLoadingInfo::LoadStartedStatus);
            if (load.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
                view->show();
            // A navigation the pane refused (a link clicked, say) is stopped or
            // aborted: the page it was on stays.
            else if (load.status() == QWebEngineLoadingInfo::LoadFailedStatus &&
                     load.errorCode() != aborted)
                view->hide();
        });
    QObject::connect(page, &QWebEnginePage::renderProcessTerminated, view, &QWidget::hide);
    return view;
}
