#include "contrast.h"
#include "device_pixels.h"
#include "form1_layout.h"
#include "matrix_script.h"
#include "row_name.h"
#include "scripted_random.h"
#include "scripted_runtime.h"
#include "wide_text.h"
#include "win32_form1.h"
#include "win32_test_support.h"

#include <array>
#include <commctrl.h>
#include <vector>

namespace testola::testing {
namespace {

const ExampleMatrix kFive{{{3, 7, 1}, {10, 0, 5}, {2, 2, 9}}};

std::string TooltipShown(Win32Form1& form, std::string_view name) {
    wchar_t text[80] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = form.Window();
    tool.uId = reinterpret_cast<UINT_PTR>(form.ControlWindow(name));
    tool.lpszText = text;
    SendMessageW(form.Tooltips(), TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
    return ToUtf8(text);
}

// The tooltip control the window owns, if it has made one yet.
HWND TooltipsOwnedBy(HWND window) {
    HWND tooltips = nullptr;
    do {
        tooltips = FindWindowExW(nullptr, tooltips, TOOLTIPS_CLASSW, nullptr);
    } while (tooltips != nullptr && GetWindow(tooltips, GW_OWNER) != window);
    return tooltips;
}

// The real window at the screen's 96 dots per inch, over a scripted runtime and random source.
class Win32Form1Test : public ComTest {
protected:
    Win32Form1Test() {
        ShowWindow(m_form.Window(), SW_SHOW);
        SetForegroundWindow(m_form.Window());
        PumpMessages();
    }

    HWND Control(std::string_view name) const { return m_form.ControlWindow(name); }

    // A key as the message loop would receive it, at the control that has the focus.
    bool Key(WPARAM key) {
        const MSG message{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
        const bool taken = m_form.HandleKey(message);
        PumpMessages();
        return taken;
    }

    void Click(std::string_view name) {
        SendMessageW(Control(name), BM_CLICK, 0, 0);
        PumpMessages();
    }

    std::string TooltipShown(std::string_view name) { return testing::TooltipShown(m_form, name); }

    ScriptedRuntime m_runtime;
    ScriptedRandom m_random;
    Win32Form1 m_form{GetModuleHandleW(nullptr), m_runtime, m_random};
};

TEST_F(Win32Form1Test, IsABorderlessPopupOfTheDesignedSizeCentredOnTheScreen) {
    const LONG style = GetWindowLongW(m_form.Window(), GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_EQ(TextOf(m_form.Window()), "Testola");
    RECT window{};
    GetWindowRect(m_form.Window(), &window);
    const RECT designed = ToDeviceRect(Form1Client, DesignDotsPerInch);
    EXPECT_EQ(window.right - window.left, designed.right);
    EXPECT_EQ(window.bottom - window.top, designed.bottom);
    EXPECT_EQ(window.left, (GetSystemMetrics(SM_CXSCREEN) - designed.right) / 2);
    EXPECT_EQ(window.top, (GetSystemMetrics(SM_CYSCREEN) - designed.bottom) / 2);
}

class Win32ControlPlace : public Win32Form1Test, public ::testing::WithParamInterface<ControlLayout> {};

TEST_P(Win32ControlPlace, SitsAtItsTwipsInPixelsAt96DotsPerInch) {
    RECT place{};
    GetWindowRect(Control(GetParam().Name), &place);
    MapWindowPoints(nullptr, m_form.Window(), reinterpret_cast<POINT*>(&place), 2);
    const RECT expected = ToDeviceRect(GetParam().Box, DesignDotsPerInch);
    EXPECT_EQ(place.left, expected.left);
    EXPECT_EQ(place.top, expected.top);
    EXPECT_EQ(place.right, expected.right);
    EXPECT_EQ(place.bottom, expected.bottom);
}

INSTANTIATE_TEST_SUITE_P(Controls, Win32ControlPlace, ::testing::ValuesIn(Form1Controls),
                         [](const ::testing::TestParamInfo<ControlLayout>& row) {
                             return std::string(row.param.Name);
                         });

TEST_F(Win32Form1Test, StacksTheControlsAsTheTableListsThem) {
    std::vector<HWND> stacking;
    for (HWND child = GetWindow(m_form.Window(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        stacking.push_back(child);
    }
    const std::vector<HWND> expected{Control("Command6"), Control("Command5"), Control("Command4"), Control("Command3"),
                                     Control("Command2"), Control("Command1"), Control("Image1"),   Control("Label1")};
    EXPECT_EQ(stacking, expected);
}

TEST_F(Win32Form1Test, StartsWithTheTablesTextsStatesAndTheFocusOnTheExamButton) {
    EXPECT_EQ(GetFocus(), Control("Command4"));
    for (const ControlLayout& row : Form1Controls) {
        if (row.Kind == ControlKind::PushButton || row.Kind == ControlKind::Panel) {
            EXPECT_EQ(TextOf(Control(row.Name)), row.Caption) << row.Name;
            EXPECT_EQ(TooltipShown(row.Name), row.Tooltip) << row.Name;
            EXPECT_EQ(IsWindowEnabled(Control(row.Name)) != FALSE, row.Enabled) << row.Name;
        }
    }
    EXPECT_EQ(TextOf(Control(Label1)), LayoutOf(Label1).Caption);
}

struct FontRow : NamedRow {
    bool designFamily;
    LONG weight;
    LONG height;
};

class Win32ControlFont : public Win32Form1Test, public ::testing::WithParamInterface<FontRow> {};

TEST_P(Win32ControlFont, IsTheDesignedFontAtTheScreensDensity) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Control(GetParam().name), WM_GETFONT, 0, 0)), sizeof font, &font);
    LOGFONTW gui{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    if (GetParam().designFamily) {
        EXPECT_EQ(ToUtf8(font.lfFaceName), "MS Sans Serif");
        EXPECT_EQ(font.lfCharSet, 204);
    } else {
        EXPECT_EQ(std::wstring(font.lfFaceName), std::wstring(gui.lfFaceName)) << "the default GUI font";
    }
    EXPECT_EQ(font.lfWeight, GetParam().weight);
    EXPECT_EQ(font.lfHeight, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Controls, Win32ControlFont,
                         ::testing::Values(FontRow{{"Command1"}, true, FW_BOLD, -11},
                                           FontRow{{"Command2"}, true, FW_BOLD, -11},
                                           FontRow{{"Label1"}, true, FW_BOLD, -16},
                                           FontRow{{"Command4"}, false, FW_NORMAL, -11},
                                           FontRow{{"Command3"}, false, FW_NORMAL, -11}),
                         RowName{});

TEST_F(Win32Form1Test, TabFollowsTheTabOrderPassingOverDisabledButtons) {
    // Tab order 4, 6, 5, 2, 1; the answer and result buttons are disabled at start.
    EXPECT_TRUE(Key(VK_TAB));
    EXPECT_EQ(GetFocus(), Control("Command2"));
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), Control("Command1"));
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), Control("Command4"));

    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    Key(VK_TAB);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(GetFocus(), Control("Command1")) << "Shift+Tab goes back";
}

TEST_F(Win32Form1Test, EnterPressesTheFocusedButtonAndEscapeTheExitButton) {
    m_random.QueueRandoms(RandomsForMatrix(kFive));
    EXPECT_TRUE(Key(VK_RETURN));
    EXPECT_EQ(m_form.Behaviour().State().ExampleNumber, 1);
    EXPECT_TRUE(IsWindowEnabled(Control("Command6")));
    EXPECT_EQ(GetFocus(), Control("Command6")) << "the handler's target";

    SetFocus(Control("Command2"));
    Key(VK_RETURN);
    EXPECT_EQ(m_runtime.MinimiseCount, 1);
    EXPECT_EQ(m_runtime.EndCount, 0);

    EXPECT_TRUE(Key(VK_ESCAPE));
    EXPECT_EQ(m_runtime.EndCount, 1);
    EXPECT_FALSE(Key('A')) << "other keys go to the controls";
}

TEST_F(Win32Form1Test, AClickRunsTheHandlerAndShowsTheMatrixOnThePanel) {
    m_random.QueueRandoms(RandomsForMatrix(kFive));
    Click("Command4");
    EXPECT_EQ(TextOf(Control("Command3")), "\r\n 3 7 1\r\n 10 0 5\r\n 2 2 9");
    EXPECT_EQ(TextOf(Control("Command4")), "Следующий пример");
    EXPECT_EQ(TooltipShown("Command4"), "Следующий пример");
    EXPECT_FALSE(IsWindowEnabled(Control("Command4")));

    Click("Command5");
    EXPECT_TRUE(m_runtime.Messages.empty()) << "a disabled button is not pressed";
    SendMessageW(m_form.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(m_runtime.EndCount, 1) << "the desktop's close request ends the program";
}

TEST_F(Win32Form1Test, MakesItsTooltipsOnceDrawnWithTheTextsSetMeanwhile) {
    Win32Form1 form{GetModuleHandleW(nullptr), m_runtime, m_random};
    ShowWindow(form.Window(), SW_SHOW);
    UpdateWindow(form.Window());
    m_random.QueueRandoms(RandomsForMatrix(kFive));
    SendMessageW(form.ControlWindow("Command4"), BM_CLICK, 0, 0);
    EXPECT_EQ(TooltipsOwnedBy(form.Window()), nullptr) << "made before the window's first drawing";

    const ULONGLONG deadline = GetTickCount64() + 2000;
    while (TooltipsOwnedBy(form.Window()) == nullptr && GetTickCount64() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpMessages();
    }
    ASSERT_NE(TooltipsOwnedBy(form.Window()), nullptr) << "never made";
    EXPECT_EQ(testing::TooltipShown(form, "Command4"), "Следующий пример");
}

TEST_F(Win32Form1Test, TheStripAndItsIconMoveTheWindow) {
    RECT window{};
    GetWindowRect(m_form.Window(), &window);
    const auto hit = [&](int x, int y) {
        return SendMessageW(m_form.Window(), WM_NCHITTEST, 0, MAKELPARAM(window.left + x, window.top + y));
    };
    EXPECT_EQ(hit(100, 10), HTCAPTION) << "the strip";
    EXPECT_EQ(hit(12, 12), HTCAPTION) << "the icon";
    EXPECT_EQ(hit(2, 2), HTCLIENT) << "the window's edge, outside the strip";
    EXPECT_EQ(hit(100, 80), HTCLIENT) << "the panel";
}

TEST_F(Win32Form1Test, ScreenReadersHearTheSmallButtonsNamesAndTheExample) {
    if (!AccessibleAnnotationsWork()) {
        GTEST_SKIP() << "this system keeps no accessibility annotations (IAccPropServices)";
    }
    EXPECT_EQ(AccessibleName(Control("Command2")), "Свернуть");
    EXPECT_EQ(AccessibleName(Control("Command1")), "Выход");
    m_random.QueueRandoms(RandomsForMatrix(kFive));
    Click("Command4");
    EXPECT_EQ(AccessibleDescription(Control("Command6")),
              "Пример 1. Строка 1: 3, 7, 1. Строка 2: 10, 0, 5. Строка 3: 2, 2, 9.");
}

TEST_F(Win32Form1Test, FocusReturnsToTheHandlersTargetWhenTheWindowIsActivatedAgain) {
    m_random.QueueRandoms(RandomsForMatrix(kFive));
    Click("Command4");
    SetFocus(m_form.Window());
    PumpMessages();
    EXPECT_EQ(GetFocus(), Control("Command6"));
}

Rgb ToRgb(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// A control as it draws itself, printed into a bitmap whose pixels are read back.
class Printed {
public:
    explicit Printed(HWND control) {
        GetClientRect(control, &m_box);
        m_screen = GetDC(nullptr);
        m_memory = CreateCompatibleDC(m_screen);
        m_bitmap = CreateCompatibleBitmap(m_screen, m_box.right, m_box.bottom);
        m_previous = SelectObject(m_memory, m_bitmap);
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_memory), PRF_CLIENT | PRF_ERASEBKGND);
    }
    ~Printed() {
        SelectObject(m_memory, m_previous);
        DeleteObject(m_bitmap);
        DeleteDC(m_memory);
        ReleaseDC(nullptr, m_screen);
    }
    Printed(const Printed&) = delete;
    Printed& operator=(const Printed&) = delete;

    const RECT& Box() const { return m_box; }
    Rgb At(int x, int y) const { return ToRgb(GetPixel(m_memory, x, y)); }

private:
    RECT m_box{};
    HDC m_screen = nullptr;
    HDC m_memory = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
};

// What a control draws of itself, inside its edges, that stands farthest from the button face: its text.
COLORREF TextColourOf(HWND control) {
    const Printed printed(control);
    const Rgb face = ToRgb(GetSysColor(COLOR_BTNFACE));
    Rgb text = face;
    for (int y = 4; y < printed.Box().bottom - 4; ++y) {
        for (int x = 4; x < printed.Box().right - 4; ++x) {
            if (ContrastRatio(printed.At(x, y), face) > ContrastRatio(text, face)) {
                text = printed.At(x, y);
            }
        }
    }
    return RGB(text.Red, text.Green, text.Blue);
}

// Whether the desktop asks for high contrast, as a test tells the window: Wine never reports it on its own.
bool g_highContrast = false;

bool HighContrastAsTold() {
    return g_highContrast;
}

struct HighContrastTold {
    explicit HighContrastTold(bool on) { g_highContrast = on; }
};

// The system colours the window paints with, put back as they were when the test ends: SetSysColors changes them
// for every program of the desktop.
class SavedSystemColours {
public:
    SavedSystemColours() {
        for (std::size_t i = 0; i < kIndices.size(); ++i) {
            m_colours[i] = GetSysColor(kIndices[i]);
        }
    }
    ~SavedSystemColours() { SetSysColors(static_cast<int>(kIndices.size()), kIndices.data(), m_colours.data()); }
    SavedSystemColours(const SavedSystemColours&) = delete;
    SavedSystemColours& operator=(const SavedSystemColours&) = delete;

private:
    static constexpr std::array<int, 6> kIndices{COLOR_BTNFACE,       COLOR_BTNTEXT,         COLOR_GRAYTEXT,
                                                 COLOR_ACTIVECAPTION, COLOR_INACTIVECAPTION, COLOR_CAPTIONTEXT};
    std::array<COLORREF, kIndices.size()> m_colours{};
};

// The window showing an example, so that the panel holds the matrix and the result button is disabled, with high
// contrast as the test tells it.
class Win32ColourTest : public ComTest, private HighContrastTold {
protected:
    explicit Win32ColourTest(bool highContrast = false) : HighContrastTold(highContrast) {
        ShowWindow(m_form.Window(), SW_SHOW);
        m_random.QueueRandoms(RandomsForMatrix(kFive));
        SendMessageW(m_form.ControlWindow("Command4"), BM_CLICK, 0, 0);
        PumpMessages();
    }

    // Tells the window high contrast is on or off as the desktop would: with the one message.
    void SwitchHighContrast(bool on, UINT message) {
        g_highContrast = on;
        SendMessageW(m_form.Window(), message, message == WM_SETTINGCHANGE ? SPI_SETHIGHCONTRAST : 0, 0);
    }

    COLORREF Matrix() { return TextColourOf(m_form.ControlWindow("Command3")); }
    COLORREF DisabledCaption() { return TextColourOf(m_form.ControlWindow("Command5")); }

    SavedSystemColours m_savedColours;
    ScriptedRuntime m_runtime;
    ScriptedRandom m_random;
    Win32Form1 m_form{GetModuleHandleW(nullptr), m_runtime, m_random, HighContrastAsTold};
};

class Win32HighContrastTest : public Win32ColourTest {
protected:
    Win32HighContrastTest() : Win32ColourTest(true) {}
};

// Wine keeps a control's theme whatever SetWindowTheme asks, so only the colours are checked.
TEST_F(Win32HighContrastTest, PaintsTheMatrixAndDisabledCaptionsInSystemColours) {
    EXPECT_EQ(Matrix(), GetSysColor(COLOR_BTNTEXT)) << "the matrix";
    EXPECT_EQ(DisabledCaption(), GetSysColor(COLOR_GRAYTEXT)) << "a disabled button";
}

// The rule's colours for the desktop's present ones.
Rgb RuleMatrix() {
    return MatrixTextColour(ToRgb(GetSysColor(COLOR_GRAYTEXT)), ToRgb(GetSysColor(COLOR_BTNFACE)),
                            ToRgb(GetSysColor(COLOR_BTNTEXT)));
}
Rgb RuleDisabledCaption() {
    return DisabledCaptionColour(ToRgb(GetSysColor(COLOR_GRAYTEXT)), ToRgb(GetSysColor(COLOR_BTNFACE)),
                                 ToRgb(GetSysColor(COLOR_BTNTEXT)));
}

struct ChangeRow : NamedRow {
    UINT message;
};

// The desktop's button colours changed as a user's new scheme changes them, and the messages that brings handled.
void SetButtonScheme(COLORREF face, COLORREF text, COLORREF disabledText) {
    const std::array<int, 3> indices{COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_GRAYTEXT};
    const std::array<COLORREF, 3> colours{face, text, disabledText};
    SetSysColors(static_cast<int>(indices.size()), indices.data(), colours.data());
    PumpMessages();
}

// A light scheme whose disabled text stands at 3.5:1 on its face, short of 4.5:1 and of 7:1, so that the shared
// rule moves both the matrix and a disabled caption off the desktop's grey: only then do the two modes differ.
// Set here, since each Wine release has defaults of its own (Wine 10's grey already reads at 4.5:1).
void SetFaintGreyScheme() {
    SetButtonScheme(RGB(0xF0, 0xF0, 0xF0), RGB(0x00, 0x00, 0x00), RGB(0x80, 0x80, 0x80));
}

class Win32ColourChange : public Win32ColourTest, public ::testing::WithParamInterface<ChangeRow> {
protected:
    Win32ColourChange() { SetFaintGreyScheme(); }
};

// Each of the desktop's messages alone makes the window ask again, and repaint what it painted in the other mode.
TEST_P(Win32ColourChange, SwitchesToHighContrastAndBackWhileRunning) {
    ASSERT_LT(ContrastRatio(ToRgb(GetSysColor(COLOR_GRAYTEXT)), ToRgb(GetSysColor(COLOR_BTNFACE))), TextContrast)
        << "the scheme's grey must fall short of the rule for the modes to differ";
    ASSERT_NE(RuleMatrix(), ToRgb(GetSysColor(COLOR_BTNTEXT))) << "these colours cannot tell the modes apart";
    ASSERT_NE(RuleDisabledCaption(), ToRgb(GetSysColor(COLOR_GRAYTEXT)));
    for (const bool on : {true, false}) {
        SwitchHighContrast(on, GetParam().message);
        for (const char* name : {"Command3", "Command5"}) {
            EXPECT_NE(GetUpdateRect(m_form.ControlWindow(name), nullptr, FALSE), FALSE)
                << name << " is repainted, high contrast " << on;
        }
        PumpMessages();
        EXPECT_EQ(ToRgb(Matrix()), on ? ToRgb(GetSysColor(COLOR_BTNTEXT)) : RuleMatrix()) << on;
        EXPECT_EQ(ToRgb(DisabledCaption()), on ? ToRgb(GetSysColor(COLOR_GRAYTEXT)) : RuleDisabledCaption()) << on;
    }
}

INSTANTIATE_TEST_SUITE_P(Messages, Win32ColourChange,
                         ::testing::Values(ChangeRow{{"SysColorChange"}, WM_SYSCOLORCHANGE},
                                           ChangeRow{{"ThemeChanged"}, WM_THEMECHANGED},
                                           ChangeRow{{"SettingChange"}, WM_SETTINGCHANGE}),
                         RowName{});

// A dark scheme whose disabled text stands at 1.9:1 on its face: what the window drew for the start-up colours
// is far from readable on it.
void SetDarkScheme() {
    SetButtonScheme(RGB(0x20, 0x20, 0x30), RGB(0xFF, 0xFF, 0xFF), RGB(0x60, 0x60, 0x60));
}

TEST_F(Win32ColourTest, PaintsANewSchemeWhileRunningAtTheSharedRulesContrast) {
    SetDarkScheme();
    const Rgb face = ToRgb(GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ToRgb(Matrix()), RuleMatrix());
    EXPECT_GE(ContrastRatio(ToRgb(Matrix()), face), MatrixContrast);
    EXPECT_GE(ContrastRatio(ToRgb(DisabledCaption()), face), TextContrast);
}

TEST_F(Win32HighContrastTest, PaintsANewSchemeWhileRunningInItsOwnColours) {
    SetDarkScheme();
    EXPECT_EQ(Matrix(), RGB(0xFF, 0xFF, 0xFF));
    EXPECT_EQ(DisabledCaption(), RGB(0x60, 0x60, 0x60));
}

TEST_F(Win32Form1Test, DrawsTheMatrixAndDisabledCaptionsAtTheSharedRulesContrast) {
    m_random.QueueRandoms(RandomsForMatrix(kFive));
    Click("Command4");
    const COLORREF text = TextColourOf(Control("Command3"));
    const Rgb expected = MatrixTextColour(ToRgb(GetSysColor(COLOR_GRAYTEXT)), ToRgb(GetSysColor(COLOR_BTNFACE)),
                                          ToRgb(GetSysColor(COLOR_BTNTEXT)));
    EXPECT_EQ(ToRgb(text), expected);
    EXPECT_GE(ContrastRatio(ToRgb(text), ToRgb(GetSysColor(COLOR_BTNFACE))), MatrixContrast);
    const COLORREF disabled = TextColourOf(Control("Command5"));
    EXPECT_GE(ContrastRatio(ToRgb(disabled), ToRgb(GetSysColor(COLOR_BTNFACE))), TextContrast) << "a disabled caption";
}

struct EdgeRow : NamedRow {
    int surround; // the system colour the button sits on
};

class Win32ButtonEdge : public Win32Form1Test, public ::testing::WithParamInterface<EdgeRow> {};

// Wine's own buttons draw their edges at 2.0-2.8:1 against its face, and at 1.4:1 against the strip.
TEST_P(Win32ButtonEdge, StandsAtThreeToOneAgainstTheFaceAndWhatSurroundsIt) {
    const Printed printed(Control(GetParam().name));
    const Rgb face = ToRgb(GetSysColor(COLOR_BTNFACE));
    const Rgb surround = ToRgb(GetSysColor(GetParam().surround));
    const int middleX = printed.Box().right / 2;
    const int middleY = printed.Box().bottom / 2;
    for (const Rgb edge : {printed.At(0, middleY), printed.At(middleX, 0), printed.At(printed.Box().right - 1, middleY),
                           printed.At(middleX, printed.Box().bottom - 1)}) {
        EXPECT_GE(ContrastRatio(edge, face), EdgeContrast);
        EXPECT_GE(ContrastRatio(edge, surround), EdgeContrast);
    }
}

// The exam button has the focus, the result button is disabled, the minimise button sits on the strip.
INSTANTIATE_TEST_SUITE_P(Buttons, Win32ButtonEdge,
                         ::testing::Values(EdgeRow{{"Command4"}, COLOR_BTNFACE}, EdgeRow{{"Command5"}, COLOR_BTNFACE},
                                           EdgeRow{{"Command2"}, COLOR_ACTIVECAPTION}),
                         RowName{});

TEST_F(Win32Form1Test, RingsTheFocusedButtonJustInsideItsEdgeAtThreeToOne) {
    const Rgb face = ToRgb(GetSysColor(COLOR_BTNFACE));
    const auto ring = [this](std::string_view name) {
        const Printed printed(Control(name));
        return printed.At(1, printed.Box().bottom / 2);
    };
    EXPECT_GE(ContrastRatio(ring("Command4"), face), EdgeContrast);
    Key(VK_TAB);
    EXPECT_GE(ContrastRatio(ring("Command2"), face), EdgeContrast) << "the ring follows the focus";
    EXPECT_LT(ContrastRatio(ring("Command4"), face), EdgeContrast) << "and leaves the button it left";
}

} // namespace
} // namespace testola::testing
