#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iosfwd>
#include <sstream>
#include <string>
#include <vector>

// A test of one command: a scratch folder named after the test, file helpers, and the command's
// run function with captured output.
template <int (*RUN)(const std::vector<std::string>&, std::ostream&, std::ostream&)>
class TCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = std::filesystem::temp_directory_path() /
                  ("motivica_" + std::string(info->test_suite_name()) + "_" + info->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::string path(const std::string& name) const { return (folder_ / name).string(); }
    std::string write(const std::string& name, const std::string& text) const {
        std::ofstream(path(name), std::ios::binary) << text;
        return path(name);
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    int run(const std::vector<std::string>& args) {
        out_.str("");
        err_.str("");
        return RUN(args, out_, err_);
    }

    std::filesystem::path folder_;
    std::ostringstream out_;
    std::ostringstream err_;
};
