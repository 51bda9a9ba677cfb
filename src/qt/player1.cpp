#include "player1.h"

#include "GameTexts.h"
#include "Main.h"
#include "ui_player1.h"

TForm2::TForm2(TForm1& mainForm) : NameDialog(mainForm), ui_(std::make_unique<Ui::TForm2>()) {
    ui_->setupUi(this);
    FixSize();
    connect(ui_->Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(ui_->Button2, &QPushButton::clicked, this, &TForm2::Button2Click);
}

TForm2::~TForm2() = default;

QString TForm2::PlayerName() const { return ui_->Edit1->text(); }

void TForm2::Button1Click() {
    const brimblet::GameTexts& texts = mainForm_.GameRules().Texts();
    mainForm_.SetNameLabels(QString::fromStdString(texts.PositionOf(ui_->Edit1->text().toStdString())),
                            QString::fromStdString(texts.FredsPosition));
    mainForm_.Log().ReplaceAll(QString::fromStdString(texts.StartHint));
    hide();
}

void TForm2::Button2Click() { hide(); }
