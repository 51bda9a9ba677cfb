#pragma once

#include <cstddef>

// The pictures the main window is designed with, built into the program: the board without
// counters, the die's face one, and the two counter icons beside the read-outs. Each is a BMP
// file, decoded only when something shows through it.
enum class DesignPictureId { Board, Die, Counter1, Counter2 };

struct DesignPicture {
    const unsigned char* bytes;
    std::size_t size;
    int width;
    int height;
};

DesignPicture DesignPictureOf(DesignPictureId id);
