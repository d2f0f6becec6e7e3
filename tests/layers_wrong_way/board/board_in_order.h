// Never built: a board header whose includes are all allowed, beside the wrong ones.
#pragma once

#include "board/colour.h"
#include "board_with_app_parts.h"
#include "engine/puzzle.h"

#include <QWidget>
#include <SDL.h>
