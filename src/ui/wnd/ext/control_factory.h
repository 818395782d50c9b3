// What the factories of the common controls share: the window class is
// registered the first time a control of it is made, and the widget is tagged
// with it and paired with a fresh object of the control class. Not for use
// outside src/ui/wnd.
#pragma once

#include <memory>

#include "ui/wnd/controls.h"
#include "ui/wnd/ext/common_controls.h"

namespace wnd_detail {

template <WindowClassProc Proc>
void RegisterWindowClassOnce(const char* className) {
  static const bool registered = (RegisterWindowClass(className, Proc), true);
  (void)registered;
}

template <class Ctrl>
MadeControl TagControl(QWidget* widget, const char* className) {
  SetWindowClass(widget, className);
  return {widget, std::make_unique<Ctrl>()};
}

}  // namespace wnd_detail
