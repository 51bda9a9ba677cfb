#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "PictureFiles.h"

namespace brimblet {

// The nine bitmaps the game draws with, loaded once from the working directory when the
// main window is created. A bitmap can be loaded, created but empty (a 0-byte file, or the
// load that failed), or never created (the loading stopped before it). `Bitmap` is the
// toolkit's picture type; a default-constructed one is an empty bitmap.
template <typename Bitmap> class GameAssets {
public:
    static constexpr int kDieFaces = static_cast<int>(kDieFaceFiles.size());

    // Creates and loads the bitmaps in their order. `load(fileName)` reads one file and
    // throws when it is missing or bad; the first failure ends the loading with that error,
    // leaving the bitmaps after it as they were.
    template <typename Load> void CreateAndLoad(Load&& load) {
        counter1_.emplace();
        counter2_.emplace();
        board_.emplace();
        *board_ = load(kBoardFile);
        *counter1_ = load(kCounter1File);
        *counter2_ = load(kCounter2File);
        for (auto& face : dieFaces_) {
            face.emplace();
        }
        for (std::size_t i = 0; i < dieFaces_.size(); ++i) {
            *dieFaces_[i] = load(kDieFaceFiles[i]);
        }
    }

    // nullptr for a bitmap never created.
    const Bitmap* Board() const { return Get(board_); }
    const Bitmap* Counter1() const { return Get(counter1_); }
    const Bitmap* Counter2() const { return Get(counter2_); }
    const Bitmap* DieFace(int value) const {
        if (value < 1 || value > kDieFaces) {
            return nullptr;
        }
        return Get(dieFaces_[static_cast<std::size_t>(value - 1)]);
    }

private:
    static const Bitmap* Get(const std::optional<Bitmap>& bitmap) {
        return bitmap ? &*bitmap : nullptr;
    }

    std::optional<Bitmap> counter1_;
    std::optional<Bitmap> counter2_;
    std::optional<Bitmap> board_;
    std::array<std::optional<Bitmap>, kDieFaceFiles.size()> dieFaces_;
};

}  // namespace brimblet
