#pragma once

class QComboBox;

// Lets `list` take at most `totalItems` item heights, the closed box and the open list
// together, under every style. Styles that place the open list over the box (Fusion among
// them) ignore QComboBox::maxVisibleItems and would open a long list the height of the screen.
void LimitDropHeight(QComboBox& list, int totalItems);
