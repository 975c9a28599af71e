// SPDX-License-Identifier: MIT
#include "core/storage/autostart.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace {
// An argument of an Exec line: quoted when it holds a character that the
// line's syntax reserves, with the quote's own specials escaped.
QString execArgument(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool plain = std::none_of(argument.begin(), argument.end(),
                                    [](QChar c) { return reserved.contains(c); });
    QString quoted = argument;
    if (!plain) {
        for (const QChar c : {QChar(u'\\'), QChar(u'"'), QChar(u'`'), QChar(u'$')})
            quoted.replace(c, QString(u'\\') + c);
        quoted = u'"' + quoted + u'"';
    }
    // Field codes start with %; a desktop entry's strings escape backslashes.
    return quoted.replace(u'%', QLatin1String("%%")).replace(u'\\', QLatin1String("\\\\"));
}
} // namespace

namespace Autostart {
QString entryPath(const QString &folder)
{
    return folder + QLatin1String("/" QUILLNOTE_APP_ID ".desktop");
}

bool isOn(const QString &folder)
{
    return QFile::exists(entryPath(folder));
}

QByteArray entry(const QString &executable)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=quillnote\n"
                          "Comment=Pin picture notes to the desktop\n"
                          "TryExec=%2\n"
                          "Exec=%1\n"
                          "Icon=quillnote\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execArgument(executable), QString(executable).replace(u'\\', QLatin1String("\\\\")))
        .toUtf8();
}

QString turnOn(const QString &folder, const QString &executable)
{
    if (executable.contains(u'\n') || executable.contains(u'\r'))
        return QStringLiteral("the program's path holds a line break");
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot make %1").arg(folder);
    QSaveFile file(entryPath(folder));
    if (!file.open(QIODevice::WriteOnly) || file.write(entry(executable)) < 0 || !file.commit())
        return file.errorString();
    return {};
}

QString turnOff(const QString &folder)
{
    QFile file(entryPath(folder));
    if (!file.exists() || file.remove())
        return {};
    return file.errorString();
}
} // namespace Autostart
