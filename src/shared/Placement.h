#pragma once

namespace brimblet {

// Where a window goes along one axis when it is centred on the screen at its first showing:
// (screen - window) div 2, raised to 0 when the window is the larger.
constexpr int CentredCoordinate(int screenSize, int windowSize) {
    const int centred = (screenSize - windowSize) / 2;
    return centred < 0 ? 0 : centred;
}

}  // namespace brimblet
