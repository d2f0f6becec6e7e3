// Never built: a controls test that reaches up into the application and its tests, for the layering check to catch.
#include "app/game_main_window.h"
#include "controls/number_picker.h"
#include "tests/app/app_test_support.h"
#include "tests/support/captions_fit.h"

#include <QDialog>
#include <gtest/gtest.h>
