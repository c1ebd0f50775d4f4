#include "forms/image.h"

#include "forms/form.h"

namespace forms {

Image::Image(Form& owner, const std::wstring& name, const Bounds& bounds)
    : Control(owner, name, L"TImage", {L"STATIC", SS_BITMAP | SS_NOTIFY, 0, bounds, L""}) {
  // SS_BITMAP shrinks an empty control to nothing; the image keeps its given size until it has a picture.
  Control::SetBounds(bounds);
}

Image::~Image() {
  // The control does not own the bitmap: take it back before the bitmap is freed.
  if (Handle() != nullptr) SendMessageW(Handle(), STM_SETIMAGE, IMAGE_BITMAP, 0);
}

LoadResult Image::LoadFromFile(const std::wstring& path) {
  Bitmap loaded;
  const LoadResult result = loaded.LoadFromFile(path);
  if (result == LoadResult::kOk) SetPicture(std::move(loaded));
  return result;
}

void Image::SetPicture(Bitmap picture) {
  const Bounds before = GetBounds();
  picture_ = std::move(picture);
  if (Handle() == nullptr) return;
  SendMessageW(Handle(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.Handle()));
  // The static resizes itself to the bitmap; the image decides.
  if (autoSize_ && !picture_.Empty()) {
    Control::SetBounds(before.left, before.top, picture_.Width(), picture_.Height());
  } else {
    Control::SetBounds(before);
  }
  InvalidateRect(Handle(), nullptr, TRUE);
}

bool Image::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (HandleSelfPaint(message, wParam, result, [this](HDC dc) { Paint(dc); })) return true;
  return Control::HandleMessage(message, wParam, lParam, result);
}

void Image::Paint(HDC dc) {
  const Bounds b = GetBounds();
  if (Orphaned()) {
    picture_.DrawTo(dc, 0, 0);
    return;
  }
  // The form's colour, earlier images, this picture and later images, as the screen stacks them.
  Owner().PaintBackground(dc, {b.left, b.top, b.left + b.width, b.top + b.height});
}

void Image::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  if (autoSize_ && !picture_.Empty()) SetBounds(Left(), Top(), picture_.Width(), picture_.Height());
}

}  // namespace forms
