#pragma once

#include "host/model/drawing_description.h"

namespace host::dxf {

// How a drawing read from a drawing exchange file shows what the document does not model:
// the file's display settings, and the entities kept as read, drawn from their groups where
// their kind is known. Holds nothing of its own: one serves every drawing.
class KeptDescription : public model::DrawingDescription {
 public:
  model::DisplaySettings displaySettings(const model::Document& document) const override;
  std::optional<model::KeptDrawing> keptDrawing(const model::Document& document,
                                                const model::UnsupportedEntity& kept,
                                                const Eigen::Affine3d& toWorld,
                                                bool insideInsert) const override;
  bool inserts(const model::UnsupportedEntity& kept) const override;
  std::optional<model::Insertion> keptInsertion(
      const model::Document& document, const model::UnsupportedEntity& kept) const override;
};

}  // namespace host::dxf
