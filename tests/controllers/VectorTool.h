// The vector tool on memory controls, and what a person does with it.
#pragma once

#include "MemoryControls.h"
#include "PhysicsController.h"
#include "VectorsController.h"

#include <string>

namespace test {

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
    test::MemoryField vnumb{"vnumb", journal};
    test::MemoryWindow firstPanel{"firstPanel", journal};
    test::MemoryField result{"result", journal};
    test::MemoryField rx{"rx", journal};
    test::MemoryField ry{"ry", journal};
    // The bearings write to a journal of their own: the run's journal is
    // what the fixed fields were given.
    Journal bearings;
    test::MemoryField bearing{"bearing", bearings};
    test::MemoryField resultBearing{"resultBearing", bearings};
    test::MemoryDiagram diagram;
    VectorsController controller;
    PhysicsController launcher;

    VectorTool()
    {
        vectorStore::reset();
        controller.angle = &angle;
        controller.listOfVectors = &listOfVectors;
        controller.myself = &myself;
        controller.name = &name;
        controller.newVectWin = &newVectWin;
        controller.power = &power;
        controller.where = &where;
        controller.numberOfVectors = &numberOfVectors;
        controller.vnumb = &vnumb;
        controller.firstPanel = &firstPanel;
        controller.result = &result;
        controller.rx = &rx;
        controller.ry = &ry;
        controller.bearing = &bearing;
        controller.resultBearing = &resultBearing;
        controller.diagram = &diagram;
        launcher.numberOfVectors = &firstPanel;
        launcher.vectWin = &myself;
    }
    ~VectorTool() { vectorStore::reset(); }
    VectorTool(const VectorTool&) = delete;
    VectorTool& operator=(const VectorTool&) = delete;

    // What the user does, through the buttons that are there to press.
    void open() { launcher.awakeVectors(nullptr); }
    void declare(const std::string& count)
    {
        numberOfVectors.text = count;
        controller.declareVectorsNumber(nullptr);
    }
    void enter(const std::string& vectorName, const std::string& magnitude,
               const std::string& degrees, const std::string& code)
    {
        name.text = vectorName;
        power.text = magnitude;
        angle.text = degrees;
        where.chosen = code;
        controller.confirm(nullptr);
    }
    std::string sheet() const { return application.sheetOn(myself); }
};

} // namespace test
