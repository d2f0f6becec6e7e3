// Never built: a control that reaches up into the application, for the layering check to catch.
#pragma once

#include "board/colour.h"
#include "controls/number_picker.h"
#include "engine/puzzle.h"
#include "app/about_dialog.h"

#include <QDialog>
