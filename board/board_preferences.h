// The player's choices the board draws and sounds by, set in one call.
#pragma once

#include "board/colour.h"

#include <array>

struct BoardPreferences {
    std::array<ColourValue, 10> colours{};
    bool antiAliasing = true;
    bool soundEffects = true;

    bool operator==(const BoardPreferences&) const = default;
};
