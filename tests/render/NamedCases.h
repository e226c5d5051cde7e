#pragma once

#include <gtest/gtest.h>

#include <string>

// Names each case of a parameterised table after its `name` field, so that every case shows in
// the test list as what it demonstrates.
struct CaseName {
    template <typename Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};
