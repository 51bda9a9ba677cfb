#pragma once

#include <QFont>
#include <QString>

#include "Catalogue.h"

class QWidget;

// The family a language's texts are drawn in: the design's "Comic Sans MS" (Comic Neue stands
// in for it) where that has every letter of the language, else the language's own face, found
// through fontconfig.
QString LanguageFamily(const brimblet::Catalogue& texts);

// `font` in the language's family: what a control of the design's face draws that language in.
QFont InLanguageFace(QFont font, const brimblet::Catalogue& texts);

// The window's style sheet, each of its design faces swapped for the language's.
void DrawInLanguageFace(QWidget& window, const brimblet::Catalogue& texts);
