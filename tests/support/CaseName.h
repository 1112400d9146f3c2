#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace corvane::testing_support {

// Names each row of a table-driven test after its `name` field, so a failure
// says which case broke.
struct CaseName {
    template <class Param>
    std::string operator()(const testing::TestParamInfo<Param>& row) const {
        std::string name = row.param.name;
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        }
        return name;
    }
};

}  // namespace corvane::testing_support
