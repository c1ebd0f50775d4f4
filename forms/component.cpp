#include "forms/component.h"

#include "forms/form.h"

namespace forms {

Component::Component(Form& owner, const std::wstring& name, const wchar_t* className, Listing listing)
    : owner_(&owner), name_(name.substr(0, kMaxNameLength)), className_(className) {
  if (listing == Listing::kListed) owner.AddComponent(this);
}

Component::~Component() {
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

bool Component::SetName(const std::wstring& name) {
  if (name.size() > kMaxNameLength) return false;
  name_ = name;
  return true;
}

}  // namespace forms
