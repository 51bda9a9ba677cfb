#pragma once

#include <exception>
#include <string>

#include "Catalogue.h"

namespace brimblet {

// The text of the one error report, in the player's language, for what a handler threw; no
// error at all (something thrown that is not an exception) is an unexpected error. A picture
// file's error is translated with its file name and numbers; the program's own faults keep
// the English they were raised with.
std::string ErrorText(const std::exception* error, const Catalogue& catalogue);

}  // namespace brimblet
