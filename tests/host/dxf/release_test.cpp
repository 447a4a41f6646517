#include <gtest/gtest.h>

#include "ezdxf_runner.h"
#include "host/dxf/reader.h"
#include "host/dxf/releases.h"
#include "host/dxf/save.h"
#include "host/dxf/writer.h"
#include "host_drawing.h"

// Saving in another release than the drawing was read in: what the older release cannot hold
// is named beforehand and left out, the rest comes across, text in the new release's encoding.
namespace host::dxf {
namespace {

// A release 2010 drawing of another program: a circle in a true colour, half transparent, with
// extended data, on a layer whose name an older release writes in its code page.
constexpr const char* kMakeDrawing = R"(import sys, ezdxf
doc = ezdxf.new("R2010")
doc.layers.add("Böschung", color=3)
doc.appids.new("SURVEY")
circle = doc.modelspace().add_circle((2500000.5, 5600000.25), 1.5, dxfattribs={"layer": "Böschung"})
circle.rgb = (200, 100, 50)
circle.transparency = 0.5
circle.set_xdata("SURVEY", [(1000, "stake 12"), (1040, 0.125)])
doc.saveas(sys.argv[1])
)";

constexpr const char* kDescribe = R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
circle = doc.modelspace().query("CIRCLE")[0]
print(doc.dxfversion, circle.dxf.layer, circle.dxf.get("true_color"), circle.dxf.get("transparency"),
      [(t.code, t.value) for t in circle.get_xdata("SURVEY")], repr(circle.dxf.center.x),
      len(doc.audit().errors))
)";

TEST(DxfReleases, AnOlderReleaseNamesWhatItCannotHoldAndKeepsTheRest) {
  const std::string python = testing::ezdxfPython();
  if (python.empty()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const auto directory = testing::scratchDirectory("releases");
  testing::writeFile(directory / "make.py", kMakeDrawing);
  testing::writeFile(directory / "describe.py", kDescribe);
  testing::runPython(python, directory / "make.py", directory / "site.dxf");
  const auto document = readDxf(directory / "site.dxf");

  EXPECT_EQ(savedRelease(*document).name, "R2010");
  EXPECT_TRUE(contentNotSaved(*document).empty());
  EXPECT_EQ(contentNotSaved(*document, *findRelease("R2000")),
            (std::vector<std::string>{"1 true colour", "1 transparency"}));

  struct Case {
    const char* release;
    const char* described;
  };
  const Case cases[] = {
      {"R2000", "AC1015 Böschung None None [(1000, 'stake 12'), (1040, 0.125)] 2500000.5 0\n"},
      {"R2013",
       "AC1027 Böschung 13132850 33554559 [(1000, 'stake 12'), (1040, 0.125)] 2500000.5 0\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.release);
    SaveOptions options;
    options.release = findRelease(c.release);
    const auto saved = directory / (std::string(c.release) + ".dxf");
    saveDxf(*document, saved, options);
    EXPECT_EQ(testing::runPython(python, directory / "describe.py", saved), c.described);
  }
}

}  // namespace
}  // namespace host::dxf

namespace host::dxf {
namespace {

// An entity of another program that this program changes is written from the document, with
// the extended data of its record kept; the rest of the drawing stays as read.
TEST(DxfReleases, AChangedEntityKeepsItsExtendedData) {
  const std::string python = testing::ezdxfPython();
  if (python.empty()) GTEST_SKIP() << "python3-ezdxf is not installed";
  const auto directory = testing::scratchDirectory("changed");
  testing::writeFile(directory / "make.py", kMakeDrawing);
  testing::writeFile(directory / "describe.py",
                     R"(import sys, ezdxf
doc = ezdxf.readfile(sys.argv[1])
circle = doc.modelspace().query("CIRCLE")[0]
print(circle.dxf.color, circle.dxf.get("true_color"), circle.dxf.layer,
      [(t.code, t.value) for t in circle.get_xdata("SURVEY")], len(doc.audit().errors))
)");
  testing::runPython(python, directory / "make.py", directory / "site.dxf");
  const auto document = readDxf(directory / "site.dxf");
  const model::EntityLocation circle{model::BlockTable::kModelSpace, 0};
  model::EntityProperties properties = document->entity(circle).properties.get();
  properties.colour = {5, std::nullopt};
  document->setEntityProperties(circle, properties);
  saveDxf(*document, directory / "changed.dxf");
  EXPECT_EQ(testing::runPython(python, directory / "describe.py", directory / "changed.dxf"),
            "5 None Böschung [(1000, 'stake 12'), (1040, 0.125)] 0\n");
}

}  // namespace
}  // namespace host::dxf

namespace host::dxf {
namespace {

// A drawing of an older release than any the writer writes is converted on saving; the user is
// told from which, as the file's header gives it.
TEST(DxfReleases, OlderReleasesAreNamedAsTheirHeaderGivesThem) {
  struct Case {
    const char* header;  // $ACADVER, or none
    const char* converted;
  };
  const Case cases[] = {{"AC1014", "release 14"},
                        {"AC1012", "release 13"},
                        {"AC1009", "release 12"},
                        {"AC1006", "release 10"},
                        {nullptr, "release 12"},
                        {"AC1015", ""},
                        {"AC1027", ""}};
  const auto directory = testing::scratchDirectory("older_releases");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.header ? c.header : "no header");
    const std::string header = c.header ? std::string("0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\n") +
                                              c.header + "\n0\nENDSEC\n"
                                        : std::string();
    testing::writeFile(directory / "in.dxf",
                       header +
                           "0\nSECTION\n2\nENTITIES\n0\nPOINT\n8\n0\n10\n1\n20\n2\n"
                           "0\nENDSEC\n0\nEOF\n");
    const auto document = readDxf(directory / "in.dxf");
    EXPECT_EQ(olderReleaseName(*document), c.converted);
    EXPECT_EQ(convertsOlderRelease(*document), *c.converted != '\0');
  }
}

}  // namespace
}  // namespace host::dxf
