// A press's notes reach the window's pane and the field read, and say what
// the running mean's float count cannot.
#include "ErrorController.h"
#include "MemoryControls.h"

#include <gtest/gtest.h>

namespace {

class Notes : public testing::Test
{
protected:
    Notes()
    {
        controller.valToMedia = &value;
        controller.notes = &pane;
        runningMean::reset();
    }
    ~Notes() override { runningMean::reset(); }

    test::Journal journal;
    test::MemoryField value{"valToMedia", journal};
    test::MemoryNotesPane pane;
    ErrorController controller;
};

TEST_F(Notes, go_to_the_pane_and_mark_the_field_read)
{
    value.text = "1,02";
    controller.addToMedia(nullptr);
    ASSERT_TRUE(value.mark);
    EXPECT_EQ(pane.lines,
              (std::vector<std::string>{platform::english(*value.mark), "Values in the mean: 1."}));
    // One reading per press, as before the notes.
    EXPECT_EQ(journal, (test::Journal{"read valToMedia"}));

    value.text = "1.02";
    controller.addToMedia(nullptr);
    EXPECT_FALSE(value.mark);
    EXPECT_EQ(pane.lines, (std::vector<std::string>{"Values in the mean: 2."}));
}

TEST_F(Notes, say_when_the_count_stops_growing)
{
    runningMean::reset({0.0f, 16777216.0f});

    value.text = "1";
    controller.addToMedia(nullptr);
    ASSERT_FALSE(pane.lines.empty());
    EXPECT_NE(pane.lines.front().find("stopped growing at 16777216"), std::string::npos);
}

} // namespace
