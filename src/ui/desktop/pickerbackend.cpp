// SPDX-License-Identifier: MIT
#include "ui/desktop/pickerbackend.h"

#include "core/record/colourref.h"

#include <QColorDialog>
#include <QFontDatabase>
#include <QFontDialog>

#include <algorithm>

namespace {
// @p name as the desktop's list of families spells it, or empty when it is
// not installed: the dialog finds a family only by its exact spelling, and
// the toolkit keeps substitutes in lower case.
QString installedFamily(const QString &name)
{
    const QStringList families = QFontDatabase::families();
    const auto found =
        std::find_if(families.begin(), families.end(), [&name](const QString &family) {
            return family.compare(name, Qt::CaseInsensitive) == 0;
        });
    return found == families.end() ? QString() : *found;
}

// The family the desktop shows for @p name: the name itself when it is
// installed, else its first installed substitute (a Windows font name
// stands for the Japanese font of the same metrics), else the name.
QString shownFamily(const QString &name)
{
    for (const QString &candidate : QStringList{name} + QFont::substitutes(name))
        if (const QString family = installedFamily(candidate); !family.isEmpty())
            return family;
    return name;
}

// @p value where the user changed the dialog's @p shown, else @p kept.
template <typename T> T changedOr(const T &value, const T &shown, const T &kept)
{
    return value == shown ? kept : value;
}
} // namespace

void PickerBackend::chooseFont(QWidget *parent, PickerSettings &settings)
{
    QFont initial(shownFamily(settings.fontName));
    if (settings.fontSize > 0)
        initial.setPointSizeF(settings.fontSize);
    initial.setBold(settings.bold);
    initial.setItalic(settings.italic);
    QFontDialog dialog(parent);
    dialog.setCurrentFont(initial);
    // What the dialog starts on may differ from the note's font (a name it
    // does not list, a size it rounds): what the user leaves untouched keeps
    // the note's own value.
    const QFont start = dialog.currentFont();
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QFont chosen = dialog.selectedFont();
    settings.fontName = changedOr(chosen.family(), start.family(), settings.fontName);
    settings.fontSize = changedOr(static_cast<float>(chosen.pointSizeF()),
                                  static_cast<float>(start.pointSizeF()), settings.fontSize);
    settings.bold = changedOr(chosen.bold(), start.bold(), settings.bold);
    settings.italic = changedOr(chosen.italic(), start.italic(), settings.italic);
}

// The dialog always starts on the colour it is given, so that OK at once
// keeps it; Qt's dialog has one form only, whatever the flags ask for.
void PickerBackend::chooseColour(QWidget *parent, PickerSettings &settings)
{
    QColorDialog dialog(parent);
    if (const auto initial = ColourRef::toColor(settings.colour))
        dialog.setCurrentColor(*initial);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() == QDialog::Accepted)
        settings.colour = ColourRef::fromColor(dialog.selectedColor());
}
