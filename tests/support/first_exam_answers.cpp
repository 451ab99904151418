// Prints the right answers of the first exam a fresh start of the program gives, one a line: the program never
// seeds its random sequence, so each run presents the same examples.
#include "exam.h"
#include "random_sequence.h"

#include <cstdio>

int main() {
    testola::RandomSequence random;
    testola::ExamState state;
    for (int example = 0; example < testola::ExamLength; ++example) {
        testola::NextExample(state, example == 0, random);
        // Every answer is a whole number or a half, which %g writes as the applicant would type it.
        std::printf("%g\n", state.CorrectAnswer);
    }
    return 0;
}
