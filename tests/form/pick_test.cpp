// Pick and the Average box: deviations along the UCS axes and the running average, as the
// fields show them.
#include <gtest/gtest.h>

#include <array>

#include "host/automation/call_guard.h"
#include "support/form_fixture.h"

namespace {

using cad::Point3;
using Fields = std::array<std::string, 3>;

class Pick : public formtest::FormFixture {
 protected:
  form::frmKestova& loaded(int luprec = 3) {
    runHost("AutoCAD.Application.16", luprec);
    load().Show();
    form->setObserver(&shown_);
    return *form;
  }
  // One pick whose survey point lies `deviation` from the design point, both in world coordinates.
  void pick(const Point3& deviation, const Point3& design = Point3(1, 2, 3)) {
    points->push(design);
    points->push(design + deviation);
    form->runReported([this] { form->cmdPickDevs_Click(); });
  }
  void pickX(double dx) { pick(Point3(dx, 0, 0)); }
  Fields fields(const char* x, const char* y, const char* z) const {
    return {form->Text(x), form->Text(y), form->Text(z)};
  }
  Fields deviations() const { return fields("txtXerr", "txtYerr", "txtZerr"); }
  Fields averages() const { return fields("txtXav", "txtYav", "txtZav"); }

  formtest::ShownRecorder shown_;
};

TEST_F(Pick, WritesSurveyMinusDesignInTheDrawingsPrecision) {
  form::frmKestova& form = loaded();
  pick(Point3(0.25, -0.1, 0));
  EXPECT_EQ(deviations(), (Fields{"0.250", "-0.100", "0.000"}));
  EXPECT_EQ(points->prompts(),
            (std::vector<std::string>{"From Design Point ", "To Survey Point "}));
  EXPECT_EQ(shown_.changes, (std::vector<std::string>{"Hide", "Show"}));
  EXPECT_EQ(form.variables().X1, 1);
  EXPECT_TRUE(messages.informed.empty());
}

// The fields are read back by the numeric-value rule, which knows only the point, so they are
// written with a point also where the user's separator is a comma.
TEST_F(Pick, WritesAPointWhateverTheLocale) {
  decimalSeparator = ",";
  form::frmKestova& form = loaded();
  form.SetCheckValue("chkAvDevs", 1);
  pickX(0.25);
  pickX(0.5);
  EXPECT_EQ(form.Text("txtXerr"), "0.500");
  EXPECT_EQ(form.Text("txtXav"), "0.375");
}

TEST_F(Pick, FollowsTheAxesOfTheCurrentUcs) {
  loaded();
  // X along world Y, Y along world -X; the origin plays no part.
  drawing().setCurrentUcs({"", host::geom::Frame::fromDirections(
                                   Point3(100, -40, 7), Point3(0, 1, 0), Point3(-1, 0, 0))});
  pick(Point3(0.25, -0.1, 0), Point3(5, 6, 7));
  EXPECT_EQ(deviations(), (Fields{"-0.100", "-0.250", "0.000"}));
  EXPECT_TRUE(form->variables().PickPnt1->isApprox(Point3(46, 95, 0)));  // kept in the UCS
}

TEST_F(Pick, AveragesTheDisplayedValues) {
  form::frmKestova& form = loaded();
  form.SetCheckValue("chkAvDevs", 1);
  std::vector<std::string> seen;
  for (double dx : {0.25, 0.26, 0.3}) {
    pickX(dx);
    seen.push_back(form.Text("txtXav") + " n=" + std::to_string(form.variables().X1));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"0.250 n=1", "0.255 n=2", "0.270 n=3"}));
}

TEST_F(Pick, AveragesOnRoundedValuesWithoutDecimals) {
  form::frmKestova& form = loaded(0);
  form.SetCheckValue("chkAvDevs", 1);
  std::vector<std::string> seen;
  for (double dx : {1, 1, 2, 2, 2}) {
    pickX(dx);
    seen.push_back(form.Text("txtXav"));
  }
  EXPECT_EQ(seen, std::vector<std::string>(5, "1"));  // the mean of the values is 1.6
}

TEST_F(Pick, TickingStartsAFreshAverageAndUntickingEmptiesEverything) {
  form::frmKestova& form = loaded();
  pickX(5);
  form.SetCheckValue("chkAvDevs", 1);
  EXPECT_TRUE(form.Visible("txtXav") && form.Visible("txtYav") && form.Visible("txtZav"));
  EXPECT_EQ(averages(), (Fields{"", "", ""}));
  EXPECT_EQ(form.Text("txtXerr"), "5.000");
  EXPECT_EQ(form.variables().X1, 0);
  pickX(1);
  pickX(2);
  EXPECT_EQ(averages(), (Fields{"1.500", "0.000", "0.000"}));

  form.SetCheckValue("chkAvDevs", 0);
  EXPECT_EQ(deviations(), (Fields{"", "", ""}));
  EXPECT_EQ(averages(), (Fields{"", "", ""}));
  EXPECT_FALSE(form.Visible("txtXav") || form.Visible("txtYav") || form.Visible("txtZav"));
  EXPECT_EQ(form.variables().X1, 0);
}

TEST_F(Pick, TypedAveragesAreTakenAsTheyStand) {
  form::frmKestova& form = loaded();
  form.SetCheckValue("chkAvDevs", 1);
  pick(Point3(1, 1, 1));
  form.SetText("txtYav", "3");
  form.SetText("txtZav", "abc");  // no number counts as 0
  pick(Point3(1, 1, 1));
  EXPECT_EQ(averages(), (Fields{"1.000", "2.000", "0.500"}));

  // Emptied by hand: the next pick copies, and the count since the tick goes on.
  form.SetText("txtXav", "");
  pick(Point3(4, 0, 0));
  EXPECT_EQ(averages(), (Fields{"4.000", "0.000", "0.000"}));
  pickX(0);  // (0 + 3 * 4) / 4
  EXPECT_EQ(form.Text("txtXav"), "3.000");
}

TEST_F(Pick, ACancelledPickIsReportedAndChangesNoField) {
  form::frmKestova& form = loaded();
  form.SetCheckValue("chkAvDevs", 1);
  pickX(1);
  for (bool designPicked : {false, true}) {
    messages.informed.clear();
    shown_.changes.clear();
    if (designPicked) points->push(Point3(9, 9, 9));
    points->pushCancel();
    form.runReported([&] { form.cmdPickDevs_Click(); });
    EXPECT_EQ(messages.informed,
              std::vector<std::string>{"Error " + std::to_string(host::kMethodFailed) +
                                       ": Point request cancelled"});
    EXPECT_EQ(shown_.changes, (std::vector<std::string>{"Hide", "Show"}));
    EXPECT_EQ(deviations(), (Fields{"1.000", "0.000", "0.000"}));
    EXPECT_EQ(averages(), (Fields{"1.000", "0.000", "0.000"}));
    EXPECT_EQ(form.variables().X1, 1);
  }
  EXPECT_EQ(form.variables().PickPnt1, Point3(9, 9, 9));  // taken before the cancel
}

TEST_F(Pick, AnUnconnectedDialogReportsTheMissingConnection) {
  messages.answerYes = false;
  load().Show();
  form->runReported([this] { form->cmdPickDevs_Click(); });
  EXPECT_EQ(messages.informed,
            std::vector<std::string>{"Error 91: " + cad::objectNotSetError().description()});
  EXPECT_TRUE(form->IsShown());
}

TEST_F(Pick, TheCountStopsAt32767WithOverflow) {
  form::frmKestova& form = loaded();
  form.variables().X1 = 32767;
  pickX(2);  // averaging off: fails when the count is raised
  EXPECT_EQ(messages.informed, std::vector<std::string>{"Error 6: Overflow"});
  EXPECT_EQ(form.Text("txtXerr"), "2.000");
  EXPECT_TRUE(form.IsShown());

  form.SetCheckValue("chkAvDevs", 1);
  pickX(1);
  form.variables().X1 = 32767;
  pickX(3);  // averaging on: fails before the averages change
  EXPECT_EQ(form.Text("txtXerr"), "3.000");
  EXPECT_EQ(form.Text("txtXav"), "1.000");
  EXPECT_EQ(form.variables().X1, 32767);

  form.variables().X1 = 10;
  form.SetText("txtXav", "1e308");  // a mean beyond the range of a double
  pickX(1);
  EXPECT_EQ(form.Text("txtXav"), "1e308");
  EXPECT_EQ(form.variables().X1, 10);
  EXPECT_EQ(messages.informed.size(), 3u);
}

}  // namespace
