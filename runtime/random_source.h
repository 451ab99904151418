#pragma once

namespace testola {

// Where the examples' numbers come from: the program's own sequence (RandomSequence), or one a test scripts.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    // The next number of the sequence: single precision, at least 0 and below 1.
    virtual float NextRandom() = 0;
};

} // namespace testola
