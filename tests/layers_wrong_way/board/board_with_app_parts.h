// Never built: a board header that names the application's headers three ways, for the layering check to catch.
#pragma once

#include <app/about_dialog.h>
#include "about_dialog.h"
#include "../app/about_dialog.h"
