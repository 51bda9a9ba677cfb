#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The nine picture files, fetched by name from the site's folder, as a desktop build finds
// them in its working directory. A file the server does not hand over (missing, refused, the
// network gone) has no bytes: for the game it cannot be opened.
using FetchedFile = std::optional<std::vector<unsigned char>>;
using FetchedPictures = std::map<std::string, FetchedFile>;

// Fetches every picture file at once and calls `done` when each has been answered.
void FetchPictures(std::function<void(const FetchedPictures&)> done);
