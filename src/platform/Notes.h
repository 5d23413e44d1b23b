// What one press found out besides its results: how each field was read,
// why a result is infinite or not a number, the digits a fixed format hides,
// and a rounded result of an earlier press read back as an input. The lines
// go to a window's notes pane when the press ends.
#pragma once

#include "Controls.h"
#include "Text.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class Notes
{
public:
    // Starts a press of the button that computes by the given formula; the
    // lines of the last press are forgotten.
    void begin(std::string formula);

    // Reads the field once, as readMeasured does, marks it when the reading
    // is probably not what was meant, and notes a rounded result of an
    // earlier press read back. unit is the field's own unit; symbol names
    // the value in the working ("d"), where a unit converted is shown.
    float read(const Field& field, std::string_view unit, std::string_view symbol = {});

    // The uncertainty typed beside the field's value in this press ("14 ±
    // 0.1 cm"), in the field's unit; 0 when none was.
    float uncertainty(const Field& field) const;

    // "d = 14 cm = 0.14 m": each value of this press typed in another unit
    // than its field's, in the order read. The working starts with them.
    const std::vector<Text>& conversions() const { return converted; }

    // Each value read under a symbol, as the log shows it: the field's unit,
    // and the text typed with its note when the reading was noted.
    struct Input
    {
        std::string symbol;
        std::string unit;
        std::string typed;
        Text note;
    };
    const std::vector<Input>& inputs() const { return inputsRead; }

    // Writes the value as display() does, and notes its digits when the
    // format shows fewer than two significant ones of a nonzero value.
    void display(Field& field, std::string_view format, float value);

    // A quotient's cause when it is infinite or not a number: which field
    // held 0.
    void noteQuotient(const Field& dividend, float a, const Field& divisor, float b);

    // A line that explains the results; one that only informs does not.
    void add(Text line);
    void inform(Text line);
    const std::vector<Text>& lines() const { return noted; }

    // Shows the lines in the pane, if there is one; no lines empty it. A
    // result that is no finite number and that no line explains is put down
    // to a number too large for float.
    void finish(TextPane* pane);

private:
    struct Written
    {
        std::string text;
        float value = 0.0f;
    };

    std::string formula;
    std::vector<Text> noted;
    std::vector<Text> converted;
    std::vector<Input> inputsRead;
    std::vector<Text> unexplained;
    bool explained = false;
    std::map<const Field*, Written> written;
    std::map<const Field*, float> uncertain;
};

} // namespace platform
