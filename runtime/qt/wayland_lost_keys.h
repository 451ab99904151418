#pragma once

#include "wayland_keyboard_focus.h"
#include "xkb_key.h"

#include <QObject>
#include <cstdint>
#include <memory>

struct wl_keyboard;
struct wl_registry;
struct wl_seat;
struct wl_surface;

namespace testola {

// Keys that a Wayland compositor sends to a box's surface after the program has hidden the box. Hiding destroys
// the surface, and the compositor goes on sending keys to it until it has seen that and moved the keyboard to the
// window, or it gives a box the keyboard only after the box has hidden; Qt's Wayland plugin drops those keys
// (the rules: WaylandKeyboardFocus). A second keyboard on the same seat hears the same keys in the same
// order, and follows the keyboard's focus as Qt does: a key that Qt drops because the box's surface is gone is
// sent on for the box's window, whose key handover gives it to the window the box belongs to.
// Does nothing unless the program is a Wayland client.
// For Qt 6.4's Wayland plugin (Debian 12's 6.4.2) and, as far as is known, every later one. It can go once, built
// without it, the Wayland desktop check (scripts/wayland-smoke.sh) still counts every answer typed ahead of the box.
class WaylandLostKeys : public QObject {
public:
    WaylandLostKeys();
    WaylandLostKeys(const WaylandLostKeys&) = delete;
    WaylandLostKeys& operator=(const WaylandLostKeys&) = delete;
    ~WaylandLostKeys() override;

private:
    friend struct WaylandListeners;

    void SeatAnnounced(wl_registry* registry, uint32_t name, uint32_t version);
    void SeatCapabilities(uint32_t capabilities);
    void Keymap(uint32_t format, int fd, uint32_t size);
    void Enter(wl_surface* surface);
    void Leave(wl_surface* surface);
    void Key(uint32_t time, uint32_t key, uint32_t state);
    void Modifiers(uint32_t depressed, uint32_t latched, uint32_t locked, uint32_t group);
    void ReleaseKeyboard();

    wl_registry* m_registry = nullptr;
    wl_seat* m_seat = nullptr;
    wl_keyboard* m_keyboard = nullptr;
    std::unique_ptr<xkb_context, XkbFree> m_xkbContext;
    std::unique_ptr<xkb_keymap, XkbFree> m_keymap;
    std::unique_ptr<xkb_state, XkbFree> m_xkbState;
    uint32_t m_nativeModifiers = 0;
    WaylandKeyboardFocus m_focus;
};

} // namespace testola
