// The step forms of the running wizard, exported as _FCorvilStep1 .. _FCorvilStep4. Valid while
// return_CorvilForm runs; steps 2 to 4 reach the record and step 1's choices through FCorvilStep1.
#pragma once

namespace wizard {
class TFCorvilStep1;
class TFCorvilStep2;
class TFCorvilStep3;
class TFCorvilStep4;
}  // namespace wizard

extern "C" {
extern wizard::TFCorvilStep1* FCorvilStep1;
extern wizard::TFCorvilStep2* FCorvilStep2;
extern wizard::TFCorvilStep3* FCorvilStep3;
extern wizard::TFCorvilStep4* FCorvilStep4;
}
