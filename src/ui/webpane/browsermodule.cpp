// SPDX-License-Identifier: MIT
#include "ui/webpane/browsermodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QLoggingCategory>

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

QWidget *BrowserModule::createView(QWidget *parent)
{
    return quietly([parent]() -> QWidget * {
        const ViewFactory factory = viewFactory();
        return factory ? factory(parent) : nullptr;
    });
}
