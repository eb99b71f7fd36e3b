#pragma once

// Lengths of the window layouts are given in twips (1440 to the inch); the screen's logical
// DPI turns them into pixels.
int TwipsToPixels(int twips);
int PixelsToTwips(int pixels);
