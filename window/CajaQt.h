#pragma once

#include <QLineEdit>

#include "window/OrdenCalcular.h"

namespace tramo {

// A box of the window as CALCULAR sees it.
class CajaQt : public CajaTexto {
 public:
  explicit CajaQt(QLineEdit* caja) : caja_(caja) {}

  std::string Texto() const override { return caja_->text().toStdString(); }
  void PonerTexto(const std::string& texto) override {
    caja_->setText(QString::fromStdString(texto));
    caja_->setCursorPosition(0);
  }

 private:
  QLineEdit* caja_;
};

}  // namespace tramo
