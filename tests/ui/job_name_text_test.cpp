// The job name as the main window shows it: the label and the caption.
#include <gtest/gtest.h>

#include "ui/main_window/job_name_text.h"

namespace ventora {
namespace {

TEST(JobNameLabelText, ShortNamesShowWhole) {
  EXPECT_EQ(JobNameLabelText(""), "");
  EXPECT_EQ(JobNameLabelText("/home/ann/jobs/tower"), "/home/ann/jobs/tower");
  const std::string sixtyTwo = "/" + std::string(55, 'd') + "/tower";
  ASSERT_EQ(sixtyTwo.size(), 62u);
  EXPECT_EQ(JobNameLabelText(sixtyTwo), sixtyTwo);
}

TEST(JobNameLabelText, LongNamesShowRootEllipsisAndFileName) {
  const std::string sixtyThree = "/" + std::string(56, 'd') + "/tower";
  EXPECT_EQ(JobNameLabelText(sixtyThree), "/.../tower");
  const std::string seventy = "/home/ann/projects/wind/2026/district-north/block-a/offices/tower";
  ASSERT_GT(seventy.size(), 62u);
  EXPECT_EQ(JobNameLabelText(seventy), "/.../tower");
  EXPECT_EQ(JobNameLabelText("/" + std::string(70, 'x')),
            "/..." + std::string("/") + std::string(70, 'x'));
}

TEST(MainCaption, IsTheFileNameAndTheProgramTitle) {
  EXPECT_EQ(MainCaption("/jobs/house.in"), "house.in - Ventora+ - Wind Pressure on Buildings");
  EXPECT_EQ(MainCaption("house.in"), "house.in - Ventora+ - Wind Pressure on Buildings");
  EXPECT_EQ(MainCaption("/.../tower"), "tower - Ventora+ - Wind Pressure on Buildings");
}

}  // namespace
}  // namespace ventora
