#pragma once

// The chart grid as the main window, the printed chart and the report place it: the square of
// row r, column c has its top-left corner at (1440 c, 1080 r) twips and squares overlap by 15
// twips. Inside each square every figure has a fixed place.
namespace orrindel::report {

enum class ChartArray { Annual, Time, Mountain, Facing, Palace };

inline constexpr int SquareStepX = 1440;
inline constexpr int SquareStepY = 1080;

// A figure's box in twips from its square's top-left corner.
struct SquarePlace
{
    int x, y, width, height;
};

constexpr SquarePlace squarePlace(ChartArray array)
{
    constexpr SquarePlace places[] = {
        {0, 840, 255, 255},   // annual star, bottom left
        {480, 600, 495, 375}, // time star, bottom centre
        {120, 120, 495, 375}, // mountain star, top left
        {840, 120, 495, 375}, // facing star, top right
        {0, 0, 1455, 1095},   // the square itself
    };
    return places[static_cast<int>(array)];
}

} // namespace orrindel::report
