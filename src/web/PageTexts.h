#pragma once

#include "Catalogue.h"

// The page in the player's language: the first of the browser's languages
// (navigator.languages) that the game has, English otherwise.
namespace page_texts {

// The language chosen, which the page's `lang` is set to, so that screen readers speak it.
const brimblet::Catalogue& Choose();

// Every text the page holds, as the game's windows are built: the texts of its elements,
// their accessible names and descriptions, the name boxes' default names and the page's
// description. A text the catalogue lacks stays as the page has it.
void Translate(const brimblet::Catalogue& texts);

}  // namespace page_texts
