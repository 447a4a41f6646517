#include "insert/control_ids.h"

#include <gtest/gtest.h>

namespace {

// The ids and the names are two lists side by side: each id must carry its own name.
TEST(ControlIds, EachIsNamedAsItself) {
#define EXPECT_NAMED_AS_ITSELF(id) EXPECT_EQ(insert::nameOf(insert::ControlId::id), #id)
  EXPECT_NAMED_AS_ITSELF(optInSeperatly);
  EXPECT_NAMED_AS_ITSELF(txtXerr);
  EXPECT_NAMED_AS_ITSELF(txtYerr);
  EXPECT_NAMED_AS_ITSELF(txtZerr);
  EXPECT_NAMED_AS_ITSELF(chkXdev);
  EXPECT_NAMED_AS_ITSELF(chkYdev);
  EXPECT_NAMED_AS_ITSELF(chkZdev);
  EXPECT_NAMED_AS_ITSELF(txtXav);
  EXPECT_NAMED_AS_ITSELF(txtYav);
  EXPECT_NAMED_AS_ITSELF(txtZav);
  EXPECT_NAMED_AS_ITSELF(optInGrouped);
  EXPECT_NAMED_AS_ITSELF(optZBubble);
  EXPECT_NAMED_AS_ITSELF(optZVector);
  EXPECT_NAMED_AS_ITSELF(cmdInsert);
  EXPECT_NAMED_AS_ITSELF(Frame2);
  EXPECT_NAMED_AS_ITSELF(Frame3);
  EXPECT_NAMED_AS_ITSELF(Frame4);
  EXPECT_NAMED_AS_ITSELF(txtTextHgt);
  EXPECT_NAMED_AS_ITSELF(Frame1);
  EXPECT_NAMED_AS_ITSELF(chkAvDevs);
  EXPECT_NAMED_AS_ITSELF(cmdPickDevs);
#undef EXPECT_NAMED_AS_ITSELF
}

}  // namespace
