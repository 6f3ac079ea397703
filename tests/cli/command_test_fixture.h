#pragma once

#include <gtest/gtest.h>

#include <iosfwd>
#include <sstream>
#include <string>
#include <vector>

#include "support/scratch_folder.h"

// A test of one command: a scratch folder named after the test, file helpers, and the command's
// run function with captured output.
template <int (*RUN)(const std::vector<std::string>&, std::ostream&, std::ostream&)>
class TCommandTest : public ::testing::Test {
  protected:
    std::string path(const std::string& name) const { return scratch_.path(name); }
    std::string write(const std::string& name, const std::string& text) const {
        return scratch_.write(name, text);
    }
    std::string read(const std::string& name) const { return scratch_.read(name); }
    int run(const std::vector<std::string>& args) {
        out_.str("");
        err_.str("");
        return RUN(args, out_, err_);
    }

    TScratchFolder scratch_{testName()};
    std::ostringstream out_;
    std::ostringstream err_;

  private:
    static std::string testName() {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        return std::string(info->test_suite_name()) + "_" + info->name();
    }
};
