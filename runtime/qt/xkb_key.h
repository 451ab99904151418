#pragma once

#include <QString>
#include <Qt>
#include <xkbcommon/xkbcommon.h>

namespace testola {

// A key as Qt's own keyboard on X11 and Wayland reports it, read from the keyboard's XKB state: its symbol, Qt's
// code for it, the modifiers in effect and the text it types.
struct XkbKey {
    xkb_keysym_t Symbol;
    int QtKey;
    Qt::KeyboardModifiers Modifiers;
    QString Text;
};

XkbKey ReadXkbKey(xkb_state* state, xkb_keycode_t code);

} // namespace testola
