#include "testola_icon.h"

#include <QPixmap>

namespace testola {

namespace {
#include "icon/testola_16.xpm"
#include "icon/testola_32.xpm"
#include "icon/testola_64.xpm"
} // namespace

QIcon TestolaIcon() {
    QIcon icon;
    for (const char* const* image : {testola_icon_16, testola_icon_32, testola_icon_64}) {
        icon.addPixmap(QPixmap(image));
    }
    return icon;
}

} // namespace testola
