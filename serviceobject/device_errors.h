#pragma once
#include <string>

#include "devicelink/device_reply.h"

namespace service {

// Russian text of a reply's device error code, or of its time-out. True only
// for "0000" without a time-out (text empty). A code whose first four
// characters are not upper-case hexadecimal digits gives false and no text,
// as does a code that the printer's table does not know.
bool DecodeDeviceError(const devicelink::TDeviceReply& reply, std::string& text);

}  // namespace service
