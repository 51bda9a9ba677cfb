#pragma once

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace brimblet::testing {

// A whole one-player game as the message log shows it after each click, played with a set
// clock: both front ends must show exactly this, line for line. The file holds one block a
// click, "# click N" followed by the log's lines.
struct Transcript {
    static constexpr std::uint32_t kFirstReading = 1000;  // ms since midnight, the first throw's
    static constexpr std::uint32_t kStep = 7919;          // and the step between readings

    std::vector<std::vector<std::string>> clicks;

    static Transcript Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            throw std::runtime_error("cannot read " + path);
        }
        Transcript t;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            if (line.rfind("# click ", 0) == 0) {
                t.clicks.emplace_back();
            } else if (!t.clicks.empty()) {
                t.clicks.back().push_back(line);
            }
        }
        return t;
    }
};

}  // namespace brimblet::testing
