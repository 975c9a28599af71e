// SPDX-License-Identifier: MIT
#include "core/storage/panepage.h"

#include <QSettings>

namespace {
const QString pageKey = QStringLiteral("webPane/page");
} // namespace

QUrl PanePage::defaultPage()
{
    return QUrl(QStringLiteral("http://quillnote.example/006/gear.shtml"));
}

std::optional<QUrl> PanePage::parse(const QString &text)
{
    const QUrl url(text.trimmed(), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != u"http" && scheme != u"https") || url.host().isEmpty())
        return std::nullopt;
    return url;
}

QUrl PanePage::read(const QString &settingsPath)
{
    if (settingsPath.isEmpty())
        return defaultPage();
    const QSettings settings(settingsPath, QSettings::IniFormat);
    return parse(settings.value(pageKey).toString()).value_or(defaultPage());
}

bool PanePage::write(const QString &settingsPath, const QUrl &page)
{
    QSettings settings(settingsPath, QSettings::IniFormat);
    settings.setValue(pageKey, page.toString());
    settings.sync();
    return settings.status() == QSettings::NoError;
}
