#pragma once

#include <QIcon>

namespace testola {

// The program's icon, a hand writing on a notepad, in every size it is drawn at.
QIcon TestolaIcon();

} // namespace testola
