#pragma once

#include <QImage>

#include <array>
#include <optional>

// The nine bitmaps the game draws with, loaded once from the working directory when the
// main window is created. A bitmap can be loaded, created but empty (a 0-byte file, or a
// load that failed), or never created (the loading stopped before it).
class GameAssets {
public:
    static constexpr int kDieFaces = 6;

    // Creates and loads the bitmaps in order, each by bare file name. The first file that
    // fails ends the loading with its error, leaving the bitmaps after it as they were.
    void CreateAndLoad();

    // nullptr for a bitmap never created; a null image for an empty one.
    const QImage* Board() const { return Get(board_); }
    const QImage* Counter1() const { return Get(counter1_); }
    const QImage* Counter2() const { return Get(counter2_); }
    const QImage* DieFace(int value) const;

private:
    static const QImage* Get(const std::optional<QImage>& bitmap) {
        return bitmap ? &*bitmap : nullptr;
    }

    std::optional<QImage> counter1_;
    std::optional<QImage> counter2_;
    std::optional<QImage> board_;
    std::array<std::optional<QImage>, kDieFaces> dieFaces_;
};
