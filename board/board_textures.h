// The board's two textures, decoded once a process by whichever thread asks first.
#pragma once

#include <QImage>

struct BoardTextures {
    QImage board;    // 85 x 64, RGB32; null when missing
    QImage backdrop; // 201 x 79, RGB32; null when missing
};

// Decoded on the first call, from any thread (a second caller meanwhile waits
// for the first): the start-up decodes them beside the display's connection.
const BoardTextures& TheBoardTextures();
