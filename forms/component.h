// Base of everything a form owns: a name and a class name, listed in the owner form's component
// order (creation order). Components must not outlive their form.
#pragma once
#include <string>

namespace forms {

class Form;

// A part of a compound control (the label of a labelled edit) is kUnlisted: owned by the form's
// window like any control, but not one of the form's components.
enum class Listing { kListed, kUnlisted };

// Names are stored as global atoms, whose text is limited to 255 characters.
inline constexpr size_t kMaxNameLength = 255;

class Component {
 public:
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  Form& Owner() const { return *owner_; }
  // True once the owner form has been destroyed before this component (a misuse survived safely).
  bool Orphaned() const { return owner_ == nullptr; }
  const std::wstring& Name() const { return name_; }
  // False (name unchanged) for a name longer than kMaxNameLength.
  virtual bool SetName(const std::wstring& name);
  // The class name other modules match on: "TButton", "TLabel", "TTimer", ...
  const std::wstring& ClassName() const { return className_; }
  virtual int Tag() const { return tag_; }
  virtual void SetTag(int tag) { tag_ = tag; }

 protected:
  // A name longer than kMaxNameLength is cut to that length.
  Component(Form& owner, const std::wstring& name, const wchar_t* className,
            Listing listing = Listing::kListed);

 private:
  friend class Form;
  Form* owner_;  // null once the form has gone (misuse; then nothing is unregistered)
  std::wstring name_;
  std::wstring className_;
  int tag_ = 0;
};

}  // namespace forms
