// Never built: an engine header that reaches for Qt, for the layering check to catch.
#pragma once

#include "engine/puzzle.h"

#include <QWidget>
#include <vector>
