// Fuzzes the reading of the entry a browser tab keeps of its game: whatever it accepts must be
// written back to the very same bytes, so the reader takes only what the writer writes.
#include <cstdint>
#include <cstdlib>

#include "TabSession.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view entry(reinterpret_cast<const char*>(data), size);
    const auto session = brimblet::DecodeTabSession(entry);
    if (session && brimblet::EncodeTabSession(*session) != entry) {
        std::abort();
    }
    return 0;
}
