// SPDX-License-Identifier: MIT
#include "support/pageserver.h"
#include "ui/webpane/browsermodule.h"

#include <QApplication>
#include <QDesktopServices>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace {
const QByteArray hostilePage = R"(<html><body><a id="link" href="/elsewhere">elsewhere</a>
<script>
window.onload = () => {
    alert('alert');
    const confirmed = confirm('confirm');
    const answer = prompt('prompt', 'default');
    const opened = window.open('/popup');
    navigator.geolocation.getCurrentPosition(
        () => { document.title = 'located'; },
        (error) => { document.title = ['done', confirmed, String(answer), String(opened), error.code].join(' '); });
};
</script></body></html>)";

// Where links would go in the desktop's browser.
class Browser final : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};
} // namespace

class TestWebPane final : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void pageShowsItselfAndNothingElse();
    void unreachablePageLeavesAQuietStrip();
};

void TestWebPane::init()
{
    // The engine's start-up says nothing.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("WebEngine|AA_ShareOpenGLContexts")));
}

void TestWebPane::pageShowsItselfAndNothingElse()
{
    PageServer server(hostilePage);
    Browser browser;
    const auto unset =
        qScopeGuard([] { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); });
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &browser, "open");
    QWidget window;
    window.resize(400, 300);
    auto *view = qobject_cast<QWebEngineView *>(BrowserModule::createView(&window));
    QVERIFY(view);
    view->resize(400, 300);
    window.show();
    const QUrl page = server.url(QStringLiteral("/006/gear.shtml"));
    view->setUrl(page);
    // Every dialog, window and permission is refused, with no window shown.
    QTRY_COMPARE_WITH_TIMEOUT(view->title(), QStringLiteral("done false null null 1"), 20000);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(view->isVisible());
    // A clicked link goes to the desktop's browser; the pane stays on its page.
    view->page()->runJavaScript(QStringLiteral("document.getElementById('link').click()"));
    QTRY_COMPARE_WITH_TIMEOUT(browser.opened.size(), 1, 10000);
    QCOMPARE(browser.opened[0], server.url(QStringLiteral("/elsewhere")));
    QTest::qWait(300);
    QVERIFY(view->isVisible());
    // Nor can the page's script send the pane elsewhere.
    view->page()->runJavaScript(QStringLiteral("window.location.replace('/away')"));
    QTest::qWait(500);
    QCOMPARE(view->url(), page);
    QCOMPARE(QApplication::topLevelWidgets().size(), 1);
}

void TestWebPane::unreachablePageLeavesAQuietStrip()
{
    QWidget window;
    window.resize(400, 300);
    auto *view = qobject_cast<QWebEngineView *>(BrowserModule::createView(&window));
    QVERIFY(view);
    window.show();
    QSignalSpy finished(view->page(), &QWebEnginePage::loadFinished);
    view->setUrl(QUrl(QStringLiteral("http://127.0.0.1:1/006/gear.shtml")));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 20000);
    QCOMPARE(finished[0][0].toBool(), false);
    // No error page: the view stays hidden and the pane shows its note's colours.
    QVERIFY(view->isHidden());
}

QTEST_MAIN(TestWebPane)
#include "tst_webpane.moc"
