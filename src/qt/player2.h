#pragma once

#include <memory>

#include "NameDialog.h"

namespace Ui {
class TForm3;
}

// "Two Player Game": the names of the two players sharing the machine.
class TForm3 : public NameDialog {
    Q_OBJECT
public:
    explicit TForm3(TForm1& mainForm);
    ~TForm3() override;

    // The name boxes' texts as they stand now.
    QString FirstName() const;
    QString SecondName() const;

public slots:
    void Button1Click();  // Ok
    void Button2Click();  // Cancel

private:
    std::unique_ptr<Ui::TForm3> ui_;
};
