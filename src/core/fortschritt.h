#pragma once
// Progress of long work. An operation may report how far it is from its
// outer loop; a front end that runs it on a worker thread listens on that
// thread, shows the share and may stop the work: the report then throws
// Abgebrochen, which unwinds the operation. Without a listener on the calling
// thread a report does nothing, so reporting costs the command line nothing.

#include <functional>

namespace gm {

// Thrown through an operation when its listener asked to stop.
struct Abgebrochen {};

// Receives shares 0..1; may throw Abgebrochen.
using FortschrittHoerer = std::function<void(double anteil)>;

// Reports `anteil` (0..1) to the listener of this thread.
void FortschrittMelden(double anteil);

// Listens to the reports of this thread while it lives.
class FortschrittHoeren {
  public:
    explicit FortschrittHoeren(FortschrittHoerer hoerer);
    ~FortschrittHoeren();
    FortschrittHoeren(const FortschrittHoeren&) = delete;
    FortschrittHoeren& operator=(const FortschrittHoeren&) = delete;

  private:
    FortschrittHoerer hoerer_;
    FortschrittHoerer* vorher_;
};

}  // namespace gm
