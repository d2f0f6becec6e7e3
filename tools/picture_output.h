// What every picture generator does around its drawing: start, check its arguments, write PNG files.
#pragma once

#include <QDir>
#include <QImage>
#include <QString>

#include <functional>

// The main of a generator that takes one OUTPUT_DIR argument: starts the Qt
// GUI machinery (fonts and painting need it), makes the subfolder inside
// OUTPUT_DIR and hands OUTPUT_DIR to write, which returns whether every file
// was written. Returns the exit status: 0 done, 1 a file or folder could not
// be written, 2 wrong arguments (with the usage on stderr).
int RunPictureGenerator(int argc, char** argv, const QString& subfolder,
                        const std::function<bool(const QDir& out)>& write);

// Writes image as a PNG file at path; says so on stderr when it cannot.
bool SavePng(const QImage& image, const QString& path);

// The end of a picture's file name at that scale: ".png" at 1, "@2x.png" at 2,
// the names Qt looks for on screens of that device pixel ratio.
QString ScaleSuffix(int scale);
