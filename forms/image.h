// A picture (STATIC, SS_BITMAP). The image owns its Bitmap and hands the HBITMAP to the control
// with STM_SETIMAGE, so other modules read it back with STM_GETIMAGE. Images lie below every other
// control of the form (see Form). The image paints itself like the form's background: an image
// without a picture, or a part the picture does not cover, shows what lies below it (the static
// would paint black there).
#pragma once
#include <string>

#include "forms/bitmap.h"
#include "forms/control.h"

namespace forms {

class Image : public Control {
 public:
  Image(Form& owner, const std::wstring& name, const Bounds& bounds = {});
  ~Image() override;

  // Loads a .bmp file; on failure (kMissing, kCorrupt) the image keeps its picture.
  LoadResult LoadFromFile(const std::wstring& path);
  void SetPicture(Bitmap picture);
  const Bitmap& Picture() const { return picture_; }
  // On by default: the control takes its picture's size whenever the picture changes.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool autoSize);

 protected:
  bool HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  void Paint(HDC dc);
  Bitmap picture_;
  bool autoSize_ = true;
};

}  // namespace forms
