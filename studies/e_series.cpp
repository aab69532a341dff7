// SPDX-License-Identifier: GPL-3.0-or-later

#include "studies/e_series.h"

namespace tessaron {
namespace {

// The published lists, not the rounded powers of 10^(1/n): E6 to E24 keep the
// older values 2.7, 3.0, 3.3, 3.6, 3.9, 4.3, 4.7 and 8.2 where the rounded
// geometric value would be 2.6, 2.9, 3.2, 3.5, 3.8, 4.2, 4.6 and 8.3, and E192
// has 9.20 for 9.19. E6 and E12 are every fourth and second value of E24.
constexpr std::array<int, 6> kE6 = {10, 15, 22, 33, 47, 68};

constexpr std::array<int, 12> kE12 = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};

constexpr std::array<int, 24> kE24 = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                                      33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};

constexpr std::array<int, 48> kE48 = {100, 105, 110, 115, 121, 127, 133, 140, 147, 154, 162, 169,
                                      178, 187, 196, 205, 215, 226, 237, 249, 261, 274, 287, 301,
                                      316, 332, 348, 365, 383, 402, 422, 442, 464, 487, 511, 536,
                                      562, 590, 619, 649, 681, 715, 750, 787, 825, 866, 909, 953};

constexpr std::array<int, 96> kE96 = {
    100, 102, 105, 107, 110, 113, 115, 118, 121, 124, 127, 130, 133, 137, 140, 143,
    147, 150, 154, 158, 162, 165, 169, 174, 178, 182, 187, 191, 196, 200, 205, 210,
    215, 221, 226, 232, 237, 243, 249, 255, 261, 267, 274, 280, 287, 294, 301, 309,
    316, 324, 332, 340, 348, 357, 365, 374, 383, 392, 402, 412, 422, 432, 442, 453,
    464, 475, 487, 499, 511, 523, 536, 549, 562, 576, 590, 604, 619, 634, 649, 665,
    681, 698, 715, 732, 750, 768, 787, 806, 825, 845, 866, 887, 909, 931, 953, 976};

constexpr std::array<int, 192> kE192 = {
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};

}  // namespace

std::string_view seriesName(Series series) {
    switch (series) {
        case Series::Exact:
            return "exact";
        case Series::E6:
            return "E6";
        case Series::E12:
            return "E12";
        case Series::E24:
            return "E24";
        case Series::E48:
            return "E48";
        case Series::E96:
            return "E96";
        case Series::E192:
            return "E192";
    }
    return "";
}

int seriesDigits(Series series) {
    switch (series) {
        case Series::Exact:
            return 0;
        case Series::E6:
        case Series::E12:
        case Series::E24:
            return 2;
        case Series::E48:
        case Series::E96:
        case Series::E192:
            return 3;
    }
    return 0;
}

std::span<const int> seriesSignificands(Series series) {
    switch (series) {
        case Series::Exact:
            return {};
        case Series::E6:
            return kE6;
        case Series::E12:
            return kE12;
        case Series::E24:
            return kE24;
        case Series::E48:
            return kE48;
        case Series::E96:
            return kE96;
        case Series::E192:
            return kE192;
    }
    return {};
}

}  // namespace tessaron
