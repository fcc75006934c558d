// The validator of the entry boxes that take capitals only: typed letters
// become capitals as they are typed.
#pragma once

#include <QValidator>

namespace tovk::ui {

class UpperCase : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    input = input.toUpper();
    return Acceptable;
  }
};

}  // namespace tovk::ui
