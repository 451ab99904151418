// Prints, as shell assignments, the window's size and the points inside it that the desktop checks click or
// read, in pixels at 96 dots per inch, so that the scripts take them from the layout table and retype nothing.
#include "form1_layout.h"

#include <cstdio>

namespace {

using testola::LayoutOf;
using testola::TwipsToPixels;

void Print(const char* name, int twips) {
    std::printf("%s=%d\n", name, TwipsToPixels(twips));
}

// The middle of a control's box.
void PrintMiddle(const char* name, std::string_view control) {
    const testola::TwipsRect& box = LayoutOf(control).Box;
    std::printf("%s_x=%d\n%s_y=%d\n", name, TwipsToPixels(box.Left + box.Width / 2), name,
                TwipsToPixels(box.Top + box.Height / 2));
}

} // namespace

int main() {
    Print("window_width", testola::Form1Client.Width);
    Print("window_height", testola::Form1Client.Height);
    // The matrix shows in the band between the exam button's row and the result button.
    const testola::TwipsRect& exam = LayoutOf(testola::Command4).Box;
    Print("matrix_band_top", exam.Top + exam.Height);
    Print("matrix_band_bottom", LayoutOf(testola::Command5).Box.Top);
    PrintMiddle("exam_button", testola::Command4);
    PrintMiddle("minimise", testola::Command2);
    // A point on the title strip clear of its buttons: one button's width left of "_", level with it.
    const testola::TwipsRect& minimise = LayoutOf(testola::Command2).Box;
    Print("strip_x", minimise.Left - minimise.Width);
    Print("strip_y", minimise.Top + minimise.Height / 2);
    return 0;
}
