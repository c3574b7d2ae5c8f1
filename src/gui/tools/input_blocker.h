// SPDX-License-Identifier: MIT
#pragma once
// While a tool runs the viewer keeps processing events so that its window repaints, but no
// keyboard or mouse input and no close request may reach it: this filter swallows them for as
// long as it lives.

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace qorl::gui {

class InputBlocker final : public QObject {
 public:
  // window: the main window, whose close requests are refused as well.
  explicit InputBlocker(QWidget* window);
  ~InputBlocker() override;
  InputBlocker(const InputBlocker&) = delete;
  InputBlocker& operator=(const InputBlocker&) = delete;

  static bool isInputEvent(const QEvent* event);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> window_;
};

}  // namespace qorl::gui
