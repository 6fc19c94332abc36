#pragma once

#include <QRect>
#include <QtGlobal>

namespace zel {

// Dialog layouts are worked out in twips, the unit the control's panel software uses; on a
// screen of 96 dots per inch a pixel is 15 twips.
inline constexpr int kTwipsPerPixel = 15;

// A length in twips as whole pixels (rounded to the nearest pixel).
constexpr int TwipsToPixels(int twips) {
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

// A length in twips that carries a fraction (a share of a width, say), rounded to the
// nearest pixel.
inline int TwipsToPixels(double twips) { return qRound(twips / kTwipsPerPixel); }

// A rectangle given in twips (left, top, width, height) as a pixel rectangle.
constexpr QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(TwipsToPixels(left), TwipsToPixels(top), TwipsToPixels(width),
               TwipsToPixels(height));
}

}  // namespace zel
