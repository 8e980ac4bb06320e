#pragma once
// A scratch folder of the running test's own: named after the test and the
// process, so tests running in parallel never share one; removed at the end.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace gm::test {

class TestOrdner {
  public:
    TestOrdner() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = "gm_" + std::to_string(::getpid());
        if (info) name += std::string("_") + info->test_suite_name() + "_" + info->name();
        pfad_ = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(pfad_);
        std::filesystem::create_directories(pfad_);
    }
    ~TestOrdner() {
        std::error_code fehler;
        std::filesystem::remove_all(pfad_, fehler);
    }
    TestOrdner(const TestOrdner&) = delete;
    TestOrdner& operator=(const TestOrdner&) = delete;

    const std::filesystem::path& pfad() const { return pfad_; }
    std::string datei(const std::string& name) const { return (pfad_ / name).string(); }

  private:
    std::filesystem::path pfad_;
};

}  // namespace gm::test
