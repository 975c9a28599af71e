// SPDX-License-Identifier: MIT
// The browser view behind web panes, built as a module that the program
// loads the first time a pane is shown: the browser engine's libraries cost
// tens of megabytes once loaded, which notes with hidden panes never pay.
#include <QCoreApplication>
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
// Every pane shares one profile that keeps nothing on disk.
QWebEngineProfile *sharedProfile()
{
    const QString name = QStringLiteral("quillnoteWebProfile");
    auto *profile = qApp->findChild<QWebEngineProfile *>(name, Qt::FindDirectChildrenOnly);
    if (!profile) {
        QtWebEngineCore::initialize();
        profile = new QWebEngineProfile(qApp);
        profile->setObjectName(name);
    }
    return profile;
}
} // namespace

extern "C" Q_DECL_EXPORT QWidget *quillnoteCreateWebView(QWidget *parent)
{
    return new QWebEngineView(sharedProfile(), parent);
}
