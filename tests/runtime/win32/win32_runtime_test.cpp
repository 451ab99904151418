#include "input_box.h"
#include "message_box.h"
#include "row_name.h"
#include "wide_text.h"
#include "win32_runtime.h"
#include "win32_test_support.h"

#include <vector>

namespace testola::testing {
namespace {

const InputBoxParts kParts{{"3 7 1", "10 0 5", "2 2 9"}, "Пример 1. Строка 1: 3, 7, 1.", "Дробную часть после точки"};

// The program's runtime over a plain window of its own, which owns the dialogs.
class Win32RuntimeTest : public ComTest {
protected:
    Win32RuntimeTest() {
        m_window = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                   nullptr, nullptr, nullptr);
        m_runtime.SetWindow(m_window);
    }
    ~Win32RuntimeTest() override { DestroyWindow(m_window); }

    // The WM_QUIT already posted, with its status; -1 when there is none.
    static int PostedQuitStatus() {
        MSG message{};
        return PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) ? static_cast<int>(message.wParam) : -1;
    }

    HWND m_window = nullptr;
    Win32Runtime m_runtime{"Testola"};
};

TEST(WideText, CarriesCyrillicAndLineBreaksBothWays) {
    EXPECT_EQ(ToWide("Ввод"), std::wstring({0x0412, 0x0432, 0x043E, 0x0434}));
    EXPECT_EQ(ToWide("\r\n 3"), L"\r\n 3");
    EXPECT_EQ(ToUtf8(L"\x041E\x041A"), "ОК");
    EXPECT_EQ(ToUtf8(ToWide("Отмена\r\n4.5")), "Отмена\r\n4.5");
    EXPECT_EQ(ToWide(""), L"");
}

TEST_F(Win32RuntimeTest, AnswerBoxShowsItsPartsInOrderWithTheDefaultSelected) {
    WhenDialogOpens([this](HWND box) {
        EXPECT_EQ(TextOf(box), "Ввод ответа");
        EXPECT_EQ(GetWindow(box, GW_OWNER), m_window);
        const std::vector<std::pair<int, std::string>> expected{{FirstLineId, "3 7 1"},
                                                                {FirstLineId + 1, "10 0 5"},
                                                                {FirstLineId + 2, "2 2 9"},
                                                                {PromptId, "Введите ответ"},
                                                                {FieldId, "0"},
                                                                {HintId, "Дробную часть после точки"},
                                                                {IDOK, "ОК"},
                                                                {IDCANCEL, "Отмена"}};
        LONG previousTop = -1;
        for (const auto& [id, text] : expected) {
            HWND control = GetDlgItem(box, id);
            ASSERT_NE(control, nullptr) << id;
            EXPECT_EQ(TextOf(control), text) << id;
            RECT place{};
            GetWindowRect(control, &place);
            // Each part sits below the one before; the two buttons share a row.
            if (id == IDCANCEL) {
                EXPECT_EQ(place.top, previousTop);
            } else {
                EXPECT_GT(place.top, previousTop) << id;
            }
            previousTop = place.top;
        }
        EXPECT_EQ(GetDlgItem(box, FirstLineId + 3), nullptr);
        HWND field = GetDlgItem(box, FieldId);
        EXPECT_EQ(GetFocus(), field);
        DWORD start = 9, end = 9;
        SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 1u);
        PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    });
    m_runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0", kParts);
}

TEST_F(Win32RuntimeTest, AnswerBoxWithoutLinesOrHintShowsNeither) {
    WhenDialogOpens([](HWND box) {
        EXPECT_EQ(GetDlgItem(box, FirstLineId), nullptr);
        EXPECT_EQ(GetDlgItem(box, HintId), nullptr);
        EXPECT_NE(GetDlgItem(box, FieldId), nullptr);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(m_runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0", {}), "0");
}

struct CloseRow : NamedRow {
    const char* typed;
    UINT message;
    WPARAM command;
    const char* expected;
};

class AnswerBoxClose : public Win32RuntimeTest, public ::testing::WithParamInterface<CloseRow> {};

TEST_P(AnswerBoxClose, ReturnsTheTypedTextOnlyWhenConfirmed) {
    WhenDialogOpens([](HWND box) {
        SetDlgItemTextW(box, FieldId, ToWide(GetParam().typed).c_str());
        PostMessageW(box, GetParam().message, GetParam().command, 0);
    });
    EXPECT_EQ(m_runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0", kParts), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Closes, AnswerBoxClose,
                         ::testing::Values(CloseRow{{"Ok"}, "4.5", WM_COMMAND, IDOK, "4.5"},
                                           CloseRow{{"OkCyrillic"}, "четыре", WM_COMMAND, IDOK, "четыре"},
                                           CloseRow{{"OkEmpty"}, "", WM_COMMAND, IDOK, ""},
                                           CloseRow{{"Cancel"}, "7", WM_COMMAND, IDCANCEL, ""},
                                           CloseRow{{"CloseBox"}, "7", WM_CLOSE, 0, ""}),
                         RowName{});

struct FieldKeyRow : NamedRow {
    WPARAM key;
    wchar_t typed; // the layout's character for the key, none for a key that types nothing
    const char* expected;
};

class AnswerFieldKey : public Win32RuntimeTest, public ::testing::WithParamInterface<FieldKeyRow> {};

TEST_P(AnswerFieldKey, TypesThePointForTheKeypadsDecimalKeyOnly) {
    std::string text;
    WhenDialogOpens([&text](HWND box) {
        HWND field = GetDlgItem(box, FieldId);
        SetWindowTextW(field, L"45");
        SendMessageW(field, EM_SETSEL, 1, 1);
        SendMessageW(field, WM_KEYDOWN, GetParam().key, 1);
        if (GetParam().typed != 0) {
            SendMessageW(field, WM_CHAR, GetParam().typed, 1);
        }
        text = TextOf(field);
        PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    });
    m_runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0", kParts);
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Keys, AnswerFieldKey,
                         ::testing::Values(FieldKeyRow{{"KeypadDecimalRussianLayout"}, VK_DECIMAL, L',', "4.5"},
                                           FieldKeyRow{{"KeypadDecimalUsLayout"}, VK_DECIMAL, L'.', "4.5"},
                                           FieldKeyRow{{"MainKeyboardComma"}, VK_OEM_COMMA, L',', "4,5"},
                                           FieldKeyRow{{"KeypadDeleteWithNumLockOff"}, VK_DELETE, 0, "4"}),
                         RowName{});

TEST_F(Win32RuntimeTest, AnswerFieldCarriesItsDescriptionForScreenReaders) {
    if (!AccessibleAnnotationsWork()) {
        GTEST_SKIP() << "this system keeps no accessibility annotations (IAccPropServices)";
    }
    std::string description;
    WhenDialogOpens([&description](HWND box) {
        description = AccessibleDescription(GetDlgItem(box, FieldId));
        PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    });
    m_runtime.ShowInputBox("Введите ответ", "Ввод ответа", "0", kParts);
    EXPECT_EQ(description, kParts.FieldDescription);
}

// Whether the message box shows an icon: a visible static with an icon in it.
bool ShowsIcon(HWND box) {
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child) &&
            SendMessageW(child, STM_GETICON, 0, 0) != 0) {
            return true;
        }
    }
    return false;
}

struct MessageRow : NamedRow {
    MessageStyle style;
    bool icon;
};

class MessageBoxStyle : public Win32RuntimeTest, public ::testing::WithParamInterface<MessageRow> {};

TEST_P(MessageBoxStyle, ShowsTitleTextAndTheStopIconOnlyForStyle16) {
    WhenDialogOpens([this](HWND box) {
        EXPECT_EQ(TextOf(box), "Тестирование не пройдено");
        EXPECT_EQ(GetWindow(box, GW_OWNER), m_window);
        EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), "Вам отказано\r\n\r\nНабрано баллов: 6");
        EXPECT_EQ(ShowsIcon(box), GetParam().icon);
        EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr) << "one OK button only";
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    m_runtime.ShowMessageBox("Вам отказано\r\n\r\nНабрано баллов: 6", GetParam().style, "Тестирование не пройдено");
}

INSTANTIATE_TEST_SUITE_P(Styles, MessageBoxStyle,
                         ::testing::Values(MessageRow{{"Plain"}, MessageStyle::Plain, false},
                                           MessageRow{{"Stop"}, MessageStyle::Stop, true}),
                         RowName{});

// A control's place in its box's client area.
RECT PlaceIn(HWND box, HWND control) {
    RECT place{};
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

TEST_F(Win32RuntimeTest, MessageBoxLaysTheIconBesideTheWholeTextAndCentresOkBelowBoth) {
    WhenDialogOpens([](HWND box) {
        const RECT icon = PlaceIn(box, GetDlgItem(box, MessageIconId));
        const RECT text = PlaceIn(box, GetDlgItem(box, MessageTextId));
        const RECT ok = PlaceIn(box, GetDlgItem(box, IDOK));
        RECT client{};
        GetClientRect(box, &client);
        EXPECT_EQ(icon.right - icon.left, GetSystemMetrics(SM_CXICON));
        EXPECT_LT(icon.right, text.left);
        EXPECT_GT(ok.top, std::max(icon.bottom, text.bottom));
        EXPECT_LE(std::abs(ok.left - (client.right - ok.right)), 1) << "OK is centred";
        EXPECT_LT(ok.bottom, client.bottom);
        // The text's three lines, the empty one included, all show.
        TEXTMETRICW metrics{};
        HDC context = GetDC(box);
        HGDIOBJ previous =
            SelectObject(context, reinterpret_cast<HFONT>(SendDlgItemMessageW(box, MessageTextId, WM_GETFONT, 0, 0)));
        GetTextMetricsW(context, &metrics);
        SelectObject(context, previous);
        ReleaseDC(box, context);
        EXPECT_GE(text.bottom - text.top, 3 * metrics.tmHeight);
        EXPECT_EQ(GetFocus(), GetDlgItem(box, IDOK)) << "Return closes it";
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    m_runtime.ShowMessageBox("Вам отказано\r\n\r\nНабрано баллов: 6", MessageStyle::Stop, "Тестирование не пройдено");
}

class MessageBoxClose : public Win32RuntimeTest, public ::testing::WithParamInterface<CloseRow> {};

// A box that stayed open would keep the test waiting in it until the test's time runs out.
TEST_P(MessageBoxClose, ClosesAsOnOk) {
    HWND opened = nullptr;
    WhenDialogOpens([&opened](HWND box) {
        opened = box;
        PostMessageW(box, GetParam().message, GetParam().command, 0);
    });
    m_runtime.ShowMessageBox("Вам отказано", MessageStyle::Plain, "Тестирование не пройдено");
    EXPECT_NE(opened, nullptr);
    EXPECT_FALSE(IsWindow(opened)) << "the box is gone";
}

INSTANTIATE_TEST_SUITE_P(Closes, MessageBoxClose,
                         ::testing::Values(CloseRow{{"Ok"}, "", WM_COMMAND, IDOK, ""},
                                           CloseRow{{"Escape"}, "", WM_COMMAND, IDCANCEL, ""},
                                           CloseRow{{"CloseBox"}, "", WM_CLOSE, 0, ""}),
                         RowName{});

TEST_F(Win32RuntimeTest, EndProgramHidesTheWindowAndEndsWithStatusZero) {
    m_runtime.EndProgram();
    EXPECT_FALSE(IsWindowVisible(m_window));
    EXPECT_EQ(PostedQuitStatus(), 0);
}

TEST_F(Win32RuntimeTest, RunTimeErrorIsReportedUnderTheProgramsNameThenEndsWithStatusOne) {
    WhenDialogOpens([](HWND box) {
        EXPECT_EQ(TextOf(box), "Testola");
        EXPECT_EQ(TextOf(GetDlgItem(box, 0xFFFF)), "Ошибка выполнения: переполнение.");
        EXPECT_TRUE(ShowsIcon(box));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    m_runtime.ReportRunTimeError("Ошибка выполнения: переполнение.");
    EXPECT_EQ(PostedQuitStatus(), 1);
}

TEST_F(Win32RuntimeTest, MinimiseWindowMinimisesTheWindow) {
    m_runtime.MinimiseWindow();
    EXPECT_TRUE(IsIconic(m_window));
    EXPECT_EQ(PostedQuitStatus(), -1) << "minimising does not end the program";
}

} // namespace
} // namespace testola::testing
