// The preview: the finished wallpaper over the whole screen until a click.
#pragma once

#include <memory>

#include "image_control.h"
#include "window.h"

namespace tezun {

inline constexpr char kPreviewClass[] = "TezunPreview";

class TfrmPreview : public Window {
 public:
  explicit TfrmPreview(HWND owner);

  ImageControl& Image1() { return *image_; }

 protected:
  void FormShow() override;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void FormClick() { EndModal(mrOk); }

  std::unique_ptr<ImageControl> image_;
};

}  // namespace tezun
