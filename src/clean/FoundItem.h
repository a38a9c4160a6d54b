// An item's find step and its clean step: the find step lists what would go and what stays
// (Findings) without changing anything; `clean` then removes what was listed and writes the
// report block(s). A clean run calls both; a preview shows the findings alone.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "clean/CleanItems.h"
#include "clean/Findings.h"

struct FoundRow {
    std::string name;  // the preview's row: the item's title without "Cleaning ", or a profile
    Findings findings;
    std::function<void(std::string& report)> clean;
};

// The row of an item with one report block, whose body is `body` (see WriteReportBlock).
FoundRow ItemRow(CleanItem item, Findings findings, std::function<bool(std::string& report)> body);

// A failure met by a find step, kept to be raised where the clean step reaches that part, so
// that the report tells it at the same place as a clean without a find step would.
class FindFailure {
  public:
    // Runs `find`; a failure is kept and noted in the findings' details.
    void Catch(Findings& findings, const std::function<void()>& find);
    // Raises the kept failure, if any.
    void Rethrow() const {
        if (failure_) std::rethrow_exception(failure_);
    }
    bool Failed() const { return failure_ != nullptr; }

  private:
    std::exception_ptr failure_;
};
