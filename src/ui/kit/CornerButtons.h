#pragma once

#include <QRect>
#include <QSize>

// Cancel and Done side by side in the bottom right corner of a dialog's client area. In
// twips, like every length of the dialogs' layouts.
namespace CornerButtons {
constexpr int Width = 1080;
constexpr int Height = 372;
constexpr int Margin = 120;

constexpr QRect Cancel(QSize client) {
    return {client.width() - 2 * (Width + Margin), client.height() - Margin - Height, Width,
            Height};
}
constexpr QRect Done(QSize client) {
    return {client.width() - Width - Margin, client.height() - Margin - Height, Width, Height};
}
}  // namespace CornerButtons
