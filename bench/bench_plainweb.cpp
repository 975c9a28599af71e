// SPDX-License-Identifier: MIT
// The baseline of the web pane benchmark: a plain Qt program that opens 101
// frameless 200-pixel windows, each with a web view along its bottom edge as
// wide as a note's pane, all on one off-the-record profile and one renderer
// process, showing the page that notes show. Prints what
// PaneSettling::reportWhenSettled does.
// Run on an X server as an ordinary user: bench_plainweb
#include "panesettling.h"

#include <QWebEngineProfile>
#include <QWebEngineView>

int main(int argc, char *argv[])
{
    QElapsedTimer sinceLaunch;
    sinceLaunch.start();
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --renderer-process-limit=1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    auto *profile = new QWebEngineProfile(&app);
    QList<QWidget *> windows;
    for (int i = 0; i < PaneSettling::windows; ++i) {
        auto *window = new QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint);
        window->setGeometry(QRect(PaneSettling::place(i), QSize(200, 200)));
        auto *view = new QWebEngineView(window);
        view->setPage(new QWebEnginePage(profile, view));
        view->setGeometry(-2, 170, 2000, 63);
        view->setUrl(QUrl(QStringLiteral("http://quillnote.example/006/gear.shtml")));
        window->show();
        windows.append(window);
    }
    PaneSettling::reportWhenSettled(
        sinceLaunch, [&windows] { return windows; },
        [&] {
            qDeleteAll(windows);
            QCoreApplication::quit();
        });
    return QApplication::exec();
}
