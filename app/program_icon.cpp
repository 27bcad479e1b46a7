#include "app/program_icon.h"

#include <QApplication>

#include "app/resource_images.h"

namespace murax {

void installProgramIcon()
{
    const QIcon icon = programIcon();
    if (!icon.availableSizes().isEmpty())
        QApplication::setWindowIcon(icon);
}

}  // namespace murax
