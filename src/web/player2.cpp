#include "player2.h"

#include "GameTexts.h"
#include "Main.h"

TForm3::TForm3(TForm1& mainForm, Events& events) : NameDialog("TForm3", mainForm, events) {
    WatchNameBox("Edit1");
    WatchNameBox("Edit2");
}

void TForm3::Button1Click() {
    const brimblet::GameTexts& texts = mainForm_.GameRules().Texts();
    mainForm_.SetNameLabels(texts.PositionOf(FirstName()), texts.PositionOf(SecondName()));
    mainForm_.Log().ReplaceAll(texts.StartHint);
    Close();
}
