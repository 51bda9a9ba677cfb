#include "player1.h"

#include "GameTexts.h"
#include "Main.h"
#include "player1Layout.h"

TForm2::TForm2(TForm1& mainForm) : NameDialog(mainForm, form2::kForm) {}

std::string TForm2::PlayerName() const { return Text(form2::Edit1); }

void TForm2::Button1Click() {
    using namespace brimblet::texts;
    mainForm_.SetNameLabels(PlayerName() + kPositionSuffix, kFredsPosition);
    mainForm_.Log().ReplaceAll(kStartHint);
    Close();
}
