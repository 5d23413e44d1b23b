// The vector tool's actions against in-memory controls.
#include "VectorsController.h"

#include "platform/MemoryControls.h"

#include <gtest/gtest.h>

namespace {

struct VectorTool
{
    test::Journal journal;
    test::MemoryApplication application{journal};
    test::MemoryField angle{"angle", journal};
    test::MemoryField listOfVectors{"listOfVectors", journal};
    test::MemoryWindow myself{"myself", journal};
    test::MemoryField name{"name", journal};
    test::MemoryWindow newVectWin{"newVectWin", journal};
    test::MemoryField power{"power", journal};
    test::MemoryChoice where{"where", journal};
    test::MemoryField numberOfVectors{"numberOfVectors", journal};
    test::MemoryWindow firstPanel{"firstPanel", journal};
    test::MemoryField result{"result", journal};
    test::MemoryField rx{"rx", journal};
    test::MemoryField ry{"ry", journal};
    VectorsController controller;

    VectorTool()
    {
        controller.angle = &angle;
        controller.listOfVectors = &listOfVectors;
        controller.myself = &myself;
        controller.name = &name;
        controller.newVectWin = &newVectWin;
        controller.power = &power;
        controller.where = &where;
        controller.numberOfVectors = &numberOfVectors;
        controller.firstPanel = &firstPanel;
        controller.result = &result;
        controller.rx = &rx;
        controller.ry = &ry;
    }
};

TEST(Abort, ends_the_count_panel_then_hides_it_and_the_window_keeping_the_fields)
{
    VectorTool tool;
    tool.listOfVectors.text = "F1/10/30/++\n";
    tool.rx.text = "8.6603";

    tool.controller.abort(nullptr);

    EXPECT_EQ(tool.journal,
              (test::Journal{"endSheet firstPanel", "hide firstPanel", "hide myself"}));
    EXPECT_EQ(tool.listOfVectors.text, "F1/10/30/++\n");
    EXPECT_EQ(tool.rx.text, "8.6603");
}

} // namespace
