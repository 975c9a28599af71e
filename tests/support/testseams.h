// SPDX-License-Identifier: MIT
#pragma once

#include "core/reads/picturereads.h"
#include "core/storage/clock.h"
#include "ui/desktop/messagebox.h"
#include "ui/desktop/pickerbackend.h"
#include "ui/desktop/seams.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

/** A clock that tells the time a test sets. */
class FixedClock final : public Clock
{
public:
    QDateTime now() const override { return time; }
    QDateTime time = QDateTime(QDate(2011, 6, 15), QTime(2, 3, 35, 250));
};

/** Message boxes that answer as scripted and remember what they were asked. */
class ScriptedMessageBox final : public MessageBox
{
public:
    void notify(QWidget *, const QString &text) override { notices.append(text); }
    bool confirm(QWidget *, const QString &text) override
    {
        questions.append(text);
        return answer;
    }
    bool askRetry(QWidget *, const QString &text) override
    {
        questions.append(text);
        if (beforeRetry)
            beforeRetry();
        return retry;
    }
    std::optional<QString> askText(QWidget *, const QString &, const QString &text) override
    {
        questions.append(text);
        return typed;
    }
    bool answer = false;
    bool retry = false;
    std::optional<QString> typed; ///< what the user types into a text box; none: Cancel
    std::function<void()> beforeRetry;
    QStringList notices;
    QStringList questions;
};

/** Pickers that confirm a scripted choice or cancel, and remember what they were shown. */
class ScriptedPicker final : public PickerBackend
{
public:
    void chooseFont(QWidget *, PickerSettings &settings) override
    {
        shown.append(settings);
        if (confirm)
            settings = withChoice(settings);
    }
    void chooseColour(QWidget *, PickerSettings &settings) override
    {
        shown.append(settings);
        if (confirm)
            settings.colour = choice.colour;
    }
    PickerSettings withChoice(PickerSettings settings) const
    {
        settings.fontName = choice.fontName;
        settings.fontSize = choice.fontSize;
        settings.bold = choice.bold;
        settings.italic = choice.italic;
        return settings;
    }
    bool confirm = false;
    PickerSettings choice;
    QList<PickerSettings> shown;
};

/** The seams of one test: a program folder and scripted desktop parts. */
struct TestSeams
{
    explicit TestSeams(const QString &folder)
    {
        seams.folder = folder;
        seams.clock = &clock;
        seams.reads = &reads;
        seams.messageBox = &messageBox;
        seams.pickerBackend = &picker;
        seams.trayAvailable = [this] {
            return trayAvailable;
        };
        seams.autostartFolder = folder + QLatin1String("/autostart");
        seams.settingsPath = folder + QLatin1String("/settings/quillnote.conf");
        seams.openFolder = [this](const QString &path) {
            openedFolders.append(path);
            return folderOpens;
        };
    }
    FixedClock clock;
    PictureReads reads;
    ScriptedMessageBox messageBox;
    ScriptedPicker picker;
    bool trayAvailable = true;
    bool folderOpens = true; ///< whether the desktop has a program that opens folders
    QStringList openedFolders;
    Seams seams;
};
