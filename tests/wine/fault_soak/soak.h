#pragma once
// One soak run: the service object that the OPOS registry names, opened on the
// simulated printer, rings up the documents while the printer misbehaves at
// random; then the assessment.
#include "assessment.h"

namespace faultsoak {

// The faults of a full run: the printer silent before or after carrying the
// command out, NAK, a garbled reply, SYN trains, a pause inside the reply,
// and paper out.
inline const std::vector<std::string> kAllFaultKinds = {"silence", "lostreply", "nak",     "badsum",
                                                        "syn",     "pause",     "paperout"};

// The report goes to `report`, a line every 25 documents to `progress`.
// Throws std::runtime_error when the service does not open or the printer
// cannot be scripted.
Findings RunSoak(const Settings& settings, printersim::ControlClient& printer, const Print& report,
                 const Print& progress);

}  // namespace faultsoak
