// The replay driver: runs a fuzz target's entry point once on each file named on the command
// line, or on each file directly inside a directory named there (in name order, sub-directories
// left alone; a path that is not there holds nothing), without libFuzzer. A fault aborts the
// process, as it would under libFuzzer, so a zero exit status means every input ran clean.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/fuzz_target.h"

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> inputsOf(const fs::path& argument) {
  if (!fs::is_directory(argument)) return {argument};
  std::vector<fs::path> files;
  for (const fs::directory_entry& entry : fs::directory_iterator(argument)) {
    if (entry.is_regular_file()) files.push_back(entry.path());
  }
  std::ranges::sort(files);
  return files;
}

std::string contentOf(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s file-or-directory...\n", argv[0]);
    return 2;
  }
  std::size_t count = 0;
  for (int i = 1; i < argc; ++i) {
    if (!fs::exists(argv[i])) {
      // A target's folder of reproducers appears with its first one.
      std::fprintf(stderr, "nothing to replay in %s: not there\n", argv[i]);
      continue;
    }
    for (const fs::path& file : inputsOf(argv[i])) {
      std::fprintf(stderr, "%s\n", file.c_str());
      const std::string content = contentOf(file);
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(content.data()), content.size());
      ++count;
    }
  }
  std::printf("%zu inputs ran clean\n", count);
  return 0;
}
