// Never built: a board header whose includes are all allowed, next to the two wrong ones.
#pragma once

#include "board/colour.h"
#include "engine/puzzle.h"
#include "picture_cache.h"

#include <QWidget>
#include <SDL.h>
