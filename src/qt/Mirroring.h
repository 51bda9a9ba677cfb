#pragma once

#include "Catalogue.h"

class QWidget;

// For a language read from the right, the window as the mirror image of its design: each
// control's right edge where the design has its left, counted from the window's right
// (left becomes width - left - control width), and kept there as a control that sizes itself
// to its text changes its width. Only places mirror: what a control draws, a picture above all,
// is drawn as it is.
void MirrorForLanguage(QWidget& window, const brimblet::Catalogue& texts);
