#pragma once

namespace testola {

// How wide a dialog's title bar must be for the window manager to show its whole title: the title beside the
// frame's icon and its minimise, maximise and close buttons, with a margin at each end. Each front end measures
// the parts in its own toolkit.
constexpr int TitleBarWidth(int title, int icon, int button, int margin) {
    return title + icon + 3 * button + 2 * margin;
}

} // namespace testola
