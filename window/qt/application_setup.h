#pragma once

class QApplication;

namespace testola {

// What the program sets on its application before it makes the window: names, version, style and fonts.
void PrepareApplication(QApplication& application);

} // namespace testola
