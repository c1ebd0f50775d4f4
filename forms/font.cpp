#include "forms/font.h"

namespace forms {

FontHandle Font::Create() const {
  LOGFONTW logFont = {};
  logFont.lfHeight = -(height < 1 ? 1 : height);  // negative: character height, not cell height
  logFont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  logFont.lfCharSet = DEFAULT_CHARSET;
  logFont.lfOutPrecision = OUT_DEFAULT_PRECIS;
  logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  logFont.lfQuality = DEFAULT_QUALITY;
  logFont.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  lstrcpynW(logFont.lfFaceName, name.c_str(), LF_FACESIZE);
  return FontHandle(CreateFontIndirectW(&logFont));
}

}  // namespace forms
