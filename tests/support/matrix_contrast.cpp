// Reads the colour histogram of the band that shows the matrix, as ImageMagick prints it (`-format %c
// histogram:info:-`, 8-bit channels), and prints how far the matrix stands from its panel: the commonest colour
// is the panel, the matrix the colour that stands out from it most. Exits 1 when that is below the matrix's
// contrast, so that a check judges a screenshot by the rule the window paints by.
#include "contrast.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

int main() {
    using testola::Rgb;
    struct Counted {
        long Pixels = 0;
        Rgb Colour{};
    };
    Counted panel;
    std::vector<Rgb> colours;
    std::string line;
    while (std::getline(std::cin, line)) {
        Counted read;
        if (std::sscanf(line.c_str(), " %ld: (%d,%d,%d", &read.Pixels, &read.Colour.Red, &read.Colour.Green,
                        &read.Colour.Blue) != 4) {
            continue;
        }
        colours.push_back(read.Colour);
        if (read.Pixels > panel.Pixels) {
            panel = read;
        }
    }
    double ratio = 1.0;
    for (const Rgb& colour : colours) {
        ratio = std::max(ratio, testola::ContrastRatio(colour, panel.Colour));
    }
    std::printf("%.2f\n", ratio);
    return ratio >= testola::MatrixContrast ? 0 : 1;
}
