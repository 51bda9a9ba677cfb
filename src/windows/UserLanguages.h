#pragma once

#include <string>
#include <vector>

// The user's preferred languages for programs' texts, best liked first ("fr-CA", "en-US"), as
// Windows keeps them; under Wine, from LANG.
std::vector<std::string> UserLanguages();
