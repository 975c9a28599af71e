// SPDX-License-Identifier: MIT
#include "pickerbackend.h"

#include "colourref.h"

#include <QColorDialog>
#include <QFontDialog>

void PickerBackend::chooseFont(QWidget *parent, PickerSettings &settings)
{
    QFont initial(settings.fontName);
    if (settings.fontSize > 0)
        initial.setPointSizeF(settings.fontSize);
    initial.setBold(settings.bold);
    initial.setItalic(settings.italic);
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent);
    if (!ok)
        return;
    settings.fontName = chosen.family();
    settings.fontSize = static_cast<float>(chosen.pointSizeF());
    settings.bold = chosen.bold();
    settings.italic = chosen.italic();
}

void PickerBackend::chooseColour(QWidget *parent, PickerSettings &settings)
{
    QColorDialog dialog(parent);
    const auto initial = ColourRef::toColor(settings.colour);
    if ((settings.flags & PickerSettings::ColourSelected) && initial)
        dialog.setCurrentColor(*initial);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() == QDialog::Accepted)
        settings.colour = ColourRef::fromColor(dialog.selectedColor());
}
