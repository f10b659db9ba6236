// The real platform services: Qt's message boxes and modal windows.
#pragma once

#include "ui/platform_services.hpp"

namespace tolvin {

class qt_platform_services final : public platform_services {
  public:
    void message_box(QWidget* parent, const QString& title, const QString& text, message_icon icon) override;
    void run_modal(QDialog& window) override;
};

} // namespace tolvin
