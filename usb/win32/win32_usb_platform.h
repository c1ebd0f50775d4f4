// The platform operations of the hub search on the real Windows hub driver and SetupAPI.
#pragma once
#include "usb/usb_platform.h"

namespace usb {

// A process-wide table; every entry forwards to the Windows call it is named after.
const UsbPlatformOps& Win32UsbPlatform();

}  // namespace usb
