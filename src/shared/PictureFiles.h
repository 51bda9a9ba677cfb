#pragma once

#include <array>

namespace brimblet {

// The nine picture files, read by bare name from the working directory, in the order they
// are loaded: the board, player 1's and player 2's counters, then die faces 1 to 6.
constexpr const char* kBoardFile = "brimb.bmp";
constexpr const char* kCounter1File = "counter.bmp";
constexpr const char* kCounter2File = "counter2.bmp";
constexpr std::array<const char*, 6> kDieFaceFiles{"d1.bmp", "d2.bmp", "d3.bmp",
                                                   "d4.bmp", "d5.bmp", "d6.bmp"};

constexpr std::array<const char*, 9> kPictureFiles{
    kBoardFile,       kCounter1File,    kCounter2File,    kDieFaceFiles[0], kDieFaceFiles[1],
    kDieFaceFiles[2], kDieFaceFiles[3], kDieFaceFiles[4], kDieFaceFiles[5]};

}  // namespace brimblet
