// Never built: an engine test that reaches for Qt, for the layering check to catch.
#include "engine/puzzle.h"
#include "tests/support/captions_fit.h"

#include <QString>
#include <gtest/gtest.h>
#include <qstring.h>
#include <unistd.h>
#include <vector>
