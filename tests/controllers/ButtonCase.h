// Table rows for a calculator button: the texts in the fields it reads, and
// what it must read and write when pressed, checked through the journal of
// in-memory fields named after their outlets.
#pragma once

#include "MemoryControls.h"
#include "RowName.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace test {

// A field's outlet name and a text in it.
struct FieldText
{
    std::string field;
    std::string text;
};

template <class Controller>
struct ButtonCase
{
    std::string name;
    void (Controller::*action)(platform::Sender);
    std::vector<FieldText> typed; // in the order the button reads them
    std::vector<FieldText> shown; // in the order it writes them
};

// In-memory fields by outlet name, all writing to one journal.
class Fields
{
public:
    Fields(std::initializer_list<const char*> names)
    {
        for (const char* name : names)
            fields.try_emplace(name, name, journal);
    }

    MemoryField& at(const std::string& name) { return fields.at(name); }

    Journal journal;

private:
    std::map<std::string, MemoryField> fields;
};

// Types the row's texts without journaling them, then presses its button.
template <class Controller>
void press(Controller& controller, Fields& fields, const ButtonCase<Controller>& row)
{
    for (const FieldText& typed : row.typed)
        fields.at(typed.field).text = typed.text;
    (controller.*row.action)(nullptr);
}

// "read" for each typed field in order.
template <class Controller>
Journal reads(const ButtonCase<Controller>& row)
{
    Journal journal;
    for (const FieldText& typed : row.typed)
        journal.push_back("read " + typed.field);
    return journal;
}

// Every read in order, then every write in order.
template <class Controller>
Journal readsThenWrites(const ButtonCase<Controller>& row)
{
    Journal journal = reads(row);
    for (const FieldText& shown : row.shown)
        journal.push_back("write " + shown.field + "=" + shown.text);
    return journal;
}

} // namespace test
