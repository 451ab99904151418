#include "form1_texts.h"
#include "random_sequence.h"
#include "win32_form1.h"
#include "win32_runtime.h"

#include <objbase.h>
#include <string>
#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // The accessibility annotations are COM objects of this thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    int status = 0;
    {
        testola::Win32Runtime runtime{std::string(testola::Form1Title)};
        testola::RandomSequence random;
        testola::Win32Form1 form(instance, runtime, random);
        runtime.SetWindow(form.Window());
        ShowWindow(form.Window(), showCommand);
        UpdateWindow(form.Window());
        status = testola::RunMessageLoop(form);
    }
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return status;
}
