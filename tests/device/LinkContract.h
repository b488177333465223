#pragma once

#include "DeviceTestRig.h"
#include "device/ControllerLink.h"

#include <functional>
#include <memory>
#include <ostream>

namespace corvane::test {

// One ControllerLink implementation with a controller behind it, as the
// contract suite drives it. Its messages go to prompter.
class LinkUnderTest {
public:
    virtual ~LinkUnderTest() = default;
    virtual ControllerLink& link() = 0;
    // Takes the controller away: the next open finds nothing.
    virtual void removeController() = 0;

    RecordingPrompter prompter;
};

struct LinkFactory {
    std::string name;
    std::function<std::unique_ptr<LinkUnderTest>()> make;
};

inline void PrintTo(const LinkFactory& factory, std::ostream* out) {
    *out << factory.name;
}

// What every ControllerLink does, written once. An implementation joins with
//   INSTANTIATE_TEST_SUITE_P(Name, LinkContract, ::testing::Values(LinkFactory{...}),
//                            LinkContract::Name);
class LinkContract : public ::testing::TestWithParam<LinkFactory>, public ProgramSide {
public:
    static std::string Name(const ::testing::TestParamInfo<LinkFactory>& info) {
        return info.param.name;
    }

protected:
    std::unique_ptr<LinkUnderTest> under = GetParam().make();
    ControllerLink& link = under->link();
    ControllerProtocol protocol{link, pacer, under->prompter};
};

} // namespace corvane::test
