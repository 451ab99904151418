#pragma once

#include "qt_form1.h"
#include "qt_runtime.h"
#include "random_sequence.h"

namespace testola {

// The program put together, for its entry, the probes and the tests alike: the window over the Qt runtime and a
// source of random numbers (tests bring their own), the runtime told which window its boxes belong to. Shown by
// the caller, once it has watched for whatever it needs to see.
template <class RandomType = RandomSequence> struct QtProgram {
    QtProgram() { runtime.SetWindow(&form); }
    QtRuntime runtime;
    RandomType random;
    QtForm1 form{runtime, random};
};

} // namespace testola
