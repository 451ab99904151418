#include "wayland_lost_keys.h"

#include "qt_runtime.h"

#include <QGuiApplication>
#include <algorithm>
#include <cstring>
#include <qpa/qplatformnativeinterface.h>
#include <qpa/qwindowsysteminterface.h>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>

namespace testola {

namespace {

// Every event the seat and keyboard send up to these versions has a listener below.
constexpr uint32_t kSeatVersion = 5;
// wl_seat.release and wl_keyboard.release came with these versions.
constexpr uint32_t kSeatReleaseVersion = 5;
constexpr uint32_t kKeyboardReleaseVersion = 3;
// Wayland's key codes are evdev's; XKB's are 8 more.
constexpr uint32_t kXkbKeycodeOffset = 8;

WaylandLostKeys& Watch(void* data) {
    return *static_cast<WaylandLostKeys*>(data);
}

wl_surface* SurfaceOf(QWindow* window) {
    if (window->handle() == nullptr) {
        return nullptr;
    }
    return static_cast<wl_surface*>(
        QGuiApplication::platformNativeInterface()->nativeResourceForWindow("surface", window));
}

QWindow* WindowWithSurface(wl_surface* surface) {
    const QWindowList windows = QGuiApplication::allWindows();
    const auto found = std::find_if(windows.begin(), windows.end(),
                                    [surface](QWindow* window) { return SurfaceOf(window) == surface; });
    return found != windows.end() ? *found : nullptr;
}

} // namespace

// Wayland's C listeners, each passing its event on to the watch.
struct WaylandListeners {
    static void Global(void* data, wl_registry* registry, uint32_t name, const char* interface, uint32_t version) {
        if (std::strcmp(interface, wl_seat_interface.name) == 0) {
            Watch(data).SeatAnnounced(registry, name, version);
        }
    }
    static void GlobalRemove(void*, wl_registry*, uint32_t) {}
    static void Capabilities(void* data, wl_seat*, uint32_t capabilities) {
        Watch(data).SeatCapabilities(capabilities);
    }
    static void SeatName(void*, wl_seat*, const char*) {}
    static void Keymap(void* data, wl_keyboard*, uint32_t format, int32_t fd, uint32_t size) {
        Watch(data).Keymap(format, fd, size);
    }
    static void Enter(void* data, wl_keyboard*, uint32_t, wl_surface* surface, wl_array*) {
        Watch(data).Enter(surface);
    }
    static void Leave(void* data, wl_keyboard*, uint32_t, wl_surface* surface) { Watch(data).Leave(surface); }
    static void Key(void* data, wl_keyboard*, uint32_t, uint32_t time, uint32_t key, uint32_t state) {
        Watch(data).Key(time, key, state);
    }
    static void Modifiers(void* data, wl_keyboard*, uint32_t, uint32_t depressed, uint32_t latched, uint32_t locked,
                          uint32_t group) {
        Watch(data).Modifiers(depressed, latched, locked, group);
    }
    static void RepeatInfo(void*, wl_keyboard*, int32_t, int32_t) {}

    static constexpr wl_registry_listener Registry{Global, GlobalRemove};
    static constexpr wl_seat_listener Seat{Capabilities, SeatName};
    static constexpr wl_keyboard_listener Keyboard{Keymap, Enter, Leave, Key, Modifiers, RepeatInfo};
};

WaylandLostKeys::WaylandLostKeys() {
    if (!IsWaylandClient()) {
        return;
    }
    auto* display = static_cast<wl_display*>(
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("wl_display"));
    if (display == nullptr) {
        return;
    }
    // On the display's default queue, as Qt's own seat is: Qt's keyboard and this one hear each key one right
    // after the other, both from the event loop's thread, before Qt delivers the first.
    m_registry = wl_display_get_registry(display);
    wl_registry_add_listener(m_registry, &WaylandListeners::Registry, this);
    wl_display_flush(display);
}

WaylandLostKeys::~WaylandLostKeys() {
    ReleaseKeyboard();
    if (m_seat != nullptr) {
        if (wl_seat_get_version(m_seat) >= kSeatReleaseVersion) {
            wl_seat_release(m_seat);
        } else {
            wl_seat_destroy(m_seat);
        }
    }
    if (m_registry != nullptr) {
        wl_registry_destroy(m_registry);
    }
}

void WaylandLostKeys::SeatAnnounced(wl_registry* registry, uint32_t name, uint32_t version) {
    // Qt takes the first seat for its keyboard, and so does this watch.
    if (m_seat != nullptr) {
        return;
    }
    m_seat =
        static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, std::min(version, kSeatVersion)));
    wl_seat_add_listener(m_seat, &WaylandListeners::Seat, this);
}

void WaylandLostKeys::SeatCapabilities(uint32_t capabilities) {
    const bool hasKeyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
    if (hasKeyboard && m_keyboard == nullptr) {
        m_keyboard = wl_seat_get_keyboard(m_seat);
        wl_keyboard_add_listener(m_keyboard, &WaylandListeners::Keyboard, this);
    } else if (!hasKeyboard) {
        ReleaseKeyboard();
    }
}

void WaylandLostKeys::ReleaseKeyboard() {
    if (m_keyboard == nullptr) {
        return;
    }
    if (wl_keyboard_get_version(m_keyboard) >= kKeyboardReleaseVersion) {
        wl_keyboard_release(m_keyboard);
    } else {
        wl_keyboard_destroy(m_keyboard);
    }
    m_keyboard = nullptr;
    m_focus.Reset();
}

void WaylandLostKeys::Keymap(uint32_t format, int fd, uint32_t size) {
    m_xkbState.reset();
    m_keymap.reset();
    if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1) {
        void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
        if (text != MAP_FAILED) {
            if (m_xkbContext == nullptr) {
                m_xkbContext.reset(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
            }
            if (m_xkbContext != nullptr) {
                m_keymap.reset(xkb_keymap_new_from_string(m_xkbContext.get(), static_cast<const char*>(text),
                                                          XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS));
            }
            munmap(text, size);
        }
    }
    close(fd);
    if (m_keymap != nullptr) {
        m_xkbState.reset(xkb_state_new(m_keymap.get()));
    }
}

void WaylandLostKeys::Enter(wl_surface* surface) {
    if (surface == nullptr) {
        m_focus.EnterGone();
    } else {
        m_focus.Enter(WindowWithSurface(surface));
    }
}

void WaylandLostKeys::Leave(wl_surface* surface) {
    m_focus.Leave(surface != nullptr ? WindowWithSurface(surface) : nullptr);
}

void WaylandLostKeys::Key(uint32_t time, uint32_t key, uint32_t state) {
    QWindow* box = m_focus.LostKeysBox();
    if (box == nullptr || m_xkbState == nullptr) {
        return;
    }
    const xkb_keycode_t code = key + kXkbKeycodeOffset;
    const XkbKey read = ReadXkbKey(m_xkbState.get(), code);
    const QEvent::Type type = state == WL_KEYBOARD_KEY_STATE_RELEASED ? QEvent::KeyRelease : QEvent::KeyPress;
    QWindowSystemInterface::handleExtendedKeyEvent(box, time, type, read.QtKey, read.Modifiers, code, read.Symbol,
                                                   m_nativeModifiers, read.Text);
}

void WaylandLostKeys::Modifiers(uint32_t depressed, uint32_t latched, uint32_t locked, uint32_t group) {
    if (m_xkbState != nullptr) {
        xkb_state_update_mask(m_xkbState.get(), depressed, latched, locked, 0, 0, group);
    }
    m_nativeModifiers = depressed | latched | locked;
}

} // namespace testola
