#pragma once

#include <functional>
#include <gtest/gtest.h>
#include <objbase.h>
#include <string>
#include <windows.h>

namespace testola::testing {

// Starts COM on the test's thread, as the program does, so that the accessibility annotations are there.
class ComTest : public ::testing::Test {
protected:
    ComTest() { CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED); }
    ~ComTest() override { CoUninitialize(); }
};

// Runs the action on the first dialog (a box of the standard dialog class) that this thread opens, from inside
// its modal loop; the action must close it. A dialog that does not open within five seconds is a failure.
void WhenDialogOpens(std::function<void(HWND)> action);

// The window's text as UTF-8.
std::string TextOf(HWND window);

// What assistive technology reads of a control through oleacc: its name and its description.
std::string AccessibleName(HWND control);
std::string AccessibleDescription(HWND control);

// Whether this system keeps the accessibility annotations the program sets; Wine 8 answers E_NOTIMPL.
bool AccessibleAnnotationsWork();

// Delivers the messages already queued, such as a focus change, without waiting for more.
void PumpMessages();

} // namespace testola::testing
