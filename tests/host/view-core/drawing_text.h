#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

#include "host/model/document.h"
#include "host/view-files/drawing_files.h"

namespace host::view {

// A drawing file written by hand for a test. Each record is written compactly, its groups
// "code value" joined by '|': "0 LINE|8 Walls|10 0|20 0|11 5|21 0".
struct DrawingText {
  std::vector<std::string> header;  // "9 $LTSCALE|40 2"
  std::vector<std::string> lineTypes;
  std::vector<std::string> layers;
  std::vector<std::string> blocks;  // whole definitions: "0 BLOCK|2 B|...", entities, "0 ENDBLK"
  std::vector<std::string> entities;

  std::string text() const {
    std::string out;
    section(out, "HEADER", header);
    out += "0\nSECTION\n2\nTABLES\n";
    table(out, "LTYPE", lineTypes);
    table(out, "LAYER", layers);
    out += "0\nENDSEC\n";
    section(out, "BLOCKS", blocks);
    section(out, "ENTITIES", entities);
    return out + "0\nEOF\n";
  }

  // Written to a file and read as the window opens it.
  std::shared_ptr<model::Document> open() const {
    const auto path = std::filesystem::temp_directory_path() /
                      ("kestova_view_" + std::to_string(::getpid()) + ".dxf");
    std::ofstream(path) << text();
    auto document = readDrawingFile(path);
    std::filesystem::remove(path);
    return document;
  }

 private:
  static void records(std::string& out, const std::vector<std::string>& compact) {
    for (const std::string& record : compact) {
      std::size_t start = 0;
      while (start <= record.size()) {
        const std::size_t end = std::min(record.find('|', start), record.size());
        const std::string group = record.substr(start, end - start);
        const std::size_t space = group.find(' ');
        out += group.substr(0, space) + "\n" + group.substr(space + 1) + "\n";
        start = end + 1;
      }
    }
  }
  static void section(std::string& out, const char* name, const std::vector<std::string>& body) {
    out += std::string("0\nSECTION\n2\n") + name + "\n";
    records(out, body);
    out += "0\nENDSEC\n";
  }
  static void table(std::string& out, const char* name, const std::vector<std::string>& body) {
    out += std::string("0\nTABLE\n2\n") + name + "\n";
    records(out, body);
    out += "0\nENDTAB\n";
  }
};

}  // namespace host::view
