// The real platform services: Qt's message boxes.
#pragma once

#include "ui/platform_services.hpp"

namespace tolvin {

class qt_platform_services final : public platform_services {
  public:
    void message_box(QWidget* parent, const QString& title, const QString& text, message_icon icon) override;
    void open_url(QWidget* owner, const QString& address) override;
};

} // namespace tolvin
