#include "row_name.h"
#include "xkb_key.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace testola::testing {
namespace {

// evdev key codes as XKB numbers them (8 above the kernel's).
constexpr xkb_keycode_t kTab = 23;
constexpr xkb_keycode_t kReturn = 36;
constexpr xkb_keycode_t kEscape = 9;
constexpr xkb_keycode_t kBackspace = 22;
constexpr xkb_keycode_t kSpace = 65;
constexpr xkb_keycode_t kFour = 13;
constexpr xkb_keycode_t kA = 38;
constexpr xkb_keycode_t kC = 54;
constexpr xkb_keycode_t kSlash = 61;
constexpr xkb_keycode_t kGrave = 49;
constexpr xkb_keycode_t kF5 = 71;
constexpr xkb_keycode_t kLeft = 113;
constexpr xkb_keycode_t kKeypadFour = 83;
constexpr xkb_keycode_t kKeypadDecimal = 91;
constexpr xkb_keycode_t kKeypadEnter = 104;
constexpr xkb_keycode_t kLeftShift = 50;
constexpr xkb_keycode_t kLeftControl = 37;
constexpr xkb_keycode_t kLeftSuper = 133;
constexpr xkb_keycode_t kNumLock = 77;
constexpr xkb_keycode_t kCapsLock = 66;

struct KeyRow : NamedRow {
    const char* layouts;
    // Held down while the key is read; NumLock and Caps Lock (which switches the layout here) are pressed once.
    std::vector<xkb_keycode_t> held;
    xkb_keycode_t key;
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
    for (const xkb_keycode_t held : row.held) {
        xkb_state_update_key(state.get(), held, XKB_KEY_DOWN);
        if (held == kNumLock || held == kCapsLock) {
            xkb_state_update_key(state.get(), held, XKB_KEY_UP);
        }
    }

    const XkbKey read = ReadXkbKey(state.get(), row.key);

    EXPECT_EQ(read.QtKey, row.qtKey) << std::hex << "0x" << read.QtKey;
    EXPECT_EQ(read.Modifiers, row.modifiers);
    EXPECT_EQ(read.Text, QString::fromUtf8(row.text));
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;

// clang-format off
INSTANTIATE_TEST_SUITE_P(, XkbKeys, ::testing::Values(
    KeyRow{{"Return"}, "us", {}, kReturn, Qt::Key_Return, kNone, "\r"},
    KeyRow{{"KeypadEnter"}, "us", {}, kKeypadEnter, Qt::Key_Enter, kNone, "\r"},
    KeyRow{{"Escape"}, "us", {}, kEscape, Qt::Key_Escape, kNone, "\x1b"},
    KeyRow{{"Tab"}, "us", {}, kTab, Qt::Key_Tab, kNone, "\t"},
    KeyRow{{"ShiftTabIsBacktab"}, "us", {kLeftShift}, kTab, Qt::Key_Backtab, Qt::ShiftModifier, ""},
    KeyRow{{"Backspace"}, "us", {}, kBackspace, Qt::Key_Backspace, kNone, "\b"},
    KeyRow{{"Space"}, "us", {}, kSpace, Qt::Key_Space, kNone, " "},
    KeyRow{{"Digit"}, "us", {}, kFour, Qt::Key_4, kNone, "4"},
    KeyRow{{"LetterInUpperCase"}, "us", {}, kA, Qt::Key_A, kNone, "a"},
    KeyRow{{"ShiftedLetter"}, "us", {kLeftShift}, kA, Qt::Key_A, Qt::ShiftModifier, "A"},
    KeyRow{{"FunctionKey"}, "us", {}, kF5, Qt::Key_F5, kNone, ""},
    KeyRow{{"Arrow"}, "us", {}, kLeft, Qt::Key_Left, kNone, ""},
    KeyRow{{"KeypadDigit"}, "us", {kNumLock}, kKeypadFour, Qt::Key_4, kNone, "4"},
    KeyRow{{"KeypadArrowWithoutNumLock"}, "us", {}, kKeypadFour, Qt::Key_Left, kNone, ""},
    KeyRow{{"KeypadDecimalPoint"}, "us", {kNumLock}, kKeypadDecimal, Qt::Key_Period, kNone, "."},
    KeyRow{{"KeypadDeleteWithoutNumLock"}, "us", {}, kKeypadDecimal, Qt::Key_Delete, kNone, ""},
    KeyRow{{"RussianKeypadDecimalComma"}, "ru", {kNumLock}, kKeypadDecimal, Qt::Key_Comma, kNone, ","},
    KeyRow{{"RussianLetterInUpperCase"}, "ru", {}, kA, 0x0424, kNone, "ф"},
    KeyRow{{"RussianPeriod"}, "ru", {}, kSlash, Qt::Key_Period, kNone, "."},
    KeyRow{{"ControlWithRussianNamesTheLatinKey"}, "us,ru", {kCapsLock, kLeftControl}, kC, Qt::Key_C, Qt::ControlModifier, "\x03"},
    KeyRow{{"RussianWithoutControl"}, "us,ru", {kCapsLock}, kC, 0x0421, kNone, "с"},
    KeyRow{{"DeadKey"}, "de", {}, kGrave, Qt::Key_Dead_Circumflex, kNone, ""},
    KeyRow{{"Shift"}, "us", {}, kLeftShift, Qt::Key_Shift, kNone, ""},
    KeyRow{{"Control"}, "us", {}, kLeftControl, Qt::Key_Control, kNone, ""},
    KeyRow{{"SuperIsItsOwnKeyAndMetaItsModifier"}, "us", {kLeftSuper}, kLeftSuper, Qt::Key_Super_L, Qt::MetaModifier, ""}
), RowName());
// clang-format on

} // namespace
} // namespace testola::testing
