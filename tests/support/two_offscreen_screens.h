// Lays out Qt's offscreen platform as two screens side by side: a plain one and a twice-dense one.
#pragma once

#include <QString>

// Writes the layout to fileName in the working folder and names it on the
// platform's command line. Call it before the QApplication is made; the
// screens are "plain" (x 0 to 999) and "dense" (x 1000 to 1999), both 800 high.
void UseTwoOffscreenScreens(const QString& fileName);
