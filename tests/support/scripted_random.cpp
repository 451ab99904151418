#include "scripted_random.h"

#include <utility>

namespace testola::testing {

float ScriptedRandom::NextRandom() {
    ++RandomsDrawn;
    if (const auto failure = std::exchange(m_failure, std::nullopt)) {
        RaiseRunTimeError(*failure);
    }
    if (m_numbers.empty()) {
        return m_sequence.NextRandom();
    }
    const float number = m_numbers.front();
    m_numbers.pop_front();
    return number;
}

} // namespace testola::testing
