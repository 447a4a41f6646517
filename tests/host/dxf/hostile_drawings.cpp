#include "hostile_drawings.h"

namespace host::dxf::testing {
namespace {

const std::string kEnd = "0\nENDSEC\n0\nEOF\n";

std::string numbered(const std::string& before, std::size_t i, const std::string& after) {
  return before + std::to_string(i) + after;
}

}  // namespace

std::string manyEntitiesSections(std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    text += numbered("0\nSECTION\n2\nENTITIES\n0\nPOINT\n10\n", i, "\n0\nENDSEC\n");
  }
  return text + "0\nEOF\n";
}

std::string manyObjectsSections(std::size_t count) {
  std::string text;
  for (std::size_t i = 0; i < count; ++i) {
    text += numbered("0\nSECTION\n2\nOBJECTS\n0\nXRECORD\n1\nnote ", i, "\n0\nENDSEC\n");
  }
  return text + "0\nEOF\n";
}

std::string manyUcss(std::size_t count) {
  std::string text = "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nUCS\n";
  for (std::size_t i = 0; i < count; ++i) text += numbered("0\nUCS\n2\nU", i, "\n");
  return text + "0\nENDTAB\n" + kEnd;
}

std::string manyLayers(std::size_t count) {
  std::string text = "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n";
  for (std::size_t i = 0; i < count; ++i) text += numbered("0\nLAYER\n2\nL", i, "\n62\n3\n");
  text += "0\nENDTAB\n0\nENDSEC\n0\nSECTION\n2\nENTITIES\n";
  for (std::size_t i = 0; i < count; ++i) text += numbered("0\nLINE\n8\nl", i, "\n11\n1\n");
  return text + kEnd;
}

std::string manyBlocks(std::size_t count) {
  std::string text = "0\nSECTION\n2\nBLOCKS\n";
  for (std::size_t i = 0; i < count; ++i) text += numbered("0\nBLOCK\n2\nB", i, "\n0\nENDBLK\n");
  text += "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n";
  for (std::size_t i = 0; i < count; ++i) text += numbered("0\nINSERT\n2\nb", i, "\n");
  return text + kEnd;
}

std::string oneRecordOfManyGroups(std::size_t count) {
  std::string text = "0\nSECTION\n2\nENTITIES\n0\nHATCH\n";
  text.reserve(text.size() + 4 * count + kEnd.size());
  for (std::size_t i = 0; i < count; ++i) text += "1\nA\n";
  return text + kEnd;
}

std::string bareRecords(std::size_t count) {
  std::string text = "0\nSECTION\n2\nENTITIES\n";
  const std::string record = "0\nPOINT\n";
  text.reserve(text.size() + record.size() * count + kEnd.size());
  for (std::size_t i = 0; i < count; ++i) text += record;
  return text + kEnd;
}

}  // namespace host::dxf::testing
