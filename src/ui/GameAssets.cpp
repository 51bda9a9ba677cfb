#include "GameAssets.h"

#include "BitmapFile.h"

void GameAssets::CreateAndLoad() {
    counter1_.emplace();
    counter2_.emplace();
    board_.emplace();
    *board_ = LoadBitmapFile(QStringLiteral("brimb.bmp"));
    *counter1_ = LoadBitmapFile(QStringLiteral("counter.bmp"));
    *counter2_ = LoadBitmapFile(QStringLiteral("counter2.bmp"));
    for (auto& face : dieFaces_) {
        face.emplace();
    }
    for (int v = 1; v <= kDieFaces; ++v) {
        *dieFaces_[static_cast<std::size_t>(v - 1)] =
            LoadBitmapFile(QStringLiteral("d%1.bmp").arg(v));
    }
}

const QImage* GameAssets::DieFace(int value) const {
    if (value < 1 || value > kDieFaces) {
        return nullptr;
    }
    return Get(dieFaces_[static_cast<std::size_t>(value - 1)]);
}
