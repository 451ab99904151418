#pragma once

// The resources the window takes from its executable (window_resources.rc.in).
#define TESTOLA_ICON 1
