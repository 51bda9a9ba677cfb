#include "player2.h"

#include "GameTexts.h"
#include "Main.h"
#include "ui_player2.h"

TForm3::TForm3(TForm1& mainForm) : NameDialog(mainForm), ui_(std::make_unique<Ui::TForm3>()) {
    ui_->setupUi(this);
    FixSize();
    connect(ui_->Button1, &QPushButton::clicked, this, &TForm3::Button1Click);
    connect(ui_->Button2, &QPushButton::clicked, this, &TForm3::Button2Click);
}

TForm3::~TForm3() = default;

QString TForm3::FirstName() const { return ui_->Edit1->text(); }
QString TForm3::SecondName() const { return ui_->Edit2->text(); }

void TForm3::Button1Click() {
    const brimblet::GameTexts& texts = mainForm_.GameRules().Texts();
    const auto label = [&texts](const QString& name) {
        return QString::fromStdString(texts.PositionOf(name.toStdString()));
    };
    mainForm_.SetNameLabels(label(ui_->Edit1->text()), label(ui_->Edit2->text()));
    mainForm_.Log().ReplaceAll(QString::fromStdString(texts.StartHint));
    hide();
}

void TForm3::Button2Click() { hide(); }
