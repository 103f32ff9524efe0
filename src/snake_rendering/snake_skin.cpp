#include "snake_rendering/snake_skin.hpp"

#include <climits>

namespace coilwend {
namespace {

int mod(int value, int m) {
    const int r = value % m;
    return r < 0 ? r + m : r;
}

// Which end-of-body ring a sample is on: 0 at the very end, counting inwards;
// nothing when the sample is not in an end region.
struct EndPlace {
    bool inside = false;
    int index = 0;
};

EndPlace end_place(int a, int n, HeadCount heads) {
    constexpr int kLarge = INT_MAX;
    if (n - a <= 6) {
        const int l = n - a - 3;
        return {true, l < 0 ? kLarge : l};
    }
    if (heads == HeadCount::Two && a < 6) {
        const int l = a - 2;
        return {true, l < 0 ? kLarge : l};
    }
    return {};
}

Rgb coral(int a, EndPlace end) {
    constexpr Rgb black{3, 3, 5}, cream{235, 222, 138}, red{200, 5, 2};
    if (end.inside) {
        if (end.index == 0 || end.index == 1 || end.index == 3)
            return black;
        if (end.index == 2)
            return cream;
        return {255, 0, 0};
    }
    switch (mod(a + 5, 8)) {
    case 0:
    case 2:
        return black;
    case 1:
        return cream;
    default:
        return red;
    }
}

Rgb golden_spiral(int h, int k, QuadHalf half, EndPlace end) {
    constexpr Rgb pale{230, 230, 230}, gold{255, 210, 70};
    if (end.inside)
        return pale;
    const int s = h + k;
    const int e = half == QuadHalf::First ? 0 : 2;
    const int band = mod(3 * h, 12);
    if (band == mod(s + e, 12) || band == mod(s + 1 + e, 12) || band == mod(s + 2 + e, 12))
        return gold;
    return pale;
}

Rgb blotched(int a, int n, int h, int j, QuadHalf half, EndPlace end) {
    constexpr Rgb body{177, 115, 47}, mark{41, 20, 6};
    const bool first = half == QuadHalf::First;
    bool is_mark = false;
    if (end.inside) {
        is_mark = end.index == 3 && (j == 2 || j == 3) && first;
    } else if (a == n - 7) {
        is_mark = ((j == 2 || j == 3) && !first) || (j == 2 && first);
    } else {
        const int row = mod(h, 8);
        is_mark = ((row == 0 || row == 2) && (j == 2 || j == 3)) ||
                  (row == 1 && (j == 1 || j == 2 || j == 3));
        if (a == n - 8 && j == 2 && !first)
            is_mark = true;
    }
    return is_mark ? mark : body;
}

Rgb slate_banded(int a, EndPlace end) {
    constexpr Rgb dark{0, 1, 3}, slate{65, 78, 100}, orange{214, 30, 0};
    if (end.inside)
        return slate;
    const int band = mod(a, 9);
    if (band == 0 || band == 4)
        return dark;
    if (band <= 3)
        return slate;
    return orange;
}

Rgb tricolour(int a, EndPlace end) {
    constexpr Rgb black{1, 1, 2}, yellow{253, 206, 0}, red{246, 13, 2};
    if (end.inside) {
        if (end.index <= 1)
            return black;
        if (end.index <= 3)
            return yellow;
        return {255, 0, 0};
    }
    switch (mod(a + 2, 10)) {
    case 0:
    case 1:
    case 8:
    case 9:
        return black;
    case 2:
    case 7:
        return yellow;
    default:
        return red;
    }
}

Rgb earthen(int h, EndPlace end) {
    constexpr Rgb light{45, 32, 14}, dark{10, 4, 2}, mid{37, 26, 17};
    if (end.inside)
        return mid;
    switch (mod(h + 5, 9)) {
    case 0:
    case 7:
    case 8:
        return light;
    case 3:
    case 4:
        return mid;
    default:
        return dark;
    }
}

Rgb green_spotted(int h, int j, QuadHalf half, EndPlace end) {
    constexpr Rgb green{104, 146, 68}, black{8, 5, 3};
    if (end.inside) {
        const bool spot = end.index == 3 && half == QuadHalf::First &&
                          (j == 0 || j == 2 || j == 3 || j == 5 || j == 6 || j == 11);
        return spot ? black : green;
    }
    // One row of twelve scales per h mod 4; 'K' is black.
    static constexpr const char* rows[4] = {"KGKKGKKGGGGK", "KGKGKKKGGGKK", "KGKKGKKGGGGK",
                                            "GKKKGKGGGGGK"};
    return rows[mod(h, 4)][j] == 'K' ? black : green;
}

} // namespace

std::uint8_t snake_skin(const Puzzle& puzzle, std::size_t index, const Snake& snake) {
    if (puzzle.name == "Reunion") {
        constexpr std::uint8_t by_index[7] = {2, 0, 0, 2, 3, 4, 0};
        return index < 7 ? by_index[index] : 1;
    }
    if (!snake.companion)
        return 2;
    switch (puzzle.setting) {
    case 0:
        return 3;
    case 1:
        return 0;
    case 2:
        return 4;
    case 3:
        return 1;
    default:
        return 6;
    }
}

Rgb skin_colour(std::uint8_t skin, int a, int k, QuadHalf half, int n, HeadCount heads) {
    const int h = a + (half == QuadHalf::First ? 0 : 1);
    const int j = mod(h / 2 + k, 12);
    const EndPlace end = end_place(a, n, heads);
    switch (skin) {
    case 0:
        return coral(a, end);
    case 1:
        return golden_spiral(h, k, half, end);
    case 2:
        return blotched(a, n, h, j, half, end);
    case 3:
        return slate_banded(a, end);
    case 4:
        return tricolour(a, end);
    case 5:
        return earthen(h, end);
    default:
        return green_spotted(h, j, half, end);
    }
}

EyeColours eye_colours(std::uint8_t skin) {
    switch (skin) {
    case 0:
        return {{50, 3, 0}, {2, 0, 0}};
    case 1:
        return {{133, 13, 19}, {93, 2, 5}};
    case 2:
        return {{45, 29, 13}, {1, 1, 2}};
    case 3:
        return {{19, 20, 22}, {1, 1, 1}};
    case 4:
        return {{22, 22, 22}, {3, 3, 5}};
    case 5:
        return {{52, 21, 14}, {1, 1, 3}};
    default:
        return {{222, 222, 222}, {22, 22, 22}};
    }
}

} // namespace coilwend
