#pragma once

namespace amorisk {

class SingleInstance;

// The start-up sequence up to the point where the program waits for events.
// False when the program must end at once (another instance runs).
bool startUp(SingleInstance &instance);

} // namespace amorisk
