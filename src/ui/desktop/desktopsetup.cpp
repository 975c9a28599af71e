// SPDX-License-Identifier: MIT
#include "ui/desktop/desktopsetup.h"

#include "ui/desktop/windowsystem.h"

#include <QCoreApplication>
#include <QFont>

void DesktopSetup::prepare()
{
    WindowSystem::choose();
    // Every web pane shares one renderer process. (No shared OpenGL context is
    // asked for: the browser makes its own when a pane is first shown, and a
    // program whose panes stay hidden never loads a graphics driver.)
    if (!qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS")
             .contains(QLatin1String("renderer-process-limit")))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
                (qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --renderer-process-limit=1").trimmed());
}

void DesktopSetup::registerFonts(const QString &defaultMemoFont)
{
    // The default memo font names a Windows font; the note keeps that name and
    // shows it in the Japanese font of the same metrics that the desktop has.
    QFont::insertSubstitution(defaultMemoFont, QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
}
