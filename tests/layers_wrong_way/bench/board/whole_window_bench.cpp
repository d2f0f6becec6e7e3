// Never built: a board benchmark that measures the whole window, for the layering check to catch.
#include "app/game_main_window.h"
#include "board/board_view.h"

#include <benchmark/benchmark.h>
