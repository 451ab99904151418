#pragma once

#include "random_sequence.h"
#include "run_time_error.h"

#include <deque>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace testola::testing {

// A random source that gives the numbers it is told to, and the program's own sequence once those run out.
class ScriptedRandom : public RandomSource {
public:
    void QueueRandoms(std::initializer_list<float> numbers) { m_numbers.insert(m_numbers.end(), numbers); }
    void QueueRandoms(const std::vector<float>& numbers) {
        m_numbers.insert(m_numbers.end(), numbers.begin(), numbers.end());
    }
    // The next draw raises the given run-time error instead of giving a number.
    void FailNextRandom(RunTimeErrorKind kind) { m_failure = kind; }

    float NextRandom() override {
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

    int RandomsDrawn = 0;

private:
    std::deque<float> m_numbers;
    std::optional<RunTimeErrorKind> m_failure;
    RandomSequence m_sequence;
};

} // namespace testola::testing
