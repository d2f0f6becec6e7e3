// Never built: an engine header of another ending that draws with the board and SDL, for the layering check to catch.
#pragma once

#include "board/colour.h"
#include "engine/puzzle.h"

#include <SDL2/SDL.h>
#include <sys/stat.h>
