// Finds the receiver on the USB tree through the hub driver and carries control-IN requests to it as
// descriptor requests to its hub port.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "usb/usb_platform.h"

// The place of one found receiver.
struct ReceiverLocation {
  std::string hubName;  // as the hub driver reports it, without "\\.\"; at most 600 bytes
  int32_t port = 0;     // 1-based downstream port of that hub
  // The IDs the hub driver showed for the device at the port when it was found. A device plugged
  // into the receiver's port in its place shows others, and must not get the receiver's erase- and
  // program-shaped requests.
  uint16_t vendorId = 0;
  uint16_t productId = 0;
};

// One control-IN GET_DESCRIPTOR request to the device at `location`: opens the hub, checks that a
// device is still connected at the port and that the hub driver still shows it with the location's
// IDs, sends the request, closes the hub. On success copies the reply (at most wLength bytes) to
// reply and its length to *replyLength (may be null).
bool TransferToLocation(const usb::UsbPlatformOps& platform, const ReceiverLocation& location,
                        uint16_t wValue, uint16_t wIndex, uint16_t wLength, uint8_t* reply,
                        uint16_t* replyLength);

class TUsbDescriptors {
 public:
  // The found list keeps the first kMaxFound matches of a search; later ones are not listed.
  static constexpr int32_t kMaxFound = 10;
  // External hubs nested deeper than this are not descended into (USB itself allows five), so a
  // hub driver that names a hub as its own descendant cannot send the walk round in circles.
  static constexpr int kMaxHubNesting = 6;

  explicit TUsbDescriptors(const usb::UsbPlatformOps& platform);
  virtual ~TUsbDescriptors() = default;
  TUsbDescriptors(const TUsbDescriptors&) = delete;
  TUsbDescriptors& operator=(const TUsbDescriptors&) = delete;

  // Searches every host controller, by number ("\\.\HCD0" to "\\.\HCD9") and by device interface,
  // for devices with these IDs. True when at least one was found; the first one becomes the chosen
  // location. A search that finds nothing keeps the earlier choice.
  bool FindReceiver(uint16_t vendorId, uint16_t productId);

  // One control-IN GET_DESCRIPTOR request with these fields to the device at the chosen location,
  // sent only while the hub driver shows the IDs it was found with there.
  // On success copies the reply (at most wLength bytes) to reply and its length to *replyLength;
  // on failure neither is touched.
  bool Transfer(uint16_t wValue, uint16_t wIndex, uint16_t wLength, uint8_t* reply,
                uint16_t* replyLength);

  // Searches one hub and, depth first, the hubs below it. False when the hub does not open.
  bool WalkHub(const std::string& hubName);

  bool IsListed(const std::string& hubName, int32_t port) const;
  // False, and nothing written, once the list holds kMaxFound entries. The IDs are those the hub
  // driver shows for the device at the port; commands go there only while it still shows them.
  bool AddFound(const std::string& hubName, int32_t port, uint16_t shownVendorId = 0,
                uint16_t shownProductId = 0);

  int32_t FoundCount() const { return foundCount_; }
  // Entry index of the found list; an empty location when index is out of range.
  const ReceiverLocation& Found(int32_t index) const;
  const ReceiverLocation& Chosen() const { return chosen_; }

 private:
  void SearchByControllerNumber();
  void SearchByInterface();
  void SearchController(const std::string& path);
  bool WalkHubAt(const std::string& hubName, int nesting);
  void CheckPort(usb::PlatformHandle hub, const std::string& hubName, uint32_t port, int nesting);
  bool Matches(uint16_t vendorId, uint16_t productId) const;

  const usb::UsbPlatformOps& platform_;
  uint16_t targetVendorId_ = 0;
  uint16_t targetProductId_ = 0;
  std::array<ReceiverLocation, kMaxFound> found_;
  int32_t foundCount_ = 0;
  ReceiverLocation chosen_;
};
