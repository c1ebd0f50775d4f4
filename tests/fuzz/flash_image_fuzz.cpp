// A receiver's flash image file as the simulator opens it beside its scenario, then a command
// session on what it loaded. Byte 0 of the input chooses: odd - the rest is the file as it is (its
// size is checked); even - the rest, repeated and cut to the exact image size, so that the content
// itself is explored.
#include <memory>
#include <string>

#include "fuzz_input.h"
#include "receiver_commands.h"
#include "simulator/flash_image.h"
#include "simulator/receiver.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::string image(reinterpret_cast<const char*>(data + 1), size - 1);
  if ((data[0] & 1) == 0) {
    std::string whole;
    whole.reserve(sim::kFlashImageBytes);
    while (!image.empty() && whole.size() < sim::kFlashImageBytes) whole += image;
    whole.resize(sim::kFlashImageBytes, '\xFF');
    image.swap(whole);
  }
  static const std::string scenario = "[Receiver]\nFlashImage=flash.bin\n";
  fuzz::PutFile("receiver.ini", &scenario);
  fuzz::PutFile("flash.bin.tmp", nullptr);
  fuzz::PutFile("flash.bin", &image);

  sim::Receiver* opened = nullptr;
  std::string error;
  if (!sim::Receiver::Open(fuzz::ScratchFolder() + "receiver.ini", &opened, &error)) {
    if (error.empty()) __builtin_trap();
    return 0;
  }
  const std::unique_ptr<sim::Receiver> receiver(opened);
  fuzz::RunCommandSession(*receiver);
  return 0;
}
