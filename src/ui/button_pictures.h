// The pictures on the window's buttons. The build draws them from their
// drawings (icons/*.svg) into PNG files at the sizes the buttons show them,
// which the window reads without loading any of Qt's image plugins; on a
// screen whose pixel ratio is neither 1 nor 2 they are drawn from the
// drawings at start, as before.
#pragma once

#include <QIcon>
#include <QImage>

namespace tovk::ui {

// A button picture's size on the screen, in the screen's logical pixels.
constexpr int kButtonPictureSize = 16;

// The picture named `picture` (a command row's picture) at
// kButtonPictureSize times `ratio` pixels: read from the build's PNG files
// at ratios 1 and 2, drawn from the drawing otherwise. Null when the picture
// is not there or (for a drawing) Qt's SVG plugin is missing.
QImage ButtonPictureImage(const char* picture, qreal ratio);

// The same picture drawn from its drawing through Qt's SVG plugin.
QImage DrawnButtonPicture(const char* picture, qreal ratio);

// The picture as a button's icon for the screens' pixel ratio, made once
// at the size shown: an icon over the drawing itself would draw it again
// at every paint. The greyed picture of a disabled button is made from it
// when first needed.
QIcon ButtonPicture(const char* picture);

}  // namespace tovk::ui
