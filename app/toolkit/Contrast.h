// Contrast between two colours as the Web Content Accessibility Guidelines measure it:
// from 1:1 (the same luminance) to 21:1 (black on white). Text wants at least 4.5:1, a
// focus indicator 3:1.
#pragma once

class QColor;

double contrastRatio(const QColor &first, const QColor &second);
