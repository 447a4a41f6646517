#include "insert/vector_canvas.h"

#include "cad/arithmetic.h"

namespace insert {

void place(const VectorCanvas& canvas, cad::Entity& entity) {
  entity.TransformBy(canvas.frame);
}

cad::Point3 checkedPoint(double x, double y, double z) {
  return cad::Point3(cad::checked(x), cad::checked(y), cad::checked(z));
}

}  // namespace insert
