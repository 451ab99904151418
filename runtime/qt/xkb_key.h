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

// Lets std::unique_ptr free what XKB made.
struct XkbFree {
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
    void operator()(xkb_state* state) const { xkb_state_unref(state); }
};

} // namespace testola
