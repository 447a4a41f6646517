// Pick and the Average box: deviations along the UCS axes and the running average, as the
// fields show them.
#include <gtest/gtest.h>

#include <Eigen/Geometry>
#include <array>

#include "host/automation/call_guard.h"
#include "host_fixture.h"

namespace {

using cad::Point3;

class Pick : public apptest::HostFixture {
 protected:
  void SetUp() override { setPrecision(3); }

  void setPrecision(int luprec) {
    if (!cad_) cad_ = runHost("AutoCAD.Application.16");
    host::model::HeaderVariables header;
    header.luprec = luprec;
    cad_->activeModel()->setHeader(header);
  }

  app::frmKestova& loaded() {
    loadOnHost().Show();
    form->setObserver(&shown_);
    return *form;
  }

  // One pick whose survey point lies `deviation` from a design point, both in world coordinates.
  void pick(const Point3& deviation, const Point3& design = Point3(1, 2, 3)) {
    points->push(design);
    points->push(design + deviation);
    form->runReported([this] { form->cmdPickDevs_Click(); });
  }
  void pickX(double dx) { pick(Point3(dx, 0, 0)); }

  std::array<std::string, 3> deviations() const {
    return {form->Text("txtXerr"), form->Text("txtYerr"), form->Text("txtZerr")};
  }
  std::array<std::string, 3> averages() const {
    return {form->Text("txtXav"), form->Text("txtYav"), form->Text("txtZav")};
  }

  std::shared_ptr<host::HostApplication> cad_;
  apptest::ShownRecorder shown_;
};

using Fields = std::array<std::string, 3>;

TEST_F(Pick, WritesSurveyMinusDesignInTheDrawingsPrecision) {
  app::frmKestova& form = loaded();
  pick(Point3(0.25, -0.1, 0), Point3(1, 2, 3));
  EXPECT_EQ(deviations(), (Fields{"0.250", "-0.100", "0.000"}));
  EXPECT_EQ(points->prompts(),
            (std::vector<std::string>{"From Design Point ", "To Survey Point "}));
  EXPECT_EQ(shown_.changes, (std::vector<bool>{false, true}));
  EXPECT_EQ(form.variables().X1, 1);
  EXPECT_EQ(form.variables().PickPnt2, Point3(1, 2, 3) + Point3(0.25, -0.1, 0));
  EXPECT_TRUE(messages.informed.empty());
}

TEST_F(Pick, FollowsTheAxesOfTheCurrentUcs) {
  loaded();
  // X along world Y, Y along world -X; the origin plays no part.
  const auto ucs =
      host::geom::Frame::fromDirections(Point3(100, -40, 7), Point3(0, 1, 0), Point3(-1, 0, 0));
  drawing().setCurrentUcs({"", ucs});
  pick(Point3(0.25, -0.1, 0), Point3(5, 6, 7));
  EXPECT_EQ(deviations(), (Fields{"-0.100", "-0.250", "0.000"}));
  // The design point, too, is kept in UCS coordinates.
  EXPECT_TRUE(form->variables().PickPnt1->isApprox(Point3(46, 95, 0)));
}

TEST_F(Pick, TheSamePointTwiceGivesZeroInEveryAxis) {
  loaded();
  pick(Point3(0, 0, 0), Point3(-3.3, 0.1, 1e6));
  EXPECT_EQ(deviations(), (Fields{"0.000", "0.000", "0.000"}));
}

TEST_F(Pick, AveragesTheDisplayedValues) {
  app::frmKestova& form = loaded();
  form.SetCheckValue("chkAvDevs", 1);
  std::vector<std::string> seen;
  std::vector<int> counts;
  for (double dx : {0.25, 0.26, 0.3}) {
    pickX(dx);
    seen.push_back(form.Text("txtXav"));
    counts.push_back(form.variables().X1);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"0.250", "0.255", "0.270"}));
  EXPECT_EQ(counts, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(form.Text("txtYav"), "0.000");
}

TEST_F(Pick, AveragesOnRoundedValuesWithoutDecimals) {
  setPrecision(0);
  app::frmKestova& form = loaded();
  form.SetCheckValue("chkAvDevs", 1);
  std::vector<std::string> seen;
  for (double dx : {1, 1, 2, 2, 2}) {
    pickX(dx);
    seen.push_back(form.Text("txtXav"));
  }
  EXPECT_EQ(seen, std::vector<std::string>(5, "1"));  // the mean of the values would be 1.6
}

TEST_F(Pick, PicksBeforeTheTickAreNotAveraged) {
  app::frmKestova& form = loaded();
  pickX(5);
  pickX(7);
  form.SetCheckValue("chkAvDevs", 1);
  EXPECT_TRUE(form.Visible("txtXav"));
  EXPECT_EQ(averages(), (Fields{"", "", ""}));
  EXPECT_EQ(form.Text("txtXerr"), "7.000");  // ticking keeps the deviations
  EXPECT_EQ(form.variables().X1, 0);
  pickX(1);
  EXPECT_EQ(averages(), (Fields{"1.000", "0.000", "0.000"}));
}

TEST_F(Pick, UntickingEmptiesAllSixFieldsAndHidesTheAverages) {
  app::frmKestova& form = loaded();
  form.SetCheckValue("chkAvDevs", 1);
  pickX(1);
  pickX(2);
  form.SetCheckValue("chkAvDevs", 0);
  EXPECT_EQ(deviations(), (Fields{"", "", ""}));
  EXPECT_EQ(averages(), (Fields{"", "", ""}));
  EXPECT_FALSE(form.Visible("txtXav") || form.Visible("txtYav") || form.Visible("txtZav"));
  EXPECT_EQ(form.variables().X1, 0);
  form.SetCheckValue("chkAvDevs", 1);
  EXPECT_TRUE(form.Visible("txtXav") && form.Visible("txtYav") && form.Visible("txtZav"));
  EXPECT_EQ(averages(), (Fields{"", "", ""}));
}

TEST_F(Pick, AnAverageEmptiedByHandRestartsWithTheCountKept) {
  app::frmKestova& form = loaded();
  form.SetCheckValue("chkAvDevs", 1);
  pickX(1);
  pickX(3);  // average 2, count 2
  form.SetText("txtXav", "");
  form.SetText("txtYav", "junk");
  pickX(4);  // copied: all three fields take the deviations
  EXPECT_EQ(averages(), (Fields{"4.000", "0.000", "0.000"}));
  pickX(1);  // (1 + 3 * 4) / 4
  EXPECT_EQ(form.Text("txtXav"), "3.250");
}

TEST_F(Pick, ATypedAverageIsUsedByTheNextPick) {
  app::frmKestova& form = loaded();
  form.SetCheckValue("chkAvDevs", 1);
  pick(Point3(1, 1, 1));
  form.SetText("txtYav", "3");
  form.SetText("txtZav", "abc");  // no number counts as 0
  pick(Point3(1, 1, 1));
  EXPECT_EQ(averages(), (Fields{"1.000", "2.000", "0.500"}));
}

TEST_F(Pick, ACancelledPickIsReportedAndChangesNoField) {
  app::frmKestova& form = loaded();
  form.SetCheckValue("chkAvDevs", 1);
  pickX(1);
  for (int cancelledRequest = 0; cancelledRequest < 2; ++cancelledRequest) {
    messages.informed.clear();
    shown_.changes.clear();
    if (cancelledRequest == 1) points->push(Point3(9, 9, 9));
    points->pushCancel();
    form.runReported([&] { form.cmdPickDevs_Click(); });
    EXPECT_EQ(messages.informed,
              std::vector<std::string>{"Error " + std::to_string(host::kMethodFailed) +
                                       ": Point request cancelled"});
    EXPECT_EQ(shown_.changes, (std::vector<bool>{false, true}));
    EXPECT_EQ(deviations(), (Fields{"1.000", "0.000", "0.000"}));
    EXPECT_EQ(averages(), (Fields{"1.000", "0.000", "0.000"}));
    EXPECT_EQ(form.variables().X1, 1);
  }
  // The design point of the second attempt was taken before the survey point was cancelled.
  EXPECT_EQ(form.variables().PickPnt1, Point3(9, 9, 9));
}

TEST_F(Pick, AnUnconnectedDialogReportsTheMissingConnection) {
  running.clear();
  messages.answerYes = false;
  app::frmKestova& form = loaded();
  form.runReported([&] { form.cmdPickDevs_Click(); });
  EXPECT_EQ(messages.informed,
            std::vector<std::string>{"Error 91: " + cad::objectNotSetError().description()});
  EXPECT_TRUE(form.IsShown());
}

TEST_F(Pick, TheCountStopsAt32767WithOverflow) {
  app::frmKestova& form = loaded();
  form.variables().X1 = 32767;
  pickX(2);  // averaging off: fails when the count is raised
  EXPECT_EQ(messages.informed, std::vector<std::string>{"Error 6: Overflow"});
  EXPECT_EQ(form.Text("txtXerr"), "2.000");
  EXPECT_EQ(form.variables().X1, 32767);
  EXPECT_TRUE(form.IsShown());

  form.SetCheckValue("chkAvDevs", 1);
  pickX(1);
  form.variables().X1 = 32767;
  pickX(3);  // averaging on: fails before the averages change
  EXPECT_EQ(form.Text("txtXerr"), "3.000");
  EXPECT_EQ(form.Text("txtXav"), "1.000");
  EXPECT_EQ(form.variables().X1, 32767);
  EXPECT_EQ(messages.informed.size(), 2u);
}

TEST_F(Pick, AMeanBeyondTheRangeOfADoubleFailsWithOverflow) {
  app::frmKestova& form = loaded();
  form.SetCheckValue("chkAvDevs", 1);
  pickX(1);
  form.variables().X1 = 10;
  form.SetText("txtXav", "1e308");
  pickX(1);
  EXPECT_EQ(messages.informed, std::vector<std::string>{"Error 6: Overflow"});
  EXPECT_EQ(form.Text("txtXav"), "1e308");
  EXPECT_EQ(form.variables().X1, 10);
}

}  // namespace
