#pragma once
// Outcome of an operation that can fail on its input: empty when it succeeded,
// otherwise a message a person can act on.

#include <string>
#include <utility>

namespace gm {

class [[nodiscard]] Status {
  public:
    Status() = default;
    static Status fehler(std::string meldung) { return Status(std::move(meldung)); }
    bool ok() const { return meldung_.empty(); }
    explicit operator bool() const { return ok(); }
    const std::string& meldung() const { return meldung_; }

  private:
    explicit Status(std::string meldung) : meldung_(std::move(meldung)) {
        if (meldung_.empty()) meldung_ = "unknown error";
    }
    std::string meldung_;
};

}  // namespace gm
