#include "player1.h"

#include "GameTexts.h"
#include "Main.h"

TForm2::TForm2(TForm1& mainForm, Events& events) : NameDialog("TForm2", mainForm, events) {
    WatchNameBox("Edit1");
}

void TForm2::Button1Click() {
    const brimblet::GameTexts& texts = mainForm_.GameRules().Texts();
    mainForm_.SetNameLabels(texts.PositionOf(PlayerName()), texts.FredsPosition);
    mainForm_.Log().ReplaceAll(texts.StartHint);
    Close();
}
