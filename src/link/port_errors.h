#pragma once
// The operator's messages for a serial port that cannot be opened or that
// went away, with the port number and the device behind it.
#include <string>

#include "link/serial_port.h"

namespace kavel {

// Port `port` has no device in the port map.
PortError unmappedPortError(int port);

// A failure of the given kind on `device`; `detail` is the system's own
// wording, added for the kinds that have no more precise advice.
PortError portError(PortError::Kind kind, int port, const std::string& device,
                    const std::string& detail = {});

// A failure described by a system error number (ENOENT, EACCES, EBUSY, ...).
PortError portErrorFromErrno(int err, int port, const std::string& device);

// The port stopped working while open (adapter unplugged, line hung up).
std::string portLostMessage(int port, const std::string& device);

}  // namespace kavel
