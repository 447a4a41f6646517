#pragma once

#include <cstddef>
#include <string>

// Drawing files shaped to make a reader slow or hungry: many sections, many table records,
// one record of very many groups. For the scaling tests and the benchmark.
namespace host::dxf::testing {

// `count` ENTITIES sections of one point each.
std::string manyEntitiesSections(std::size_t count);
// `count` OBJECTS sections of one record each.
std::string manyObjectsSections(std::size_t count);
// A UCS table of `count` named UCSs.
std::string manyUcss(std::size_t count);
// A layer table of `count` layers, each with a line on it.
std::string manyLayers(std::size_t count);
// `count` block definitions, each inserted once.
std::string manyBlocks(std::size_t count);
// One entity this program does not model, of `count` one-character groups.
std::string oneRecordOfManyGroups(std::size_t count);
// `count` POINT records of no groups at all, in an ENTITIES section without a header before it:
// the smallest entities a file can list, eight bytes each.
std::string bareRecords(std::size_t count);

}  // namespace host::dxf::testing
