#pragma once

struct Device;

// The emulated device has no speaker: its beep is a line in the host's log.
namespace speaker {

void beep(const Device& device);

}  // namespace speaker
