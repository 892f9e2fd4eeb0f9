// The rules every ToggleList obeys, written once and run against each implementation.
#pragma once

#include "model/toggle_list.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace kavrena::testing {

// A list together with the user's hands on it.
class ToggleListUnderTest {
public:
    virtual ~ToggleListUnderTest() = default;
    virtual ToggleList& list() = 0;
    // What a person does to tick or untick a row: a click on its check box.
    virtual void userClicksBox(int row) = 0;
};

struct ToggleListImplementation {
    std::string name;
    std::function<std::unique_ptr<ToggleListUnderTest>()> make;
};

// Names the implementation in test listings.
inline void PrintTo(const ToggleListImplementation& implementation, std::ostream* out) {
    *out << implementation.name;
}

class ToggleListContract : public ::testing::TestWithParam<ToggleListImplementation> {
protected:
    void SetUp() override { subject_ = GetParam().make(); }
    ToggleList& list() { return subject_->list(); }
    void userClicksBox(int row) { subject_->userClicksBox(row); }

private:
    std::unique_ptr<ToggleListUnderTest> subject_;
};

inline std::string
implementationName(const ::testing::TestParamInfo<ToggleListImplementation>& info) {
    return info.param.name;
}

} // namespace kavrena::testing
