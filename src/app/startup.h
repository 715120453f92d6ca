#pragma once

namespace amorisk {

class RaiseChannel;
class SingleInstance;

// The start-up sequence up to the point where the program waits for events.
// False when the program must end at once (another instance runs). With a
// channel, a refused start asks the running program to come forward, and a
// start that runs listens for such requests.
bool startUp(SingleInstance &instance, RaiseChannel *raise = nullptr);

} // namespace amorisk
