#include "program_folder.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>

#include "support/project_paths.h"

namespace check {
namespace {

constexpr const char* kCsvReader = R"(import csv, sys
for row in csv.reader(open(sys.argv[1], newline="")):
    print("|".join(row))
)";

}  // namespace

ProgramFolder::ProgramFolder(std::string command, std::string environment)
    : command_(std::move(command)), environment_(std::move(environment)) {
  const std::string suite = testing::UnitTest::GetInstance()->current_test_suite()->name();
  folder = std::filesystem::path(testing::TempDir()) / (suite + "_" + std::to_string(::getpid()));
}

void ProgramFolder::SetUp() {
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
}

void ProgramFolder::TearDown() {
  std::filesystem::remove_all(folder);
}

void ProgramFolder::write(const std::string& name, const std::string& content) const {
  std::ofstream(folder / name, std::ios::binary) << content;
}

std::string ProgramFolder::read(const std::filesystem::path& path) const {
  std::ifstream in(folder / path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

ProgramRun ProgramFolder::run(const std::string& arguments) const {
  const std::string command = "cd '" + folder.string() + "' && env " + environment_ + " '" +
                              testing_support::kestovaProgram() + "' " + command_ + arguments +
                              " >stdout.txt 2>stderr.txt";
  const int status = std::system(command.c_str());
  ProgramRun result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, read("stdout.txt"),
                    read("stderr.txt")};
  std::filesystem::remove(folder / "stdout.txt");
  std::filesystem::remove(folder / "stderr.txt");
  return result;
}

std::vector<std::string> ProgramFolder::python(const char* script,
                                               const std::string& argument) const {
  write("script.py", script);
  const std::string command =
      "cd '" + folder.string() + "' && /usr/bin/python3 script.py '" + argument + "'";
  std::vector<std::string> lines;
  FILE* pipe = ::popen(command.c_str(), "r");
  char line[4096];
  while (std::fgets(line, sizeof line, pipe)) lines.emplace_back(line, std::strlen(line) - 1);
  EXPECT_EQ(::pclose(pipe), 0);
  return lines;
}

std::vector<std::string> ProgramFolder::csvRows(const std::string& name, const char* reader) const {
  return python(reader ? reader : kCsvReader, name);
}

}  // namespace check
