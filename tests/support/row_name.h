#pragma once

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace testola::testing {

// The first field of every row of a parameterised table: its name, which test listings and failure messages
// show instead of the row's raw bytes.
struct NamedRow {
    const char* name;

    friend std::ostream& operator<<(std::ostream& out, const NamedRow& row) { return out << row.name; }
};

// Names each row's test after the row's own name, so failures say which row broke.
struct RowName {
    template <class Row> std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

} // namespace testola::testing
