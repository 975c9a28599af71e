// SPDX-License-Identifier: MIT
#pragma once

#include <QElapsedTimer>
#include <QUrl>
#include <QWebEnginePage>

/**
 * The page of a web pane. It shows the pane's page and nothing else: script
 * dialogs, new windows, downloads and permission requests are refused
 * without a window appearing, a link the user clicks opens in the desktop's
 * web browser while the pane stays on its page, and the page's console
 * stays off the program's.
 */
class PanePage final : public QWebEnginePage
{
    Q_OBJECT
public:
    explicit PanePage(QWebEngineProfile *profile, QObject *parent = nullptr);

    /** The one address this page keeps to: the last that the program sent it to. */
    QUrl address() const { return m_address; }

signals:
    /** The user clicked a link to @p url; it went to the desktop's browser. */
    void linkOpened(const QUrl &url);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;
    void javaScriptAlert(const QUrl &origin, const QString &message) override;
    bool javaScriptConfirm(const QUrl &origin, const QString &message) override;
    bool javaScriptPrompt(const QUrl &origin, const QString &message, const QString &initial,
                          QString *result) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int line, const QString &source) override;

private:
    void refuse(const QUrl &origin, Feature feature);

    QUrl m_address;
    QElapsedTimer m_lastLink;
};
