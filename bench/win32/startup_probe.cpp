// The program's window, built as the program's entry builds it, up to its first drawing.
#include "drawn.h"
#include "form1_texts.h"
#include "random_sequence.h"
#include "win32_form1.h"
#include "win32_runtime.h"

#include <objbase.h>
#include <string>

int main() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    testola::Win32Runtime runtime{std::string(testola::Form1Title)};
    testola::RandomSequence random;
    testola::Win32Form1 form(GetModuleHandleW(nullptr), runtime, random);
    runtime.SetWindow(form.Window());
    ShowWindow(form.Window(), SW_SHOWNORMAL);
    UpdateWindow(form.Window());
    return ReportDrawn();
}
