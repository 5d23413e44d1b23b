// Names each row of a parameterized GoogleTest table after its name column.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace test {

struct RowName
{
    template <class Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const
    {
        return info.param.name;
    }
};

} // namespace test
