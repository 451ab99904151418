#include "xkb_key.h"

#include <QList>
#include <algorithm>
#include <array>
#include <utility>

namespace testola {

namespace {

// The keys that type no text, or whose text is not their name, by symbol. Super and Hyper stay keys of their own
// (not Meta), so that no Qt release's default decides it.
// clang-format off
constexpr std::array<std::pair<xkb_keysym_t, Qt::Key>, 63> kNamedKeys{{
    {XKB_KEY_ISO_Level3_Shift, Qt::Key_AltGr}, {XKB_KEY_ISO_Left_Tab, Qt::Key_Backtab},
    {XKB_KEY_BackSpace, Qt::Key_Backspace}, {XKB_KEY_Tab, Qt::Key_Tab}, {XKB_KEY_Clear, Qt::Key_Clear},
    {XKB_KEY_Return, Qt::Key_Return}, {XKB_KEY_Pause, Qt::Key_Pause}, {XKB_KEY_Scroll_Lock, Qt::Key_ScrollLock},
    {XKB_KEY_Sys_Req, Qt::Key_SysReq}, {XKB_KEY_Escape, Qt::Key_Escape}, {XKB_KEY_Home, Qt::Key_Home},
    {XKB_KEY_Left, Qt::Key_Left}, {XKB_KEY_Up, Qt::Key_Up}, {XKB_KEY_Right, Qt::Key_Right},
    {XKB_KEY_Down, Qt::Key_Down}, {XKB_KEY_Prior, Qt::Key_PageUp}, {XKB_KEY_Next, Qt::Key_PageDown},
    {XKB_KEY_End, Qt::Key_End}, {XKB_KEY_Print, Qt::Key_Print}, {XKB_KEY_Insert, Qt::Key_Insert},
    {XKB_KEY_Menu, Qt::Key_Menu}, {XKB_KEY_Undo, Qt::Key_Undo}, {XKB_KEY_Redo, Qt::Key_Redo},
    {XKB_KEY_Find, Qt::Key_Find}, {XKB_KEY_Cancel, Qt::Key_Cancel}, {XKB_KEY_Help, Qt::Key_Help},
    {XKB_KEY_Mode_switch, Qt::Key_Mode_switch}, {XKB_KEY_Num_Lock, Qt::Key_NumLock}, {XKB_KEY_KP_Space, Qt::Key_Space},
    {XKB_KEY_KP_Tab, Qt::Key_Tab}, {XKB_KEY_KP_Enter, Qt::Key_Enter}, {XKB_KEY_KP_Home, Qt::Key_Home},
    {XKB_KEY_KP_Left, Qt::Key_Left}, {XKB_KEY_KP_Up, Qt::Key_Up}, {XKB_KEY_KP_Right, Qt::Key_Right},
    {XKB_KEY_KP_Down, Qt::Key_Down}, {XKB_KEY_KP_Prior, Qt::Key_PageUp}, {XKB_KEY_KP_Next, Qt::Key_PageDown},
    {XKB_KEY_KP_End, Qt::Key_End}, {XKB_KEY_KP_Begin, Qt::Key_Clear}, {XKB_KEY_KP_Insert, Qt::Key_Insert},
    {XKB_KEY_KP_Delete, Qt::Key_Delete}, {XKB_KEY_KP_Equal, Qt::Key_Equal}, {XKB_KEY_KP_Multiply, Qt::Key_Asterisk},
    {XKB_KEY_KP_Add, Qt::Key_Plus}, {XKB_KEY_KP_Separator, Qt::Key_Comma}, {XKB_KEY_KP_Subtract, Qt::Key_Minus},
    {XKB_KEY_KP_Decimal, Qt::Key_Period}, {XKB_KEY_KP_Divide, Qt::Key_Slash}, {XKB_KEY_Shift_L, Qt::Key_Shift},
    {XKB_KEY_Shift_R, Qt::Key_Shift}, {XKB_KEY_Control_L, Qt::Key_Control}, {XKB_KEY_Control_R, Qt::Key_Control},
    {XKB_KEY_Caps_Lock, Qt::Key_CapsLock}, {XKB_KEY_Meta_L, Qt::Key_Meta}, {XKB_KEY_Meta_R, Qt::Key_Meta},
    {XKB_KEY_Delete, Qt::Key_Delete}, {XKB_KEY_Alt_L, Qt::Key_Alt}, {XKB_KEY_Alt_R, Qt::Key_Alt},
    {XKB_KEY_Super_L, Qt::Key_Super_L}, {XKB_KEY_Super_R, Qt::Key_Super_R}, {XKB_KEY_Hyper_L, Qt::Key_Hyper_L},
    {XKB_KEY_Hyper_R, Qt::Key_Hyper_R},
}};
// clang-format on

QString TextOf(xkb_state* state, xkb_keycode_t code) {
    char text[64];
    const int size = xkb_state_key_get_utf8(state, code, text, sizeof text);
    return QString::fromUtf8(text, std::min(size, static_cast<int>(sizeof text) - 1));
}

// Runs of symbols whose Qt codes run alongside them: the function keys, the keypad's digits, the dead keys and
// the Japanese and Korean input keys.
struct SymbolRun {
    xkb_keysym_t First;
    xkb_keysym_t Last;
    int FirstKey;
};
constexpr std::array<SymbolRun, 6> kSymbolRuns{{
    {XKB_KEY_F1, XKB_KEY_F35, Qt::Key_F1},
    {XKB_KEY_KP_0, XKB_KEY_KP_9, Qt::Key_0},
    {XKB_KEY_dead_grave, XKB_KEY_dead_currency, Qt::Key_Dead_Grave},
    {XKB_KEY_dead_a, XKB_KEY_dead_greek, Qt::Key_Dead_a},
    {XKB_KEY_dead_lowline, XKB_KEY_dead_longsolidusoverlay, Qt::Key_Dead_Lowline},
    {XKB_KEY_Kanji, XKB_KEY_Hangul_Special, Qt::Key_Kanji},
}};

int QtKeyOf(xkb_keysym_t symbol, const QString& text) {
    for (const SymbolRun& run : kSymbolRuns) {
        if (symbol >= run.First && symbol <= run.Last) {
            return run.FirstKey + static_cast<int>(symbol - run.First);
        }
    }
    // Qt's codes for Latin-1 are the symbols' own, in upper case where it has one in Latin-1.
    if (symbol < 0x100) {
        const xkb_keysym_t upper = xkb_keysym_to_upper(symbol);
        return static_cast<int>(upper < 0x100 ? upper : symbol);
    }
    const auto named =
        std::find_if(kNamedKeys.begin(), kNamedKeys.end(), [symbol](const auto& row) { return row.first == symbol; });
    if (named != kNamedKeys.end()) {
        return named->second;
    }
    // Any other key by the character it types: a digit of any script as the digit, a letter in upper case.
    if (text.isEmpty()) {
        return 0;
    }
    if (text.front().isDigit()) {
        return Qt::Key_0 + text.front().digitValue();
    }
    return static_cast<int>(text.toUpper().toUcs4().front());
}

Qt::KeyboardModifiers ModifiersOf(xkb_state* state) {
    Qt::KeyboardModifiers modifiers;
    for (const auto& [name, modifier] :
         {std::pair{XKB_MOD_NAME_CTRL, Qt::ControlModifier}, std::pair{XKB_MOD_NAME_ALT, Qt::AltModifier},
          std::pair{XKB_MOD_NAME_SHIFT, Qt::ShiftModifier}, std::pair{XKB_MOD_NAME_LOGO, Qt::MetaModifier}}) {
        if (xkb_state_mod_name_is_active(state, name, XKB_STATE_MODS_EFFECTIVE) > 0) {
            modifiers |= modifier;
        }
    }
    return modifiers;
}

// The key's symbol at the same level in the first other layout that gives it a Latin-1 one.
xkb_keysym_t LatinSymbolOf(xkb_state* state, xkb_keycode_t code) {
    xkb_keymap* keymap = xkb_state_get_keymap(state);
    const xkb_layout_index_t current = xkb_state_key_get_layout(state, code);
    const xkb_level_index_t level = xkb_state_key_get_level(state, code, current);
    for (xkb_layout_index_t layout = 0; layout < xkb_keymap_num_layouts_for_key(keymap, code); ++layout) {
        const xkb_keysym_t* symbols = nullptr;
        if (layout != current && xkb_keymap_key_get_syms_by_level(keymap, code, layout, level, &symbols) == 1 &&
            symbols[0] < 0x100) {
            return symbols[0];
        }
    }
    return XKB_KEY_NoSymbol;
}

} // namespace

XkbKey ReadXkbKey(xkb_state* state, xkb_keycode_t code) {
    const xkb_keysym_t symbol = xkb_state_key_get_one_sym(state, code);
    const QString text = TextOf(state, code);
    const Qt::KeyboardModifiers modifiers = ModifiersOf(state);
    // With Control a key is named by its Latin symbol where it has one, so that a shortcut is the same whichever
    // layout is chosen.
    const xkb_keysym_t named =
        modifiers.testFlag(Qt::ControlModifier) && symbol >= 0x100 ? LatinSymbolOf(state, code) : XKB_KEY_NoSymbol;
    return {symbol, QtKeyOf(named != XKB_KEY_NoSymbol ? named : symbol, text), modifiers, text};
}

} // namespace testola
