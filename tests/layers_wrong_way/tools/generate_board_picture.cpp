// Never built: a generator that draws with the board's colours, for the layering check to catch.
#include "board/colour.h"

#include <QImage>
