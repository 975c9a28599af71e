// SPDX-License-Identifier: MIT
#include "webengine/panepage.h"

#include <QDesktopServices>
#include <QWebEngineClientCertificateSelection>
#include <QWebEngineFileSystemAccessRequest>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineQuotaRequest>
#include <QWebEngineRegisterProtocolHandlerRequest>
#include <QWebEngineSettings>

PanePage::PanePage(QWebEngineProfile *profile, QObject *parent) : QWebEnginePage(profile, parent)
{
    QWebEngineSettings *rules = settings();
    rules->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    rules->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    rules->setAttribute(QWebEngineSettings::JavascriptCanPaste, false);
    rules->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    rules->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    rules->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, false);
    rules->setAttribute(QWebEngineSettings::ScreenCaptureEnabled, false);
    rules->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    connect(this, &QWebEnginePage::featurePermissionRequested, this, &PanePage::refuse);
    connect(this, &QWebEnginePage::fullScreenRequested, this,
            [](QWebEngineFullScreenRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::quotaRequested, this,
            [](QWebEngineQuotaRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
            [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::fileSystemAccessRequested, this,
            [](QWebEngineFileSystemAccessRequest request) { request.reject(); });
    connect(this, &QWebEnginePage::selectClientCertificate, this,
            [](QWebEngineClientCertificateSelection selection) { selection.selectNone(); });
}

bool PanePage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    if (type == NavigationTypeLinkClicked && isMainFrame) {
        // Only web addresses go to the browser, and a page that clicks its
        // own links opens at most one a second.
        const bool web =
            url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
        if (web && (!m_lastLink.isValid() || m_lastLink.hasExpired(1000))) {
            m_lastLink.start();
            QDesktopServices::openUrl(url);
            emit linkOpened(url);
        }
        return false;
    }
    // The program sends the pane to its address; the page cannot send it elsewhere.
    if (type == NavigationTypeTyped && isMainFrame)
        m_address = url;
    // Frames inside the page load as the page asks.
    return !isMainFrame || url == m_address;
}

QWebEnginePage *PanePage::createWindow(WebWindowType)
{
    return nullptr;
}

void PanePage::javaScriptAlert(const QUrl &, const QString &) {}

bool PanePage::javaScriptConfirm(const QUrl &, const QString &)
{
    return false;
}

bool PanePage::javaScriptPrompt(const QUrl &, const QString &, const QString &, QString *)
{
    return false;
}

void PanePage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &, int,
                                        const QString &)
{
}

void PanePage::refuse(const QUrl &origin, Feature feature)
{
    setFeaturePermission(origin, feature, PermissionDeniedByUser);
}
