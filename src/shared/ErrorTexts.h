#pragma once

#include <exception>
#include <string>

#include "Catalogue.h"

namespace brimblet {

// The text of the one error report, in the player's language, for what a handler threw
// (std::current_exception() in its catch); no error at all, or something thrown that is not an
// exception, is an unexpected error. A picture file's error is translated with its file name
// and numbers; the program's own faults keep the English they were raised with. Told apart by
// catching them again, which needs no run-time type information: the page is built without it.
std::string ErrorText(std::exception_ptr error, const Catalogue& catalogue);

}  // namespace brimblet
