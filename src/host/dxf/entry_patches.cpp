#include "host/dxf/entry_patches.h"

#include "host/dxf/numbers.h"

namespace host::dxf {

Patch layerPatch(const WriteContext& context, model::LayerIndex layer) {
  const std::string name = context.layerName(layer);
  const model::Layer& now = context.document.layers()[layer];
  const int colour = now.on ? now.colour : -now.colour;
  const std::int64_t stateFlags = layerStateFlags(now);
  return [&out = context.out, name, colour, stateFlags](int code, std::string_view value) {
    if (code == 2) {
      out.text(2, name);
    } else if (code == 62) {
      out.whole(62, colour);
    } else if (code == 70) {
      // The file's other flags (those of an external reference) stay as they were.
      std::int64_t flags = 0;
      if (!parseWhole(value, flags)) flags = 0;
      out.whole(70, (flags & ~kLayerStateFlags) | stateFlags);
    } else {
      return false;
    }
    return true;
  };
}

Patch stylePatch(const WriteContext& context, model::StyleIndex style) {
  const model::TextStyle& now = context.document.textStyles()[style];
  const std::string font = encodeText(now.fontFile, context.encoding);
  const double height = now.height;
  return [&out = context.out, font, height](int code, std::string_view) {
    if (code == 3) {
      out.text(3, font);
    } else if (code == 40) {
      out.real(40, height);
    } else {
      return false;
    }
    return true;
  };
}

Patch ucsPatch(const WriteContext& context, const model::Ucs& ucs) {
  const Eigen::Vector3d axes[] = {ucs.frame.origin(), ucs.frame.xAxis(), ucs.frame.yAxis()};
  return [&out = context.out, axes](int code, std::string_view) {
    // Codes 10 to 12 give the X of the origin and the axes, 20 to 22 their Y, 30 to 32 Z.
    const int point = code % 10;
    const int coordinate = code / 10 - 1;
    if (code < 10 || code > 32 || point > 2) return false;
    out.real(code, axes[point][coordinate]);
    return true;
  };
}

}  // namespace host::dxf
