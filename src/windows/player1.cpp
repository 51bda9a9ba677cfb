#include "player1.h"

#include "GameTexts.h"
#include "Main.h"
#include "player1Layout.h"

TForm2::TForm2(TForm1& mainForm) : NameDialog(mainForm, form2::kForm) {}

std::string TForm2::PlayerName() const { return Text(form2::Edit1); }

void TForm2::Button1Click() {
    const brimblet::GameTexts& texts = mainForm_.GameRules().Texts();
    mainForm_.SetNameLabels(texts.PositionOf(PlayerName()), texts.FredsPosition);
    mainForm_.Log().ReplaceAll(texts.StartHint);
    Close();
}
