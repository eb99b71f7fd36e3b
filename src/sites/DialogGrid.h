#pragma once

#include "sites/SiteDialog.h"

// The placements shared by the site dialogs: a list or box sits alone in a frame named after
// it, and the two buttons sit side by side under the frames.
namespace DialogGrid {
constexpr int FieldLeft = 180;
constexpr int FieldTop = 240;
constexpr int FieldHeight = 312;
constexpr int FramePitch = 780;  // from one frame to the next one below it
constexpr int ButtonWidth = 1092;
constexpr int ButtonHeight = 372;

// A frame with its one field at `left`, `top`.
constexpr TwipsBox Frame(int left, int top, int fieldWidth) {
    return {left, top, fieldWidth + 2 * FieldLeft, 660};
}
constexpr TwipsBox Field(int width) {
    return {FieldLeft, FieldTop, width, FieldHeight};
}
// Field `row` of a frame holding a column of fields.
constexpr TwipsBox FieldRow(int row, int width) {
    return {FieldLeft, FieldTop + row * (FieldHeight + 60), width, FieldHeight};
}
constexpr TwipsBox CheckRow(int top, int width) {
    return {FieldLeft, top, width, 300};
}
// Done ends at `right`; Cancel stands to its left.
constexpr TwipsBox DoneButton(int right, int top) {
    return {right - ButtonWidth, top, ButtonWidth, ButtonHeight};
}
constexpr TwipsBox CancelButton(int right, int top) {
    return {right - 2 * ButtonWidth - 120, top, ButtonWidth, ButtonHeight};
}
}  // namespace DialogGrid
