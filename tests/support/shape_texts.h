#pragma once

#include "generators/sideview/work_shape.h"

namespace zel::test {

// The side view's start faces, named as its statements name them.
inline constexpr StartFace LC = StartFace::kLeft;
inline constexpr StartFace RC = StartFace::kRight;

// The texts of a shape's rows as the user types them, for a cylinder, a cone and an arc.
inline ShapeTexts Cyl(const QString& z, const QString& d, const QString& l) {
  return ShapeTexts{z, d, {}, l, {}};
}
inline ShapeTexts Cone(const QString& z, const QString& d1, const QString& d2, const QString& l) {
  return ShapeTexts{z, d1, d2, l, {}};
}
inline ShapeTexts Arc(const QString& z, const QString& d1, const QString& d2, const QString& l,
                      const QString& r) {
  return ShapeTexts{z, d1, d2, l, r};
}

}  // namespace zel::test
