// Never built: a fuzzer that reads the state file into Qt and the board, for the layering check to catch.
#include "board/colour.h"
#include "engine/state_file.h"

#include <QByteArray>
#include <cstdint>
