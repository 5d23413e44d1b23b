// A press's notes reach the window's pane and the field read, and say what
// the running mean's float count cannot.
#include "ErrorController.h"
#include "MemoryControls.h"

#include <gtest/gtest.h>

namespace {

TEST(Notes, go_to_the_pane_mark_the_field_read_and_say_when_the_count_stops_growing)
{
    test::Journal journal;
    test::MemoryField value{"valToMedia", journal};
    test::MemoryPane pane;
    ErrorController controller;
    controller.valToMedia = &value;
    controller.notes = &pane;
    runningMean::reset();

    // Half read, so left out of the series; the field keeps it and its mark.
    value.text = "1.02.5";
    controller.addToMedia(nullptr);
    ASSERT_TRUE(value.mark);
    EXPECT_EQ(pane.english(), platform::english(*value.mark)
                                  + "\n“1.02.5” was not added: the series takes only a number "
                                    "read in full. Correct it and add it again.\n");
    EXPECT_EQ(journal, (test::Journal{"read valToMedia"})); // still one reading per press
    EXPECT_EQ(runningMean::totals().counter, 0.0f);
    value.text = "1.02";
    controller.addToMedia(nullptr);
    EXPECT_FALSE(value.mark);
    EXPECT_EQ(pane.english(), "Values in the mean: 1.\n");

    runningMean::reset({0.0f, 16777216.0f});
    controller.addToMedia(nullptr);
    EXPECT_NE(pane.english().find("stopped growing at 16777216"), std::string::npos);
}

} // namespace
