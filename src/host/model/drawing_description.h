#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include <Eigen/Geometry>

#include "host/model/block_expansion.h"
#include "host/model/document.h"
#include "host/model/text_layout.h"
#include "host/model/world_geometry.h"

namespace host::model {

// A filled area in world coordinates: closed loops filled by the even-odd rule.
struct KeptArea {
  std::vector<WorldPolyline> loops;
  bool light = false;  // stands for a pattern too dense to draw
};

// Lines and filled areas in world coordinates.
struct KeptShapes {
  std::vector<WorldPolyline> outlines;
  std::vector<KeptArea> areas;

  bool empty() const { return outlines.empty() && areas.empty(); }
};

// An attribute an insert kept as read carries: an entity of the attribute's layer and
// properties, for how it shows, and its text (nothing when it does not read).
struct KeptAttribute {
  Entity entity;
  std::optional<PlacedText> text;
};

// What an entity the document keeps as read draws, in world coordinates.
struct KeptDrawing {
  KeptShapes shapes;
  std::vector<PlacedText> texts;
  std::vector<KeptAttribute> attributes;  // each shown as its own properties say
};

// What a layer's entry in the file adds to the document's layer.
struct LayerLook {
  std::string lineType;  // its name in one case (foldedName); empty: continuous
  int lineWeight = -3;   // as EntityProperties::lineWeight; -3 the drawing's default
  // 0xRRGGBB, only while the layer's colour is as read: one the user has given since counts.
  std::optional<std::uint32_t> trueColour;
};

// How the drawing's file says its entities show. A setting the file does not give, or gives
// unusably, is nothing: the window's default stands.
struct DisplaySettings {
  std::vector<std::optional<LayerLook>> layers;  // by layer index; nothing without an entry
  // Dashes (positive) and gaps (negative, 0 a dot) in drawing units, by line type name in one
  // case; only line types with dashes.
  std::unordered_map<std::string, std::vector<double>> lineTypes;
  std::optional<double> lineTypeScale;   // above 0, every pattern's scale
  std::optional<int> pointMode;          // the figure points are drawn as
  std::optional<double> pointSize;       // in drawing units, or below 0 a view percentage
  std::optional<int> defaultLineWeight;  // hundredths of a millimetre
  std::optional<bool> lineWeightsShown;  // as the drawing was saved
};

// How a drawing read from a file shows what the document does not model: the file's display
// settings and the entities it keeps as read. The file layer that read the drawing gives one
// with its ForeignContent, so that the window draws a drawing of any file format alike.
class DrawingDescription {
 public:
  virtual ~DrawingDescription() = default;

  virtual DisplaySettings displaySettings(const Document& document) const = 0;
  // What `kept` draws, placed by `toWorld` (its block's transformation to world coordinates);
  // `insideInsert` when it is reached through an insert. Nothing for a kind that cannot be
  // drawn or a record that does not read.
  virtual std::optional<KeptDrawing> keptDrawing(const Document& document,
                                                 const UnsupportedEntity& kept,
                                                 const Eigen::Affine3d& toWorld,
                                                 bool insideInsert) const = 0;
  // Whether `kept` inserts a block (see keptInsertion), whether or not that can be drawn.
  virtual bool inserts(const UnsupportedEntity& kept) const = 0;
  // What `kept` inserts (see ExpansionVisitor::keptInsertion); nothing when it inserts
  // nothing, or nothing the window draws.
  virtual std::optional<Insertion> keptInsertion(const Document& document,
                                                 const UnsupportedEntity& kept) const = 0;
};

// The description of the file `document` was read from; null for a new drawing.
const DrawingDescription* descriptionOf(const Document& document);

}  // namespace host::model
