#pragma once
// The serial port that the service holds from enabling to disabling or
// closing, and its "PortHandle" registry entry.
#include <cstdint>
#include <string>

namespace service {

// The port number of a configured name such as COM12: the decimal digits
// after "COM". Throws ServiceError when they are not a number (COMX).
int32_t PortNumberOf(const std::string& portName);

// Opens the port at FBaudRate after closing one still held; FPortHandle
// becomes the handle, or 0 when opening failed.
bool OpenServicePort(int32_t portNumber);
// Closes the held port, if any; FPortHandle becomes 0.
void CloseServicePort();

enum class PortHandleWrite { Written, KeyNotOpened, ValueNotSet };
PortHandleWrite WritePortHandleEntry(int32_t handle);

}  // namespace service
