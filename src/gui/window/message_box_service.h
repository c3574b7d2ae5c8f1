// SPDX-License-Identifier: MIT
#pragma once
// The viewer's message boxes.

#include <QPointer>
#include <QWidget>

#include "core/list/message_service.h"

namespace qorl::gui {

class MessageBoxService final : public MessageService {
 public:
  explicit MessageBoxService(QWidget* parent = nullptr) : parent_(parent) {}
  void setParent(QWidget* parent) { parent_ = parent; }

  void warning(const std::string& text) override;
  void information(const std::string& text) override;
  void error(const std::string& text) override;
  bool confirm(const std::string& text) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace qorl::gui
