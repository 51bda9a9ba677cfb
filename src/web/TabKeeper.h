#pragma once

#include <optional>
#include <string>

#include "TabSession.h"

// Keeps the game in the tab's own storage (sessionStorage), which goes when the tab is
// closed, so that a reload, or a phone's browser discarding the page in the background,
// finds the game as the player left it. Nothing is kept anywhere else, and nothing outlives
// the tab. The entry is read as untrusted input: one that does not check is ignored.
class TabKeeper {
public:
    // The game kept by an earlier page of this tab, if there is one that checks.
    std::optional<brimblet::TabSession> Read() const;
    // Writes the session, unless it is what was last written.
    void Keep(const brimblet::TabSession& session);

private:
    std::string written_;
};
