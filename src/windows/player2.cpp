#include "player2.h"

#include "GameTexts.h"
#include "Main.h"
#include "player2Layout.h"

TForm3::TForm3(TForm1& mainForm) : NameDialog(mainForm, form3::kForm) {}

std::string TForm3::FirstName() const { return Text(form3::Edit1); }
std::string TForm3::SecondName() const { return Text(form3::Edit2); }

void TForm3::Button1Click() {
    const brimblet::GameTexts& texts = mainForm_.GameRules().Texts();
    mainForm_.SetNameLabels(texts.PositionOf(FirstName()), texts.PositionOf(SecondName()));
    mainForm_.Log().ReplaceAll(texts.StartHint);
    Close();
}
