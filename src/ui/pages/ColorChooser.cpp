#include "ui/pages/ColorChooser.h"

#include "ui/pages/TarnColorArea.h"

namespace {

ColorChooserFunction &installedChooser()
{
    static ColorChooserFunction chooser;
    return chooser;
}

} // namespace

bool ChooseColor(QWidget *parent, QColor &colour)
{
    if (installedChooser())
        return installedChooser()(parent, colour);
    TarnColorArea dialog(parent, colour);
    dialog.setColor(colour);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    colour = dialog.color();
    return true;
}

void SetColorChooser(ColorChooserFunction chooser)
{
    installedChooser() = std::move(chooser);
}
