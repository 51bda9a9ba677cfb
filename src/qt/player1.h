#pragma once

#include <memory>

#include "NameDialog.h"

namespace Ui {
class TForm2;
}

// "One Player Game": the name of the player who plays against Fred.
class TForm2 : public NameDialog {
    Q_OBJECT
public:
    explicit TForm2(TForm1& mainForm);
    ~TForm2() override;

    // The name box's text as it stands now.
    QString PlayerName() const;

public slots:
    void Button1Click();  // Ok
    void Button2Click();  // Cancel

private:
    std::unique_ptr<Ui::TForm2> ui_;
};
