#include "ui/kit/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {
constexpr double TwipsPerInch = 1440.0;

double logicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}
}  // namespace

int TwipsToPixels(int twips) {
    return static_cast<int>(std::lround(twips * logicalDpi() / TwipsPerInch));
}

int PixelsToTwips(int pixels) {
    return static_cast<int>(std::lround(pixels * TwipsPerInch / logicalDpi()));
}
