#include "row_name.h"
#include "xkb_key.h"

#include <gtest/gtest.h>
#include <memory>
#include <string_view>
#include <vector>

namespace testola::testing {
namespace {

struct KeyRow : NamedRow {
    const char* layouts;
    // Keys by their XKB names. Those held down while the key is read; NumLock and Caps Lock (which switches the
    // layout here) are pressed once.
    std::vector<const char*> held;
    const char* key;
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    const char* text;
};

class XkbKeys : public ::testing::TestWithParam<KeyRow> {};

TEST_P(XkbKeys, AreTheKeysQtsOwnKeyboardReports) {
    const KeyRow& row = GetParam();
    const std::unique_ptr<xkb_context, XkbFree> context(xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    const xkb_rule_names names{"evdev", "pc105", row.layouts, "", "grp:caps_toggle"};
    const std::unique_ptr<xkb_keymap, XkbFree> keymap(
        xkb_keymap_new_from_names(context.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
    ASSERT_NE(keymap, nullptr) << "no XKB keymap for " << row.layouts;
    const std::unique_ptr<xkb_state, XkbFree> state(xkb_state_new(keymap.get()));
    for (const std::string_view held : row.held) {
        const xkb_keycode_t code = xkb_keymap_key_by_name(keymap.get(), held.data());
        xkb_state_update_key(state.get(), code, XKB_KEY_DOWN);
        if (held == "NMLK" || held == "CAPS") {
            xkb_state_update_key(state.get(), code, XKB_KEY_UP);
        }
    }

    const XkbKey read = ReadXkbKey(state.get(), xkb_keymap_key_by_name(keymap.get(), row.key));

    EXPECT_EQ(read.QtKey, row.qtKey) << std::hex << "0x" << read.QtKey;
    EXPECT_EQ(read.Modifiers, row.modifiers);
    EXPECT_EQ(read.Text, QString::fromUtf8(row.text));
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;

// clang-format off
INSTANTIATE_TEST_SUITE_P(, XkbKeys, ::testing::Values(
    KeyRow{{"Return"}, "us", {}, "RTRN", Qt::Key_Return, kNone, "\r"},
    KeyRow{{"KeypadEnter"}, "us", {}, "KPEN", Qt::Key_Enter, kNone, "\r"},
    KeyRow{{"Escape"}, "us", {}, "ESC", Qt::Key_Escape, kNone, "\x1b"},
    KeyRow{{"Tab"}, "us", {}, "TAB", Qt::Key_Tab, kNone, "\t"},
    KeyRow{{"ShiftTabIsBacktab"}, "us", {"LFSH"}, "TAB", Qt::Key_Backtab, Qt::ShiftModifier, ""},
    KeyRow{{"Backspace"}, "us", {}, "BKSP", Qt::Key_Backspace, kNone, "\b"},
    KeyRow{{"Space"}, "us", {}, "SPCE", Qt::Key_Space, kNone, " "},
    KeyRow{{"Digit"}, "us", {}, "AE04", Qt::Key_4, kNone, "4"},
    KeyRow{{"LetterInUpperCase"}, "us", {}, "AC01", Qt::Key_A, kNone, "a"},
    KeyRow{{"ShiftedLetter"}, "us", {"LFSH"}, "AC01", Qt::Key_A, Qt::ShiftModifier, "A"},
    KeyRow{{"FunctionKey"}, "us", {}, "FK05", Qt::Key_F5, kNone, ""},
    KeyRow{{"Arrow"}, "us", {}, "LEFT", Qt::Key_Left, kNone, ""},
    KeyRow{{"KeypadDigit"}, "us", {"NMLK"}, "KP4", Qt::Key_4, kNone, "4"},
    KeyRow{{"KeypadArrowWithoutNumLock"}, "us", {}, "KP4", Qt::Key_Left, kNone, ""},
    KeyRow{{"KeypadDecimalPoint"}, "us", {"NMLK"}, "KPDL", Qt::Key_Period, kNone, "."},
    KeyRow{{"KeypadDeleteWithoutNumLock"}, "us", {}, "KPDL", Qt::Key_Delete, kNone, ""},
    KeyRow{{"RussianKeypadDecimalComma"}, "ru", {"NMLK"}, "KPDL", Qt::Key_Comma, kNone, ","},
    KeyRow{{"RussianLetterInUpperCase"}, "ru", {}, "AC01", 0x0424, kNone, "ф"},
    KeyRow{{"RussianPeriod"}, "ru", {}, "AB10", Qt::Key_Period, kNone, "."},
    KeyRow{{"ControlWithRussianNamesTheLatinKey"}, "us,ru", {"CAPS", "LCTL"}, "AB03", Qt::Key_C, Qt::ControlModifier, "\x03"},
    KeyRow{{"RussianWithoutControl"}, "us,ru", {"CAPS"}, "AB03", 0x0421, kNone, "с"},
    KeyRow{{"DeadKey"}, "de", {}, "TLDE", Qt::Key_Dead_Circumflex, kNone, ""},
    KeyRow{{"Shift"}, "us", {}, "LFSH", Qt::Key_Shift, kNone, ""},
    KeyRow{{"Control"}, "us", {}, "LCTL", Qt::Key_Control, kNone, ""},
    KeyRow{{"SuperIsItsOwnKeyAndMetaItsModifier"}, "us", {"LWIN"}, "LWIN", Qt::Key_Super_L, Qt::MetaModifier, ""}
), RowName());
// clang-format on

} // namespace
} // namespace testola::testing
