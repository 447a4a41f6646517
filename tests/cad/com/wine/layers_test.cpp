// Layers and an entity's layer and colour through the COM backend: each call reaches the CAD
// program by name with the argument types its object model takes, the results come back as
// the program gave them, and its refusals arrive with their numbers and texts.

#include <functional>

#include "cad/com/com_launcher.h"
#include "standin/protocol.h"
#include "standin_process.h"
#include "test_support.h"

namespace {

// The drawing a case works on: a layer "Survey" and a line on layer "0", added beforehand.
struct Drawing {
  cad::Ref<cad::Document> document;
  cad::Ref<cad::ModelSpace> modelSpace;
  cad::Ref<cad::Entity> line;
};

Drawing drawingWithSurveyLayer(const Connection& connection) {
  connection.acadDoc->Layers()->Add("Survey");
  return {connection.acadDoc, connection.moSpace,
          connection.moSpace->AddLine(cad::Point3::Zero(), cad::Point3::UnitX())};
}

struct LayerCall {
  const char* name;
  std::function<std::string(Drawing&)> call;  // what the backend handed back, as text
  std::vector<std::string> signatures;
  std::string returned;
};

struct Refusal {
  const char* name;
  std::function<void(Drawing&)> call;
  long number;
  std::string description;
};

class ForeignLayer : public cad::Layer {
 public:
  std::string Name() override { return "Survey"; }
  cad::Color color() override { return 1; }
  void color(cad::Color) override {}
};

const std::string kInvalidInput = standin::kInvalidInputText;
const std::string kKeyNotFound = standin::kKeyNotFoundText;

}  // namespace

// In order: the later cases see what the earlier ones changed.
TEST_CASE(layerCallsReachTheCadProgramByNameAndTheirResultsComeBack) {
  RunningStandIn release18(18);
  auto launcher = cad::com::makeLauncher();
  Drawing drawing = drawingWithSurveyLayer(attachTo(*launcher, 18));
  const std::vector<LayerCall> cases = {
      {"a new layer",
       [](Drawing& d) { return d.document->Layers()->Add("Levels")->Name(); },
       {"Document.Layers GET", "Layers.Add METHOD BSTR:\"Levels\"", "Layer.Name GET"},
       "Levels"},
      {"an existing layer",
       [](Drawing& d) { return d.document->Layers()->Add("SURVEY")->Name(); },
       {"Document.Layers GET", "Layers.Add METHOD BSTR:\"SURVEY\"", "Layer.Name GET"},
       "Survey"},
      {"a layer's colour",
       [](Drawing& d) { return std::to_string(d.document->Layers()->Item("survey")->color()); },
       {"Document.Layers GET", "Layers.Item METHOD BSTR:\"survey\"", "Layer.color GET"},
       "7"},
      {"a layer's colour changed",
       [](Drawing& d) {
         auto layer = d.document->Layers()->Item("Survey");
         layer->color(3);
         return std::to_string(layer->color());
       },
       {"Document.Layers GET", "Layers.Item METHOD BSTR:\"Survey\"", "Layer.color PUT I4:3",
        "Layer.color GET"},
       "3"},
      {"a new line's layer and colour",
       [](Drawing& d) {
         const std::string layer = d.line->Layer();
         return layer + " " + std::to_string(d.line->color());
       },
       {"Line.Layer GET", "Line.color GET"},
       "0 256"},
      {"a line moved to another layer",
       [](Drawing& d) {
         d.line->Layer("Survey");
         return d.line->Layer();
       },
       {"Line.Layer PUT BSTR:\"Survey\"", "Line.Layer GET"},
       "Survey"},
      {"a line coloured red",
       [](Drawing& d) {
         d.line->color(1);
         return std::to_string(d.line->color());
       },
       {"Line.color PUT I4:1", "Line.color GET"},
       "1"},
      {"a line coloured by block",
       [](Drawing& d) {
         d.line->color(cad::kByBlock);
         return std::to_string(d.line->color());
       },
       {"Line.color PUT I4:0", "Line.color GET"},
       "0"},
      {"the active layer",
       [](Drawing& d) { return d.document->ActiveLayer()->Name(); },
       {"Document.ActiveLayer GET", "Layer.Name GET"},
       "0"},
      {"the active layer changed",
       [](Drawing& d) {
         d.document->ActiveLayer(d.document->Layers()->Item("Levels"));
         return d.document->ActiveLayer()->Name();
       },
       {"Document.Layers GET", "Layers.Item METHOD BSTR:\"Levels\"",
        "Document.ActiveLayer PUTREF DISPATCH:Layer", "Document.ActiveLayer PUT DISPATCH:Layer",
        "Document.ActiveLayer GET", "Layer.Name GET"},
       "Levels"},
      {"a line drawn on the active layer",
       [](Drawing& d) {
         return d.modelSpace->AddLine({0, 0, 0}, {0, 1, 0})->Layer();
       },
       {"ModelSpace.AddLine METHOD R8[3] R8[3]", "Line.Layer GET"},
       "Levels"},
  };
  for (const LayerCall& layerCall : cases) {
    CallRecord record;
    const std::string returned = layerCall.call(drawing);
    check::record(returned == layerCall.returned, std::string(layerCall.name) + ": result",
                  __FILE__, __LINE__, "got [" + returned + "], want [" + layerCall.returned + "]");
    checkSignatures(record.calls(), layerCall.signatures, __FILE__, __LINE__);
  }
}

TEST_CASE(refusedLayerCallsFailWithTheCadProgramsNumberAndText) {
  RunningStandIn release18(18);
  auto launcher = cad::com::makeLauncher();
  Drawing drawing = drawingWithSurveyLayer(attachTo(*launcher, 18));
  const std::vector<Refusal> cases = {
      {"an empty layer name", [](Drawing& d) { d.document->Layers()->Add(""); },
       static_cast<long>(E_INVALIDARG), kInvalidInput},
      {"a layer name with a bar", [](Drawing& d) { d.document->Layers()->Add("Pegs|2"); },
       static_cast<long>(E_INVALIDARG), kInvalidInput},
      {"a missing layer", [](Drawing& d) { d.document->Layers()->Item("Levels"); },
       static_cast<long>(standin::kKeyNotFound), kKeyNotFound},
      {"a line to a missing layer", [](Drawing& d) { d.line->Layer("Levels"); },
       static_cast<long>(standin::kKeyNotFound), kKeyNotFound},
      {"a colour above ByLayer", [](Drawing& d) { d.line->color(257); },
       static_cast<long>(E_INVALIDARG), kInvalidInput},
      {"a layer coloured by block",
       [](Drawing& d) { d.document->Layers()->Item("Survey")->color(cad::kByBlock); },
       static_cast<long>(E_INVALIDARG), kInvalidInput},
      {"no layer made active", [](Drawing& d) { d.document->ActiveLayer(cad::Ref<cad::Layer>()); },
       91L, "Object variable or With block variable not set"},
      {"a foreign layer made active",
       [](Drawing& d) {
         d.document->ActiveLayer(cad::Ref<cad::Layer>(std::make_shared<ForeignLayer>()));
       },
       13L, "Type mismatch"},
  };
  for (const Refusal& refusal : cases) {
    const cad::AutomationError error = failureOf([&] { refusal.call(drawing); });
    check::record(error.number() == refusal.number && error.description() == refusal.description,
                  std::string(refusal.name) + ": refused", __FILE__, __LINE__,
                  "got " + std::to_string(error.number()) + " [" + error.description() + "]");
  }
  CHECK_EQ(drawing.line->Layer(), "0");
  CHECK_EQ(drawing.line->color(), cad::kByLayer);
  CHECK_EQ(drawing.document->ActiveLayer()->Name(), "0");
}
