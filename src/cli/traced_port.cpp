#include "cli/traced_port.h"

namespace kavel::cli {

TracedPort::TracedPort(SerialPort& port, const Clock& clock, std::FILE* out)
    : port_(port), clock_(clock), out_(out) {
  port_.onComm = [this] {
    if (onComm) onComm();
  };
}

void TracedPort::write(const Bytes& bytes) {
  trace("->", bytes);
  port_.write(bytes);
}

Bytes TracedPort::readAll() {
  Bytes bytes = port_.readAll();
  if (!bytes.empty()) trace("<-", bytes);
  return bytes;
}

void TracedPort::trace(const char* direction, const Bytes& bytes) {
  std::fprintf(out_, "%7lld ms %s", clock_.nowMs(), direction);
  for (Byte b : bytes) std::fprintf(out_, " %02X", unsigned(b));
  std::fputc('\n', out_);
  std::fflush(out_);
}

}  // namespace kavel::cli
