#pragma once

#include <gtest/gtest.h>
#include <string>

namespace testola::testing {

// Names each row of a parameterised table after its own `name` field, so failures say which row broke.
struct RowName {
    template <class Row> std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

} // namespace testola::testing
