// The pairing tool's skin files: slot 3 and slot 18 from "data\" beside the program.
#pragma once
#include "skin/core/slot_table.h"

namespace skin {

// The program's folder + "data\", with the pairing tool's language name (user default language).
SlotPlan PairToolSkinPlan();

}  // namespace skin
