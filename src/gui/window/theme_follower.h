// SPDX-License-Identifier: MIT
#pragma once
// Follows a change of palette or theme while the program runs: the command icons of the
// window are drawn again for the new palette (the topic view and the painted controls read the
// palette as they paint).

#include <QObject>

class QWidget;

namespace qorl::gui {

class ThemeFollower final : public QObject {
  Q_OBJECT
 public:
  // Watches window; owned by it.
  explicit ThemeFollower(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
};

}  // namespace qorl::gui
