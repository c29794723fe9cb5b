#pragma once
// Building a command's frame from the catalogue and the window's current
// control values, paramCode and paramIndex.
#include <optional>
#include <string>

#include "controls/bytes.h"
#include "link/link_state.h"

namespace kavel {

class Form1;

// The frame of command `kind` as the controls stand now. Empty when `kind`
// is not in the catalogue or a value it carries has no wire byte.
std::optional<Bytes> buildFrame(int kind, Form1& form);

// The reply text that acknowledges command `kind`: "35820202", or six
// characters where the code byte varies ("358203"). Empty for a kind that
// is not acknowledged this way (the read request, unknown kinds).
std::string ackText(int kind, const LinkState& state);

}  // namespace kavel
